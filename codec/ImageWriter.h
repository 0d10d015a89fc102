#pragma once

#include "files/FileFailure.h"

#include <QByteArray>

class QIODevice;
class QImage;

// Encodes a picture in a named file format onto an open device. Long saves call it from a job's
// thread, several at once in a batch: an implementation keeps no state between calls.
class ImageWriter
{
public:
    virtual ~ImageWriter() = default;

    // format is "gif", "png", "bmp", "jpeg" or "webp". Answers why the picture could not be
    // written, where it could not: naming no file, as the device has no name.
    [[nodiscard]] virtual FileFailure write(const QImage &image, QIODevice &device,
                                            const QByteArray &format) = 0;
};
