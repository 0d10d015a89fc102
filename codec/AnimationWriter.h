#pragma once

#include "files/FileFailure.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// A moving picture written as its pictures are made, one at a time and none kept: open() with
// the size and rate, addFrame() for each picture in turn, then finish(), or abandon() to stop.
// Nothing appears under the file's name until finish() succeeds, and an old file there gives
// way only to a complete new one; abandon(), a failure or destroying the writer part-way leaves
// nothing behind. After a failure the writer takes nothing more; it has cleaned up already.
// Every failure names the file (or the folder) the writer saves under, or the one file in it
// that stands in the way.
class AnimationWriter
{
public:
    static constexpr int kMinRate = 1;
    static constexpr int kMaxRate = 120;

    explicit AnimationWriter(QString path);
    virtual ~AnimationWriter() = default;

    AnimationWriter(const AnimationWriter &) = delete;
    AnimationWriter &operator=(const AnimationWriter &) = delete;

    // Checks all that can be known before a picture is drawn (the rate, the size against the
    // kind's limits, the file's place, the encoder) and only then starts the file.
    FileFailure open(const QSize &size, int fps) { return named(openFile(size, fps)); }
    // The next picture, of the size given to open(), shown for 1/fps of a second.
    FileFailure addFrame(const QImage &picture) { return named(addPicture(picture)); }
    FileFailure finish() { return named(finishFile()); }
    virtual void abandon() = 0;

    // The whole run: count pictures, asked for in order from pictureAt. progress, where given,
    // hears how many are written after each and answers false to cancel, which writes nothing
    // and answers Cancelled.
    FileFailure write(const QSize &size, int fps, int count,
                      const std::function<QImage(int)> &pictureAt,
                      const std::function<bool(int)> &progress = {});

    static FileFailure checkRate(int fps);
    // A picture wider or taller than maxSide is refused, the encoder that refuses it named; one
    // with no pixels is a picture that could not be made.
    static FileFailure checkSize(const QSize &size, int maxSide, const QString &encoder);

protected:
    virtual FileFailure openFile(const QSize &size, int fps) = 0;
    virtual FileFailure addPicture(const QImage &picture) = 0;
    virtual FileFailure finishFile() = 0;

private:
    FileFailure named(FileFailure failure) const;

    QString m_path;
};
