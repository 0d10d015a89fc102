#include "codec/PngWriter.h"

#include "files/HandleDevice.h"

#include <QIODevice>
#include <QImage>

#include <png.h>

#include <array>
#include <csetjmp>
#include <vector>

namespace {

constexpr int kPaletteSize = 256;
// Rows differ little from the row above on a sign: Up with a quick level packs them well.
constexpr int kRgbCompression = 3;

struct Output
{
    QIODevice *device = nullptr;
    FileFailure failure;
};

// libpng's own failure, its words kept for whoever looks into it.
FileFailure libpngFailure(const QString &words = {})
{
    return FileFailure::encoding(FileFailure::Problem::LibraryError)
        .withEncoder(QStringLiteral("libpng"))
        .withDetail(words);
}

void writeBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto *out = static_cast<Output *>(png_get_io_ptr(png));
    if (out->device->write(reinterpret_cast<const char *>(data), qint64(length)) !=
        qint64(length)) {
        out->failure = FileFailure::of(FileFailure::Kind::WriteFailed, FileFailure::Action::Write,
                                       {}, systemErrorOf(*out->device));
        png_error(png, "write failed");
    }
}

void flushBytes(png_structp)
{}

void recordError(png_structp png, png_const_charp message)
{
    auto *out = static_cast<Output *>(png_get_error_ptr(png));
    if (out->failure.ok())
        out->failure = libpngFailure(QString::fromLocal8Bit(message));
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp)
{}

// The image's colours and each pixel's index among them, while they number 256 or fewer.
bool exactPalette(const QImage &image, std::vector<QRgb> &colours, std::vector<png_byte> &indices)
{
    // Open addressing on twice the palette's size: a sign's runs of one colour mostly hit the
    // colour just seen, and the rest find theirs in a probe or two.
    constexpr int kBuckets = 2 * kPaletteSize;
    std::array<int, kBuckets> buckets;
    buckets.fill(-1);
    indices.resize(std::size_t(image.width()) * std::size_t(image.height()));
    QRgb last = 0;
    int lastIndex = -1;
    std::size_t at = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x, ++at) {
            const QRgb colour = row[x] | 0xFF000000u;
            if (colour != last || lastIndex < 0) {
                std::size_t bucket = (colour * 2654435761u) >> 23 & (kBuckets - 1);
                while (buckets[bucket] >= 0 && colours[std::size_t(buckets[bucket])] != colour)
                    bucket = (bucket + 1) & (kBuckets - 1);
                if (buckets[bucket] < 0) {
                    if (colours.size() == kPaletteSize)
                        return false;
                    buckets[bucket] = int(colours.size());
                    colours.push_back(colour);
                }
                last = colour;
                lastIndex = buckets[bucket];
            }
            indices[at] = png_byte(lastIndex);
        }
    }
    return true;
}

// What one image is written as: all of it gathered before libpng starts, so that nothing the
// encoding reads lives in a register that its longjmp could leave stale.
struct Encoding
{
    const QImage &rgb;
    bool palette = false;
    std::vector<png_color> table;
    std::vector<png_byte> indices;
    std::vector<png_byte> rowBytes;
};

// Only C calls and plain data here: libpng leaves through longjmp on any error.
bool encode(png_structp png, png_infop info, Encoding &e)
{
    if (setjmp(png_jmpbuf(png)) != 0)
        return false;
    const auto width = std::size_t(e.rgb.width());
    png_set_IHDR(png, info, png_uint_32(e.rgb.width()), png_uint_32(e.rgb.height()), 8,
                 e.palette ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (e.palette) {
        png_set_PLTE(png, info, e.table.data(), int(e.table.size()));
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    } else {
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
        png_set_compression_level(png, kRgbCompression);
    }
    // The picture's resolution, 96 dots to the inch as the painter draws.
    if (e.rgb.dotsPerMeterX() > 0 && e.rgb.dotsPerMeterY() > 0)
        png_set_pHYs(png, info, png_uint_32(e.rgb.dotsPerMeterX()),
                     png_uint_32(e.rgb.dotsPerMeterY()), PNG_RESOLUTION_METER);
    png_write_info(png, info);
    for (int y = 0; y < e.rgb.height(); ++y) {
        if (e.palette) {
            png_write_row(png, e.indices.data() + std::size_t(y) * width);
            continue;
        }
        const auto *row = reinterpret_cast<const QRgb *>(e.rgb.constScanLine(y));
        for (std::size_t x = 0; x < width; ++x) {
            e.rowBytes[3 * x] = png_byte(qRed(row[x]));
            e.rowBytes[3 * x + 1] = png_byte(qGreen(row[x]));
            e.rowBytes[3 * x + 2] = png_byte(qBlue(row[x]));
        }
        png_write_row(png, e.rowBytes.data());
    }
    png_write_end(png, info);
    return true;
}

} // namespace

FileFailure writeOpaquePng(const QImage &image, QIODevice &device)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Encoding encoding{rgb, false, {}, {}, {}};
    std::vector<QRgb> colours;
    encoding.palette = exactPalette(rgb, colours, encoding.indices);
    for (const QRgb colour : colours)
        encoding.table.push_back(
            png_color{png_byte(qRed(colour)), png_byte(qGreen(colour)), png_byte(qBlue(colour))});
    if (!encoding.palette)
        encoding.rowBytes.resize(std::size_t(rgb.width()) * 3);

    Output out{&device, {}};
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &out, recordError, ignoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return libpngFailure();
    }
    png_set_write_fn(png, &out, writeBytes, flushBytes);
    if (!encode(png, info, encoding) && out.failure.ok())
        out.failure = libpngFailure();
    png_destroy_write_struct(&png, &info);
    return out.failure;
}
