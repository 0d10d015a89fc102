#pragma once

#include "codec/AnimationWriter.h"
#include "codec/StagedFile.h"

#include <memory>

class GifStreamEncoder;

// The moving picture as an animated GIF that loops for ever, through the project's GIF encoder
// a picture at a time. A GIF counts in hundredths of a second, so each picture starts on the
// hundredth its time rounds to; a run of the same picture (a held frame) becomes one picture
// shown as long as the run; and as browsers slow down pictures shorter than 2/100 s, at rates
// above 50 a picture that would be shown shorter gives way to the next.
class GifAnimationWriter final : public AnimationWriter
{
public:
    explicit GifAnimationWriter(const QString &fileName);
    ~GifAnimationWriter() override;

    void abandon() override;

protected:
    FileFailure openFile(const QSize &size, int fps) override;
    FileFailure addPicture(const QImage &picture) override;
    FileFailure finishFile() override;

private:
    // The hundredth of a second picture index starts on.
    int hundredths(int index) const;
    FileFailure writePending(int endIndex);
    // Abandons the file and answers failure.
    FileFailure failed(const FileFailure &failure);

    StagedFile m_file;
    std::unique_ptr<GifStreamEncoder> m_encoder;
    QSize m_size;
    int m_fps = 0;
    int m_count = 0;
    // The picture waiting until the next different one says how long it stays.
    QImage m_pending;
    int m_pendingStart = 0;
};
