#include "codec/GifWriter.h"

#include "files/HandleDevice.h"

#include <QHash>
#include <QIODevice>
#include <QImage>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kMaxColors = 256;
constexpr int kMaxSide = GifStreamEncoder::kMaxSide;

struct ColorMapDeleter
{
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};
using ColorMap = std::unique_ptr<ColorMapObject, ColorMapDeleter>;

struct IndexedPicture
{
    std::vector<GifByteType> indices;
    std::vector<GifColorType> colors;
};

// The plate is drawn in a handful of colours plus the shades of anti-aliased text; where they
// number 256 or fewer the GIF keeps every one of them exactly. The palette may already hold the
// colours of pictures indexed before, which then share it.
bool indexExactly(const QImage &rgb, std::vector<GifByteType> &indices,
                  std::vector<GifColorType> &colors, QHash<QRgb, GifByteType> &index)
{
    indices.resize(std::size_t(rgb.width()) * std::size_t(rgb.height()));
    GifByteType *to = indices.data();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = line[x] | 0xFF000000u;
            auto found = index.constFind(pixel);
            if (found == index.constEnd()) {
                if (index.size() == kMaxColors)
                    return false;
                found = index.insert(pixel, GifByteType(index.size()));
                colors.push_back({GifByteType(qRed(pixel)), GifByteType(qGreen(pixel)),
                                  GifByteType(qBlue(pixel))});
            }
            *to++ = *found;
        }
    }
    return true;
}

bool indexExactly(const QImage &rgb, IndexedPicture &out)
{
    QHash<QRgb, GifByteType> index;
    return indexExactly(rgb, out.indices, out.colors, index);
}

int distance(QRgb a, const GifColorType &b)
{
    const int r = qRed(a) - b.Red;
    const int g = qGreen(a) - b.Green;
    const int bl = qBlue(a) - b.Blue;
    return r * r + g * g + bl * bl;
}

GifByteType nearest(QRgb colour, const std::vector<GifColorType> &palette)
{
    std::size_t best = 0;
    int bestDistance = distance(colour, palette[0]);
    for (std::size_t i = 1; i < palette.size() && bestDistance > 0; ++i) {
        const int d = distance(colour, palette[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return GifByteType(best);
}

// giflib's median cut finds the palette's regions; a few rounds of moving each entry to the
// mean of the colours nearest it, and mapping every colour to its nearest entry rather than to
// its median-cut box, roughly halve the error on smooth shades.
bool quantize(const QImage &rgb, IndexedPicture &out)
{
    const std::size_t count = std::size_t(rgb.width()) * std::size_t(rgb.height());
    std::vector<GifByteType> red(count), green(count), blue(count);
    QHash<QRgb, int> histogram;
    std::size_t i = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x, ++i) {
            red[i] = GifByteType(qRed(line[x]));
            green[i] = GifByteType(qGreen(line[x]));
            blue[i] = GifByteType(qBlue(line[x]));
            ++histogram[line[x] | 0xFF000000u];
        }
    }
    int size = kMaxColors;
    out.colors.assign(kMaxColors, GifColorType{0, 0, 0});
    out.indices.assign(count, 0);
    if (GifQuantizeBuffer(unsigned(rgb.width()), unsigned(rgb.height()), &size, red.data(),
                          green.data(), blue.data(), out.indices.data(),
                          out.colors.data()) != GIF_OK)
        return false;
    out.colors.resize(std::size_t(size));

    constexpr int kRefinements = 3;
    for (int round = 0; round < kRefinements; ++round) {
        struct Sum
        {
            qint64 red = 0, green = 0, blue = 0, pixels = 0;
        };
        std::vector<Sum> sums(out.colors.size());
        for (auto it = histogram.cbegin(); it != histogram.cend(); ++it) {
            Sum &sum = sums[nearest(it.key(), out.colors)];
            sum.red += qint64(qRed(it.key())) * it.value();
            sum.green += qint64(qGreen(it.key())) * it.value();
            sum.blue += qint64(qBlue(it.key())) * it.value();
            sum.pixels += it.value();
        }
        for (std::size_t k = 0; k < sums.size(); ++k) {
            const Sum &sum = sums[k];
            if (sum.pixels > 0)
                out.colors[k] = {GifByteType((sum.red + sum.pixels / 2) / sum.pixels),
                                 GifByteType((sum.green + sum.pixels / 2) / sum.pixels),
                                 GifByteType((sum.blue + sum.pixels / 2) / sum.pixels)};
        }
    }

    // Plates, bands and text cover whole areas in one colour each: those keep their colour
    // exactly, each taking the entry that lay nearest it, and only the shades between them move.
    std::vector<std::pair<int, QRgb>> solid;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        if (std::size_t(it.value()) * 100 >= count)
            solid.emplace_back(it.value(), it.key());
    std::sort(solid.begin(), solid.end(), std::greater<>());
    std::vector<bool> pinned(out.colors.size(), false);
    for (const auto &[pixels, colour] : solid) {
        std::size_t best = out.colors.size();
        for (std::size_t k = 0; k < out.colors.size(); ++k)
            if (!pinned[k] && (best == out.colors.size() || distance(colour, out.colors[k]) <
                                                                distance(colour, out.colors[best])))
                best = k;
        out.colors[best] = {GifByteType(qRed(colour)), GifByteType(qGreen(colour)),
                            GifByteType(qBlue(colour))};
        pinned[best] = true;
    }

    QHash<QRgb, GifByteType> index;
    index.reserve(histogram.size());
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        index.insert(it.key(), nearest(it.key(), out.colors));
    GifByteType *to = out.indices.data();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            *to++ = index.value(line[x] | 0xFF000000u);
    }
    return true;
}

