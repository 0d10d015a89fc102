#include "platform/QtImageWriter.h"

#include "platform/GifWriter.h"

#include <QImage>
#include <QImageWriter>
#include <QSet>

namespace {

constexpr int kJpegQuality = 95;
constexpr int kLosslessWebp = 100;

// A sign is drawn in a few colours plus the shades of its anti-aliased text. While they number
// 256 or fewer a palette PNG holds them exactly, has a third of the bytes to compress and skips
// libpng's filter search on every row: it is written several times faster, and smaller.
// Counted first, and given up on at the 257th: Qt's own conversion of a many-coloured picture,
// a long roll's strip say, spends most of the save on a palette that is then thrown away.
bool fitsPalette(const QImage &rgb)
{
    QSet<QRgb> colours;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        QRgb last = ~line[0];
        for (int x = 0; x < rgb.width(); ++x) {
            if (line[x] == last)
                continue;
            last = line[x];
            colours.insert(last);
            if (colours.size() > 256)
                return false;
        }
    }
    return true;
}

QImage withExactPalette(const QImage &image)
{
    if (image.hasAlphaChannel())
        return image;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (!fitsPalette(rgb))
        return image;
    const QImage indexed = rgb.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither);
    // Past 256 colours Qt dithers; the round trip tells.
    return indexed.convertToFormat(QImage::Format_RGB32) == rgb ? indexed : image;
}

} // namespace

QString QtImageWriter::write(const QImage &image, QIODevice &device, const QByteArray &format)
{
    if (image.isNull())
        return QStringLiteral("画像が空です。");
    if (format == "gif")
        return writeGif(image, device);
    if (format != "png" && format != "bmp" && format != "jpeg" && format != "webp")
        return QStringLiteral("「%1」形式の画像は書き出せません。")
            .arg(QString::fromLatin1(format));

    QImageWriter writer(&device, format);
    if (format == "jpeg") {
        // The sign's text edges blur at the usual 75. Qt offers no way to keep the colour at
        // full resolution as well: its JPEG writer always halves it both ways.
        writer.setQuality(kJpegQuality);
        writer.setOptimizedWrite(true);
    } else if (format == "webp") {
        // The top quality is the lossless kind, which keeps the text as sharp as PNG does.
        writer.setQuality(kLosslessWebp);
    }
    if (writer.write(format == "png" ? withExactPalette(image) : image))
        return {};
    // Qt's writers say little of a device that stopped taking bytes; the device knows why.
    if (writer.error() == QImageWriter::DeviceError)
        return device.errorString();
    return writer.errorString();
}
