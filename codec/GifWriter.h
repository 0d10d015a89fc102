#pragma once

#include "files/FileFailure.h"

#include <QImage>
#include <QSize>

#include <functional>

class QIODevice;
struct GifFileType;

// Writes image as a single-frame GIF89a onto device. A picture of 256 colours or fewer keeps
// them exactly; a richer one is reduced to 256 by median cut. Answers why it could not, where
// it could not (naming no file: the device has no name).
FileFailure writeGif(const QImage &image, QIODevice &device);

// One picture of an animation and how long it stays, in milliseconds; a GIF counts in
// hundredths of a second.
struct GifPicture
{
    QImage image;
    int delayMs = 0;
};

// Writes count pictures of one size, asked for in order from pictureAt, as an animated GIF89a
// that loops for ever. Where all of them together have 256 colours or fewer they share one
// palette and keep every colour exactly; otherwise each has its own, exact where it has 256 or
// fewer and keeping the colours of its larger areas where it has more. A picture may be asked
// for twice and must come out the same each time. progress, where given, hears how many steps
// are done of how many after each (each picture is looked at for its colours until one does not
// fit a shared palette, then each is written) and answers false to stop (Cancelled), which
// leaves the device with part of a file.
FileFailure writeAnimatedGif(int count, const std::function<GifPicture(int)> &pictureAt,
                             QIODevice &device,
                             const std::function<bool(int done, int total)> &progress = {});

// Writes an animated GIF89a that loops for ever a picture at a time, for pictures made one after
// another and not kept, whose number is not known beforehand. Each picture carries a palette of
// its own, exact where it has 256 colours or fewer (writeAnimatedGif, which may ask for every
// picture twice, shares one where it can). Each step answers why it could not, where it could
// not; after a failure the encoder takes nothing more.
class GifStreamEncoder
{
public:
    explicit GifStreamEncoder(QIODevice &device);
    ~GifStreamEncoder();

    GifStreamEncoder(const GifStreamEncoder &) = delete;
    GifStreamEncoder &operator=(const GifStreamEncoder &) = delete;

    FileFailure begin(const QSize &size);
    FileFailure add(const QImage &image, int delayMs);
    // Writes the trailer.
    FileFailure finish();

    // The largest width and height a GIF can give.
    static constexpr int kMaxSide = 0xFFFF;

private:
    FileFailure failed(const FileFailure &failure);

    QIODevice &m_device;
    GifFileType *m_gif = nullptr;
    QSize m_size;
};