// A GIF colour table holds a power of two entries, at least two.
int tableBits(std::size_t colors)
{
    int bits = 1;
    while ((std::size_t(1) << bits) < colors)
        ++bits;
    return bits;
}

// A write the system cuts short (a disk filling up) is tried again for the rest, which makes the
// device say why it takes no more.
int writeToDevice(GifFileType *gif, const GifByteType *data, int length)
{
    auto *device = static_cast<QIODevice *>(gif->UserData);
    for (int done = 0; done < length;) {
        const qint64 written =
            device->write(reinterpret_cast<const char *>(data) + done, length - done);
        if (written <= 0)
            return 0;
        done += int(written);
    }
    return length;
}

FileFailure outOfMemory()
{
    return FileFailure::encoding(FileFailure::Problem::None).withSystemError(ENOMEM);
}

// The job the animation is written for was cancelled: what is on the device is no file.
FileFailure stopped()
{
    return FileFailure::of(FileFailure::Kind::Cancelled, FileFailure::Action::Write);
}

FileFailure unevenSizes()
{
    return FileFailure::encoding(FileFailure::Problem::UnevenPictures);
}

FileFailure tooFewColours()
{
    return FileFailure::encoding(FileFailure::Problem::ColourReduction);
}

FileFailure failureOf(int gifError, const QIODevice &device)
{
    // The device, a file or the system behind it, knows best why it took no more bytes.
    if (gifError == E_GIF_ERR_WRITE_FAILED || gifError == E_GIF_ERR_DISK_IS_FULL)
        return FileFailure::of(FileFailure::Kind::WriteFailed, FileFailure::Action::Write, {},
                               systemErrorOf(device));
    if (gifError == E_GIF_ERR_NOT_ENOUGH_MEM)
        return outOfMemory();
    // giflib words its other errors in English; its number is kept for whoever looks into it.
    return FileFailure::encoding(FileFailure::Problem::LibraryError)
        .withEncoder(QStringLiteral("giflib"))
        .withCode(gifError);
}

FileFailure tooLarge(const QSize &size)
{
    return FileFailure::of(FileFailure::Kind::TooLarge, FileFailure::Action::Write)
        .withProblem(FileFailure::Problem::SideTooLong)
        .withEncoder(QStringLiteral("GIF"))
        .withRange(0, kMaxSide)
        .withSize(size);
}

ColorMap colorMap(std::vector<GifColorType> colors, int &bits)
{
    bits = tableBits(colors.size());
    colors.resize(std::size_t(1) << bits, GifColorType{0, 0, 0});
    return ColorMap(GifMakeMapObject(1 << bits, colors.data()));
}

FileFailure checkedSize(const QImage &image)
{
    if (image.isNull())
        return FileFailure::encoding(FileFailure::Problem::EmptyPicture);
    if (image.width() > kMaxSide || image.height() > kMaxSide)
        return tooLarge(image.size());
    return {};
}

