#pragma once

#include "platform/ImageWriter.h"

// PNG and BMP through Qt's own writers; GIF, which Qt cannot write, through giflib.
class QtImageWriter final : public ImageWriter
{
public:
    QString write(const QImage &image, QIODevice &device, const QByteArray &format) override;
};
