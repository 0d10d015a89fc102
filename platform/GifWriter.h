#pragma once

#include <QImage>
#include <QList>
#include <QString>

class QIODevice;

// Writes image as a single-frame GIF89a onto device. A picture of 256 colours or fewer keeps
// them exactly; a richer one is reduced to 256 by median cut. Answers an empty string on
// success, otherwise the reason.
QString writeGif(const QImage &image, QIODevice &device);

// One picture of an animation and how long it stays, in milliseconds; a GIF counts in
// hundredths of a second.
struct GifPicture
{
    QImage image;
    int delayMs = 0;
};

// Writes pictures of one size as an animated GIF89a that loops for ever. Where all of them
// together have 256 colours or fewer they share one palette and keep every colour exactly;
// otherwise each picture has its own, exact where it has 256 or fewer.
QString writeAnimatedGif(const QList<GifPicture> &pictures, QIODevice &device);
