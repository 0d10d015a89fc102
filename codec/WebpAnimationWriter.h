#pragma once

#include "codec/AnimationWriter.h"
#include "codec/StagedFile.h"

#include <memory>

struct WebPAnimEncoder;
struct WebPConfig;

// The moving picture as an animated WebP that loops for ever, through libwebp's animation
// encoder, lossless: a sign's flat colours and sharp type keep every pixel, and the flat areas
// pack small. The encoder keeps a picture that does not change as one longer picture. libwebp
// puts the file together only at the end, so the encoded pictures (never the drawn ones) stay
// in memory until finish().
class WebpAnimationWriter final : public AnimationWriter
{
public:
    explicit WebpAnimationWriter(const QString &fileName);
    ~WebpAnimationWriter() override;

    void abandon() override;

    static constexpr int kMaxSide = 16383;

protected:
    FileFailure openFile(const QSize &size, int fps) override;
    FileFailure addPicture(const QImage &picture) override;
    FileFailure finishFile() override;

private:
    // When picture index starts, in whole milliseconds.
    int timestampMs(int index) const;
    // Abandons the file and answers failure.
    FileFailure failed(const FileFailure &failure);

    struct EncoderDeleter
    {
        void operator()(WebPAnimEncoder *encoder) const;
    };

    StagedFile m_file;
    std::unique_ptr<WebPAnimEncoder, EncoderDeleter> m_encoder;
    std::unique_ptr<WebPConfig> m_config;
    QSize m_size;
    int m_fps = 0;
    int m_count = 0;
};
