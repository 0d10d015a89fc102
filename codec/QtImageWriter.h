#pragma once

#include "codec/ImageWriter.h"

// PNG, BMP, JPEG and, where an installed Qt image plugin writes it, WebP through Qt's own
// writers; GIF, which Qt cannot write, through giflib.
class QtImageWriter final : public ImageWriter
{
public:
    FileFailure write(const QImage &image, QIODevice &device, const QByteArray &format) override;
};
