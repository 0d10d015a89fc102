#pragma once

#include <QString>

class QIODevice;
class QImage;

// Writes image as a single-frame GIF89a onto device. A picture of 256 colours or fewer keeps
// them exactly; a richer one is reduced to 256 by median cut. Answers an empty string on
// success, otherwise the reason.
QString writeGif(const QImage &image, QIODevice &device);
