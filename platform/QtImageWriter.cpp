#include "platform/QtImageWriter.h"

#include "platform/GifWriter.h"

#include <QImage>
#include <QImageWriter>

namespace {

// A sign is drawn in a few colours plus the shades of its anti-aliased text. While they number
// 256 or fewer a palette PNG holds them exactly, has a third of the bytes to compress and skips
// libpng's filter search on every row: it is written several times faster, and smaller.
QImage withExactPalette(const QImage &image)
{
    if (image.hasAlphaChannel())
        return image;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QImage indexed = rgb.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither);
    // Past 256 colours Qt dithers; the round trip tells.
    return indexed.convertToFormat(QImage::Format_RGB32) == rgb ? indexed : image;
}

} // namespace

QString QtImageWriter::write(const QImage &image, QIODevice &device, const QByteArray &format)
{
    if (image.isNull())
        return QStringLiteral("The picture is empty.");
    if (format == "gif")
        return writeGif(image, device);
    if (format != "png" && format != "bmp")
        return QStringLiteral("Unknown picture format \"%1\".").arg(QString::fromLatin1(format));

    QImageWriter writer(&device, format);
    if (writer.write(format == "png" ? withExactPalette(image) : image))
        return {};
    // Qt's writers say little of a device that stopped taking bytes; the device knows why.
    if (writer.error() == QImageWriter::DeviceError)
        return device.errorString();
    return writer.errorString();
}
