#include "platform/QtImageWriter.h"

#include "platform/GifWriter.h"

#include <QImage>
#include <QImageWriter>

QString QtImageWriter::write(const QImage &image, QIODevice &device, const QByteArray &format)
{
    if (image.isNull())
        return QStringLiteral("The picture is empty.");
    if (format == "gif")
        return writeGif(image, device);
    if (format != "png" && format != "bmp")
        return QStringLiteral("Unknown picture format \"%1\".").arg(QString::fromLatin1(format));

    QImageWriter writer(&device, format);
    if (writer.write(image))
        return {};
    // Qt's writers say little of a device that stopped taking bytes; the device knows why.
    if (writer.error() == QImageWriter::DeviceError)
        return device.errorString();
    return writer.errorString();
}