bool putImage(GifFileType *gif, const IndexedPicture &indexed, int width, int height,
              const ColorMapObject *localMap)
{
    if (EGifPutImageDesc(gif, 0, 0, width, height, false, localMap) != GIF_OK)
        return false;
    for (int y = 0; y < height; ++y)
        if (EGifPutLine(gif,
                        const_cast<GifByteType *>(indexed.indices.data()) +
                            std::size_t(y) * std::size_t(width),
                        width) != GIF_OK)
            return false;
    return true;
}

// Browsers and viewers loop an animation only when it carries this block.
bool putLoopForever(GifFileType *gif)
{
    static constexpr std::array<GifByteType, 11> kApplication{'N', 'E', 'T', 'S', 'C', 'A',
                                                              'P', 'E', '2', '.', '0'};
    // Sub-block 1, then the number of loops, low byte first: 0 for ever.
    static constexpr std::array<GifByteType, 3> kLoop{1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, int(kApplication.size()), kApplication.data()) == GIF_OK &&
           EGifPutExtensionBlock(gif, int(kLoop.size()), kLoop.data()) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool putDelay(GifFileType *gif, int delayMs)
{
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, (std::max(delayMs, 0) + 5) / 10,
                                 NO_TRANSPARENT_COLOR};
    std::array<GifByteType, 4> extension{};
    const size_t length = EGifGCBToExtension(&control, extension.data());
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension.data()) == GIF_OK;
}

// Opens the encoder, lets write put the screen and the pictures, and closes it, answering the
// first failure.
template <typename Write> FileFailure encode(QIODevice &device, Write write)
{
    int error = 0;
    GifFileType *gif = EGifOpen(&device, writeToDevice, &error);
    if (!gif)
        return failureOf(error, device);
    EGifSetGifVersion(gif, true);
    bool ok = write(gif);
    if (!ok)
        error = gif->Error;
    // Closing writes the trailer and frees the encoder whether or not the image went out.
    int closeError = 0;
    if (EGifCloseFile(gif, &closeError) != GIF_OK && ok) {
        ok = false;
        error = closeError;
    }
    return ok ? FileFailure() : failureOf(error, device);
}

} // namespace

FileFailure writeGif(const QImage &image, QIODevice &device)
{
    if (FileFailure problem = checkedSize(image); !problem.ok())
        return problem;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    IndexedPicture indexed;
    if (!indexExactly(rgb, indexed) && !quantize(rgb, indexed))
        return tooFewColours();

    int bits = 0;
    const ColorMap map = colorMap(indexed.colors, bits);
    if (!map)
        return outOfMemory();
    return encode(device, [&](GifFileType *gif) {
        return EGifPutScreenDesc(gif, rgb.width(), rgb.height(), bits, 0, map.get()) == GIF_OK &&
               putImage(gif, indexed, rgb.width(), rgb.height(), nullptr);
    });
}

