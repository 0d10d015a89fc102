#!/usr/bin/env python3
"""Build Quintelo's picture resources.

Run from the repository root:

    python3 assets/make_assets.py

Needs python3 (standard library only), ImageMagick 6 `convert`, the Noto
Sans CJK fonts (fonts-noto-cjk) and DejaVu Sans.

Files written into assets/:

  splash.gif      404 x 280 start-up picture; GIF89a, one frame, no
                  transparency, global colour table of exactly 256 entries
  about.bmp       241 x 81 sign plate for the About box; 24-bit BMP
  quintelo.ico    32 x 32, 16-colour application icon (766 bytes)
  about.ico       32 x 32, 16-colour About box icon (766 bytes)
  quintelo.png    32 x 32 PNG render of quintelo.ico
  about-icon.png  32 x 32 PNG render of about.ico
  quintelo.svg    the application icon as a scalable picture, one square per
                  pixel, for desktop menus that want more than 32 x 32

ImageMagick draws the artwork; the GIF, BMP and ICO files are written
byte by byte here so that their exact layout does not depend on the
ImageMagick version.
"""

import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

FONT_JP = "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"  # face 0: JP
FONT_EN = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_EN_COND = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"

# Sign plate geometry, in pixels: the same as the main window's plate.
PLATE_W, PLATE_H = 241, 81
MAIN_TOP, MAIN_H = 16, 43          # rows 16..58
BAND_TOP, BAND_H = 64, 17          # rows 64..80
BAND_BLUE = "#0000FF"


# --------------------------------------------------------------------------
# ImageMagick helpers

def convert(*args):
    """Run ImageMagick `convert` with the given arguments."""
    cmd = ["convert"] + [str(a) for a in args]
    subprocess.run(cmd, check=True)


def read_ppm(path):
    """Read a binary PPM (P6, maxval 255); return (width, height, bytes)."""
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            while data[pos:pos + 1] not in (b"\n", b""):
                pos += 1
            continue
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    pos += 1  # the single whitespace byte after maxval
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise ValueError("%s: not an 8-bit P6 PPM" % path)
    w, h = int(fields[1]), int(fields[2])
    pixels = data[pos:pos + w * h * 3]
    if len(pixels) != w * h * 3:
        raise ValueError("%s: short pixel data" % path)
    return w, h, pixels


def png_args():
    """Options that keep PNG output free of time stamps."""
    return ["-strip", "-define", "png:exclude-chunks=date,time"]


# --------------------------------------------------------------------------
# Sign plate (used on the splash and as the About picture)

def draw_plate(out_png, main_text, english_text, tmp):
    """Draw a 241 x 81 sign plate: white bold text on black, English line
    in white on a blue band at the bottom."""
    main = os.path.join(tmp, "plate-main.png")
    band = os.path.join(tmp, "plate-band.png")
    convert("-size", "%dx%d" % (PLATE_W, MAIN_H), "xc:black",
            "-font", FONT_JP, "-pointsize", 32,
            "-fill", "white", "-stroke", "white", "-strokewidth", 0.5,
            "-gravity", "center", "-annotate", "+0+1", main_text,
            main)
    convert("-size", "%dx%d" % (PLATE_W, BAND_H), "xc:" + BAND_BLUE,
            "-font", FONT_EN, "-pointsize", 12,
            "-fill", "white", "-gravity", "center",
            "-annotate", "+0+0", english_text,
            band)
    convert("-size", "%dx%d" % (PLATE_W, PLATE_H), "xc:black",
            main, "-geometry", "+0+%d" % MAIN_TOP, "-composite",
            band, "-geometry", "+0+%d" % BAND_TOP, "-composite",
            *png_args(), out_png)


# --------------------------------------------------------------------------
# GIF writer

