#include "platform/GifWriter.h"

#include <QHash>
#include <QIODevice>
#include <QImage>

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace {

constexpr int kMaxColors = 256;
constexpr int kMaxSide = 0xFFFF;

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
// number 256 or fewer the GIF keeps every one of them exactly.
bool indexExactly(const QImage &rgb, IndexedPicture &out)
{
    QHash<QRgb, GifByteType> index;
    out.indices.resize(std::size_t(rgb.width()) * std::size_t(rgb.height()));
    GifByteType *to = out.indices.data();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = line[x] | 0xFF000000u;
            auto found = index.constFind(pixel);
            if (found == index.constEnd()) {
                if (index.size() == kMaxColors)
                    return false;
                found = index.insert(pixel, GifByteType(index.size()));
                out.colors.push_back({GifByteType(qRed(pixel)), GifByteType(qGreen(pixel)),
                                      GifByteType(qBlue(pixel))});
            }
            *to++ = *found;
        }
    }
    return true;
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

int writeToDevice(GifFileType *gif, const GifByteType *data, int length)
{
    auto *device = static_cast<QIODevice *>(gif->UserData);
    const qint64 written = device->write(reinterpret_cast<const char *>(data), length);
    return written == length ? length : 0;
}

const QString kOutOfMemory = QStringLiteral("メモリが足りません。");

QString reason(int gifError, const QIODevice &device)
{
    // The device, a file or the system behind it, knows best why it took no more bytes.
    if (gifError == E_GIF_ERR_WRITE_FAILED || gifError == E_GIF_ERR_DISK_IS_FULL)
        return device.errorString();
    if (gifError == E_GIF_ERR_NOT_ENOUGH_MEM)
        return kOutOfMemory;
    // giflib words its other errors in English; its number is kept for whoever looks into it.
    return QStringLiteral("GIF画像を作れませんでした（giflib のエラー %1）。").arg(gifError);
}

} // namespace

QString writeGif(const QImage &image, QIODevice &device)
{
    if (image.isNull())
        return QStringLiteral("画像が空です。");
    if (image.width() > kMaxSide || image.height() > kMaxSide)
        return QStringLiteral("GIF画像の幅と高さは %1 ピクセルまでです。").arg(kMaxSide);

    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    IndexedPicture indexed;
    if (!indexExactly(rgb, indexed) && !quantize(rgb, indexed))
        return QStringLiteral("画像の色を 256 色に減らせませんでした。");

    const int bits = tableBits(indexed.colors.size());
    indexed.colors.resize(std::size_t(1) << bits, GifColorType{0, 0, 0});
    const ColorMap map(GifMakeMapObject(1 << bits, indexed.colors.data()));
    if (!map)
        return kOutOfMemory;

    int error = 0;
    GifFileType *gif = EGifOpen(&device, writeToDevice, &error);
    if (!gif)
        return reason(error, device);
    EGifSetGifVersion(gif, true);

    const int width = rgb.width();
    bool ok = EGifPutScreenDesc(gif, width, rgb.height(), bits, 0, map.get()) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, width, rgb.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < rgb.height(); ++y)
        ok = EGifPutLine(gif, indexed.indices.data() + std::size_t(y) * std::size_t(width),
                         width) == GIF_OK;
    if (!ok)
        error = gif->Error;

    // Closing writes the trailer and frees the encoder whether or not the image went out.
    int closeError = 0;
    if (EGifCloseFile(gif, &closeError) != GIF_OK && ok) {
        ok = false;
        error = closeError;
    }
    return ok ? QString() : reason(error, device);
}