FileFailure writeAnimatedGif(int count, const std::function<GifPicture(int)> &pictureAt,
                             QIODevice &device, const std::function<bool(int, int)> &progress)
{
    const auto goOn = [&progress](int done, int total) {
        return !progress || progress(done, total);
    };
    if (count <= 0)
        return FileFailure::encoding(FileFailure::Problem::EmptyPicture);
    // First only the colours are gathered, to see whether one palette holds them all; the
    // pictures are drawn again as they are written, so a long animation at a large scale never
    // has them all in memory at once.
    QSize size;
    std::vector<GifColorType> sharedColors;
    QHash<QRgb, GifByteType> shared;
    std::vector<GifByteType> scratch;
    bool global = true;
    // The look at the colours ends at the first picture one palette cannot share.
    int looked = 0;
    for (int i = 0; i < count && global; ++i) {
        const QImage image = pictureAt(i).image;
        if (FileFailure problem = checkedSize(image); !problem.ok())
            return problem;
        if (i == 0)
            size = image.size();
        if (image.size() != size)
            return unevenSizes();
        global = indexExactly(image.convertToFormat(QImage::Format_RGB32), scratch, sharedColors,
                              shared);
        looked = i + 1;
        if (!goOn(looked, 2 * count))
            return stopped();
    }

    int bits = 8;
    ColorMap globalMap;
    if (global && !(globalMap = colorMap(sharedColors, bits)))
        return outOfMemory();

    const qsizetype known = shared.size();
    FileFailure problem;
    const FileFailure failure = encode(device, [&](GifFileType *gif) {
        // A screen without a palette of its own still names a colour depth.
        if (EGifPutScreenDesc(gif, size.width(), size.height(), bits, 0, globalMap.get()) !=
                GIF_OK ||
            !putLoopForever(gif))
            return false;
        for (int i = 0; i < count; ++i) {
            const GifPicture picture = pictureAt(i);
            if (picture.image.size() != size) {
                problem = unevenSizes();
                return false;
            }
            const QImage rgb = picture.image.convertToFormat(QImage::Format_RGB32);
            IndexedPicture indexed;
            ColorMap localMap;
            int localBits = 0;
            if (global) {
                // Every colour is in the palette already; one that is not means the picture
                // came out differently the second time.
                if (!indexExactly(rgb, indexed.indices, sharedColors, shared) ||
                    shared.size() != known) {
                    problem = FileFailure::encoding(FileFailure::Problem::PictureChanged);
                    return false;
                }
            } else if (!indexExactly(rgb, indexed) && !quantize(rgb, indexed)) {
                problem = tooFewColours();
                return false;
            } else if (!(localMap = colorMap(indexed.colors, localBits))) {
                problem = outOfMemory();
                return false;
            }
            if (!putDelay(gif, picture.delayMs) ||
                !putImage(gif, indexed, size.width(), size.height(), localMap.get()))
                return false;
            if (!goOn(looked + i + 1, looked + count)) {
                problem = stopped();
                return false;
            }
        }
        return true;
    });
    return problem.ok() ? failure : problem;
}

GifStreamEncoder::GifStreamEncoder(QIODevice &device)
    : m_device(device)
{}

GifStreamEncoder::~GifStreamEncoder()
{
    // Whatever the trailer's fate, the device is the caller's to keep or throw away.
    if (m_gif)
        EGifCloseFile(m_gif, nullptr);
}

FileFailure GifStreamEncoder::failed(const FileFailure &failure)
{
    if (m_gif)
        EGifCloseFile(m_gif, nullptr);
    m_gif = nullptr;
    return failure;
}

FileFailure GifStreamEncoder::begin(const QSize &size)
{
    if (size.isEmpty())
        return FileFailure::encoding(FileFailure::Problem::EmptyPicture);
    if (size.width() > kMaxSide || size.height() > kMaxSide)
        return tooLarge(size);
    int error = 0;
    m_gif = EGifOpen(&m_device, writeToDevice, &error);
    if (!m_gif)
        return failureOf(error, m_device);
    m_size = size;
    EGifSetGifVersion(m_gif, true);
    // Every picture brings its own palette; the screen still names a colour depth.
    if (EGifPutScreenDesc(m_gif, size.width(), size.height(), 8, 0, nullptr) != GIF_OK ||
        !putLoopForever(m_gif))
        return failed(failureOf(m_gif->Error, m_device));
    return {};
}

FileFailure GifStreamEncoder::add(const QImage &image, int delayMs)
{
    if (!m_gif)
        return FileFailure::encoding(FileFailure::Problem::NotStarted);
    if (image.size() != m_size)
        return failed(unevenSizes());
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    IndexedPicture indexed;
    if (!indexExactly(rgb, indexed) && !quantize(rgb, indexed))
        return failed(tooFewColours());
    int bits = 0;
    const ColorMap map = colorMap(indexed.colors, bits);
    if (!map)
        return failed(outOfMemory());
    if (!putDelay(m_gif, delayMs) ||
        !putImage(m_gif, indexed, m_size.width(), m_size.height(), map.get()))
        return failed(failureOf(m_gif->Error, m_device));
    return {};
}

FileFailure GifStreamEncoder::finish()
{
    if (!m_gif)
        return FileFailure::encoding(FileFailure::Problem::NotStarted);
    int error = 0;
    const int closed = EGifCloseFile(m_gif, &error);
    m_gif = nullptr;
    return closed == GIF_OK ? FileFailure() : failureOf(error, m_device);
}