def lzw_compress(indices, min_code_size=8):
    """LZW-compress palette indices the GIF way; return the code bytes."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    acc = 0
    nbits = 0

    def emit(code, size):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    table = {}
    code_size = min_code_size + 1
    next_code = end + 1
    emit(clear, code_size)
    prefix = indices[0]
    for k in indices[1:]:
        key = (prefix << 8) | k
        found = table.get(key)
        if found is not None:
            prefix = found
            continue
        emit(prefix, code_size)
        if next_code < 4096:
            if next_code == (1 << code_size):
                code_size += 1
            table[key] = next_code
            next_code += 1
        else:
            emit(clear, code_size)
            table = {}
            code_size = min_code_size + 1
            next_code = end + 1
        prefix = k
    emit(prefix, code_size)
    # The decoder widens its codes after this last code in the same way
    # as after any other one.
    if next_code < 4096 and next_code == (1 << code_size):
        code_size += 1
    emit(end, code_size)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def write_gif(path, width, height, rgb):
    """Write a one-frame GIF89a with a 256-entry global colour table and
    no extensions (so no transparency)."""
    palette = []
    index_of = {}
    indices = bytearray(width * height)
    for i in range(width * height):
        c = rgb[3 * i:3 * i + 3]
        idx = index_of.get(c)
        if idx is None:
            idx = len(palette)
            if idx >= 256:
                raise ValueError("more than 256 colours in the splash")
            index_of[c] = idx
            palette.append(c)
        indices[i] = idx
    while len(palette) < 256:
        palette.append(b"\x00\x00\x00")

    data = bytearray()
    data += b"GIF89a"
    # logical screen: global table present, 8 bits colour resolution,
    # not sorted, table size field 7 (2 ** (7 + 1) = 256 entries)
    data += struct.pack("<HHBBB", width, height, 0x80 | (7 << 4) | 7, 0, 0)
    data += b"".join(palette)
    data += b","  # image descriptor
    data += struct.pack("<HHHHB", 0, 0, width, height, 0)
    data += bytes([8])  # LZW minimum code size
    codes = lzw_compress(bytes(indices), 8)
    for pos in range(0, len(codes), 255):
        block = codes[pos:pos + 255]
        data.append(len(block))
        data += block
    data.append(0)
    data += b";"
    with open(path, "wb") as f:
        f.write(data)


# --------------------------------------------------------------------------
# BMP writer

def write_bmp24(path, width, height, rgb):
    """Write an uncompressed bottom-up 24-bit BMP (BITMAPINFOHEADER)."""
    row_bytes = (width * 3 + 3) & ~3
    pad = b"\x00" * (row_bytes - width * 3)
    body = bytearray()
    for y in range(height - 1, -1, -1):
        row = rgb[y * width * 3:(y + 1) * width * 3]
        for x in range(width):
            r, g, b = row[3 * x:3 * x + 3]
            body += bytes((b, g, r))
        body += pad
    header_size = 14 + 40
    data = bytearray()
    data += struct.pack("<2sIHHI", b"BM", header_size + len(body), 0, 0,
                        header_size)
    data += struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0,
                        len(body), 3780, 3780, 0, 0)
    data += body
    with open(path, "wb") as f:
        f.write(data)


# --------------------------------------------------------------------------
# 16-colour icons

# The standard 16-colour VGA palette, in the usual Windows order.
VGA = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00),
    (0x80, 0x80, 0x00), (0x00, 0x00, 0x80), (0x80, 0x00, 0x80),
    (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0), (0x80, 0x80, 0x80),
    (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF),
    (0xFF, 0xFF, 0xFF),
]
BLACK, NAVY, SILVER, GREY, BLUE, WHITE = 0, 4, 7, 8, 12, 15
CLEAR = None  # transparent pixel

ICON = 32


class Icon:
    """A 32 x 32 grid of VGA palette indices, None meaning transparent."""

    def __init__(self):
        self.px = [[CLEAR] * ICON for _ in range(ICON)]

    def rect(self, x0, y0, x1, y1, colour):
        """Fill the rectangle with corners (x0, y0) and (x1, y1), inclusive."""
        for y in range(max(0, y0), min(ICON - 1, y1) + 1):
            for x in range(max(0, x0), min(ICON - 1, x1) + 1):
                self.px[y][x] = colour

    def disc(self, cx, cy, r, colour):
        """Fill every pixel whose centre lies within r of (cx, cy)."""
        for y in range(ICON):
            for x in range(ICON):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.px[y][x] = colour

    def pixels(self, points, colour):
        for x, y in points:
            self.px[y][x] = colour


def write_ico(path, icon):
    """Write a single 32 x 32, 4-bit BMP-in-ICO file of exactly 766 bytes."""
    xor_rows = []
    and_rows = []
    for y in range(ICON - 1, -1, -1):  # bottom-up
        row = icon.px[y]
        xor = bytearray()
        for x in range(0, ICON, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            xor.append((hi << 4) | lo)
        mask = 0
        for x in range(ICON):
            if row[x] is None:
                mask |= 1 << (31 - x)
        xor_rows.append(bytes(xor))
        and_rows.append(struct.pack(">I", mask))
    xor_bits = b"".join(xor_rows)   # 16 bytes a row, 512 bytes
    and_bits = b"".join(and_rows)   # 4 bytes a row, 128 bytes
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in VGA)
    info = struct.pack("<IiiHHIIiiII", 40, ICON, ICON * 2, 1, 4, 0,
                       len(xor_bits) + len(and_bits), 0, 0, 0, 0)
    image = info + palette + xor_bits + and_bits
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", ICON, ICON, 16, 0, 1, 4,
                        len(image), 6 + 16)
    data = header + entry + image
    if len(data) != 766:
        raise AssertionError("icon is %d bytes, not 766" % len(data))
    with open(path, "wb") as f:
        f.write(data)


def write_svg(path, icon):
    """Write the icon as an SVG of its pixels, each row's runs of one colour
    merged, so that it scales without blurring."""
    runs = []
    for y, row in enumerate(icon.px):
        x = 0
        while x < ICON:
            colour = row[x]
            end = x
            while end + 1 < ICON and row[end + 1] == colour:
                end += 1
            if colour is not None:
                r, g, b = VGA[colour]
                runs.append('<rect x="%d" y="%d" width="%d" height="1" '
                            'fill="#%02X%02X%02X"/>' % (x, y, end - x + 1, r, g, b))
            x = end + 1
    svg = ('<?xml version="1.0" encoding="UTF-8"?>\n'
           '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
           'viewBox="0 0 %d %d" shape-rendering="crispEdges">\n%s\n</svg>\n'
           % (ICON, ICON, ICON, ICON, "\n".join(runs)))
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write(svg)


def app_icon():
    """A small roll-sign plate: silver frame, black face, white lettering
    and the blue English band."""
    ic = Icon()
    # frame with light top/left and dark bottom/right edges
    ic.rect(0, 4, 31, 27, GREY)
    ic.rect(0, 4, 30, 4, SILVER)
    ic.rect(0, 4, 0, 26, SILVER)
    ic.rect(1, 5, 30, 26, BLACK)
    # lettering: the first two characters of 方向幕, drawn pixel by pixel
    # (a font rendered this small turns to mush)
    glyphs = [
        [
            ".....#.....",
            ".....#.....",
            "###########",
            "...#.......",
            "...#######.",
            "...#.....#.",
            "...#.....#.",
            "..#......#.",
            "..#......#.",
            ".#.......#.",
            "#......##..",
        ],
        [
            ".....#.....",
            "....#......",
            "###########",
            "#.........#",
            "#..#####..#",
            "#..#...#..#",
            "#..#...#..#",
            "#..#####..#",
            "#.........#",
            "#.........#",
            "#........##",
        ],
    ]
    for left, glyph in zip((4, 17), glyphs):
        for dy, line in enumerate(glyph):
            for dx, ch in enumerate(line):
                if ch == "#":
                    ic.px[7 + dy][left + dx] = WHITE
    # blue English band with a thin line of white "letters"
    ic.rect(1, 20, 30, 25, BLUE)
    words = [x for x in range(6, 14) if x != 10] + \
            [x for x in range(16, 26) if x not in (19, 23)]
    ic.pixels([(x, y) for x in words for y in (22, 23)], WHITE)
    return ic


def about_icon():
    """A blue disc with a white letter i."""
    ic = Icon()
    ic.disc(16, 16, 15.4, NAVY)
    ic.disc(16, 16, 14.1, BLUE)
    # highlight along the upper left of the disc
    for y in range(ICON):
        for x in range(ICON):
            d2 = (x + 0.5 - 16) ** 2 + (y + 0.5 - 16) ** 2
            if 12.0 ** 2 <= d2 <= 13.2 ** 2 and x + y < 20:
                ic.px[y][x] = 14  # light cyan rim
    # the dot of the i
    ic.rect(14, 6, 17, 9, WHITE)
    ic.pixels([(14, 6), (17, 6), (14, 9), (17, 9)], BLUE)
    # the stem with a small flag at the top and a foot at the bottom
    ic.rect(14, 12, 17, 23, WHITE)
    ic.rect(12, 12, 13, 13, WHITE)
    ic.rect(11, 24, 20, 25, WHITE)
    return ic


# --------------------------------------------------------------------------
# Splash picture

SPLASH_W, SPLASH_H = 404, 280


def draw_splash(out_png, tmp):
    """Draw the start-up picture in full colour.

    The splash window lays white labels over x 8..393, y 152..274, so all
    artwork lives in the top 150 rows; the rest is a plain light ground."""
    plate = os.path.join(tmp, "splash-plate.png")
    draw_plate(plate, "快速　東京", "Rapid  Tokyo", tmp)

    body = os.path.join(tmp, "splash-body.png")
    glass = os.path.join(tmp, "splash-glass.png")
    ground = os.path.join(tmp, "splash-ground.png")

    # silver car body, lighter towards the roof
    convert("-size", "404x150", "gradient:#f4f6f9-#bfc5cd", body)
    # window glass, dark at the top
    convert("-size", "110x78", "gradient:#1d2b3f-#5f7898", glass)
    # lower part: plain, nearly white, under the labels
    convert("-size", "404x130", "gradient:#e6e9ee-#fbfcfd", ground)

    # window: glass with a rounded outline and two reflection streaks
    window = os.path.join(tmp, "splash-window.png")
    convert("-size", "118x86", "xc:none",
            "-fill", "#2a2e34", "-draw", "roundrectangle 0,0 117,85 10,10",
            glass, "-geometry", "+4+4", "-composite",
            "-fill", "#ffffff30",
            "-draw", "polygon 20,4 44,4 8,66 4,66 4,40",
            "-draw", "polygon 54,4 64,4 18,82 8,82",
            "(", "-size", "118x86", "xc:none", "-fill", "white",
            "-draw", "roundrectangle 4,4 113,81 7,7", ")",
            "-compose", "DstIn", "-composite", "-compose", "Over",
            "-fill", "none", "-stroke", "#2a2e34", "-strokewidth", 3,
            "-draw", "roundrectangle 2,2 115,83 9,9",
            "-stroke", "#8d949d", "-strokewidth", 1,
            "-draw", "roundrectangle 0,0 117,85 10,10",
            window)

    args = [
        "-size", "%dx%d" % (SPLASH_W, SPLASH_H), "xc:#f7f8fa",
        body, "-geometry", "+0+0", "-composite",
        ground, "-geometry", "+0+150", "-composite",
        # roof edge and rain gutter
        "-fill", "#7d848d", "-draw", "rectangle 0,0 403,2",
        "-fill", "#a5abb3", "-draw", "rectangle 0,3 403,3",
        "-fill", "#ffffff", "-draw", "rectangle 0,4 403,4",
        # body panel seam beside the window
        "-fill", "#9ba1a9", "-draw", "rectangle 266,8 266,134",
        "-fill", "#ffffff", "-draw", "rectangle 267,8 267,134",
        # sign bezel: dark recessed frame around the plate
        "-fill", "#8f959d", "-draw", "roundrectangle 7,41 264,136 6,6",
        "-fill", "#ffffff", "-draw", "roundrectangle 8,42 264,136 6,6",
        "-fill", "#3b3f45", "-draw", "roundrectangle 8,42 263,135 5,5",
        "-fill", "#17191c", "-draw", "rectangle 12,46 259,131",
        plate, "-geometry", "+15+48", "-composite",
        window, "-geometry", "+276+45", "-composite",
        # livery stripe along the car
        "-fill", "#1d4fa3", "-draw", "rectangle 0,139 403,144",
        "-fill", "#6d9be0", "-draw", "rectangle 0,145 403,146",
        "-fill", "#8c929a", "-draw", "rectangle 0,149 403,149",
        # title lettering, embossed on the body
        "-font", FONT_EN, "-pointsize", 30, "-gravity", "NorthWest",
        "-fill", "#ffffff", "-annotate", "+15+6", "Quintelo",
        "-fill", "#1b2f5e", "-annotate", "+14+5", "Quintelo",
        "-font", FONT_EN_COND, "-pointsize", 14,
        "-fill", "#ffffff", "-annotate", "+173+19", "Version 2",
        "-fill", "#3d4a60", "-annotate", "+172+18", "Version 2",
        "-font", FONT_JP, "-pointsize", 12, "-gravity", "NorthEast",
        "-fill", "#ffffff", "-annotate", "+11+22", "方向幕画像作成ツール",
        "-fill", "#3d4a60", "-annotate", "+12+21", "方向幕画像作成ツール",
        *png_args(), out_png,
    ]
    convert(*args)


# --------------------------------------------------------------------------

def main():
    os.chdir(HERE)
    with tempfile.TemporaryDirectory(prefix="quintelo-assets-") as tmp:
        # splash.gif: quantise to at most 256 colours, then write the GIF
        splash_png = os.path.join(tmp, "splash.png")
        splash_ppm = os.path.join(tmp, "splash.ppm")
        draw_splash(splash_png, tmp)
        convert(splash_png, "-alpha", "off", "-dither", "FloydSteinberg",
                "-colors", 256, "-depth", 8, splash_ppm)
        w, h, rgb = read_ppm(splash_ppm)
        assert (w, h) == (SPLASH_W, SPLASH_H)
        write_gif("splash.gif", w, h, rgb)

        # about.bmp: the sign plate with a local-train example
        about_png = os.path.join(tmp, "about.png")
        about_ppm = os.path.join(tmp, "about.ppm")
        draw_plate(about_png, "普通　新宿", "Local  Shinjuku", tmp)
        convert(about_png, "-alpha", "off", "-depth", 8, about_ppm)
        w, h, rgb = read_ppm(about_ppm)
        assert (w, h) == (PLATE_W, PLATE_H)
        write_bmp24("about.bmp", w, h, rgb)

    # icons and their PNG renders
    write_ico("quintelo.ico", app_icon())
    write_ico("about.ico", about_icon())
    write_svg("quintelo.svg", app_icon())
    convert("ico:quintelo.ico", *png_args(), "png32:quintelo.png")
    convert("ico:about.ico", *png_args(), "png32:about-icon.png")

    for name in ("splash.gif", "about.bmp", "quintelo.ico", "about.ico",
                 "quintelo.png", "about-icon.png", "quintelo.svg"):
        print("%-16s %6d bytes" % (name, os.path.getsize(name)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
