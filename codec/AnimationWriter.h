#pragma once

#include "codec/AnimationOutcome.h"

#include <QImage>
#include <QSize>

#include <functional>

// A moving picture written as its pictures are made, one at a time and none kept: open() with
// the size and rate, addFrame() for each picture in turn, then finish(), or abandon() to stop.
// Nothing appears under the file's name until finish() succeeds, and an old file there gives
// way only to a complete new one; abandon(), a failure or destroying the writer part-way leaves
// nothing behind. After a failure the writer takes nothing more; it has cleaned up already.
class AnimationWriter
{
public:
    static constexpr int kMinRate = 1;
    static constexpr int kMaxRate = 120;

    virtual ~AnimationWriter() = default;

    // Checks all that can be known before a picture is drawn (the rate, the size against the
    // kind's limits, the file's place, the encoder) and only then starts the file.
    virtual AnimationOutcome open(const QSize &size, int fps) = 0;
    // The next picture, of the size given to open(), shown for 1/fps of a second.
    virtual AnimationOutcome addFrame(const QImage &picture) = 0;
    virtual AnimationOutcome finish() = 0;
    virtual void abandon() = 0;

    // The whole run: count pictures, asked for in order from pictureAt. progress, where given,
    // hears how many are written after each and answers false to cancel, which writes nothing
    // and answers Cancelled.
    AnimationOutcome write(const QSize &size, int fps, int count,
                           const std::function<QImage(int)> &pictureAt,
                           const std::function<bool(int)> &progress = {});

    static AnimationOutcome checkRate(int fps);
    // A picture wider or taller than maxSide is refused, the encoder that refuses it named in the
    // reason; one with no pixels is a picture that could not be made.
    static AnimationOutcome checkSize(const QSize &size, int maxSide, const QString &encoder);
};
