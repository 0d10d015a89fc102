#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class QImage;

// Encodes a picture in a named file format onto an open device. Long saves call it from a job's
// thread, several at once in a batch: an implementation keeps no state between calls.
class ImageWriter
{
public:
    virtual ~ImageWriter() = default;

    // format is "gif", "png", "bmp", "jpeg" or "webp". Answers an empty string on success,
    // otherwise the reason the picture could not be written, in Japanese but for the device's
    // own words.
    [[nodiscard]] virtual QString write(const QImage &image, QIODevice &device,
                                        const QByteArray &format) = 0;
};
