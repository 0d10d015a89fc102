#include "codec/WebpAnimationWriter.h"

#include <QFile>

#include <webp/encode.h>
#include <webp/mux.h>

#include <cmath>

namespace {

// Lossless effort: 0 to 100 with method 0 to 6. Low settings cost a fraction of the time for
// files a little larger, which for a few seconds of a sign is the better trade.
constexpr float kLosslessEffort = 25;
constexpr int kMethod = 1;

QString encoderError(WebPAnimEncoder *encoder)
{
    const char *error = encoder ? WebPAnimEncoderGetError(encoder) : nullptr;
    return error && *error ? QStringLiteral("WebP: %1").arg(QString::fromUtf8(error))
                           : QStringLiteral("WebP画像を作れませんでした。");
}

} // namespace

void WebpAnimationWriter::EncoderDeleter::operator()(WebPAnimEncoder *encoder) const
{
    WebPAnimEncoderDelete(encoder);
}

WebpAnimationWriter::WebpAnimationWriter(const QString &fileName)
    : m_file(fileName)
{}

WebpAnimationWriter::~WebpAnimationWriter()
{
    abandon();
}

int WebpAnimationWriter::timestampMs(int index) const
{
    return int(std::lround(index * 1000.0 / m_fps));
}

AnimationOutcome WebpAnimationWriter::failed(AnimationFailure failure, QString reason)
{
    abandon();
    return {failure, std::move(reason)};
}

AnimationOutcome WebpAnimationWriter::open(const QSize &size, int fps)
{
    if (AnimationOutcome rate = checkRate(fps); !rate.ok())
        return rate;
    if (AnimationOutcome sized = checkSize(size, kMaxSide, QStringLiteral("WebP")); !sized.ok())
        return sized;
    if (AnimationOutcome opened = m_file.open(QIODevice::WriteOnly); !opened.ok())
        return opened;
    WebPAnimEncoderOptions options;
    m_config = std::make_unique<WebPConfig>();
    if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(m_config.get()))
        return failed(AnimationFailure::EncoderMissing,
                      QStringLiteral("この libwebp はアニメーションを作れません。"));
    options.anim_params.loop_count = 0;
    m_config->lossless = 1;
    m_config->quality = kLosslessEffort;
    m_config->method = kMethod;
    m_encoder.reset(WebPAnimEncoderNew(size.width(), size.height(), &options));
    if (!m_encoder)
        return failed(AnimationFailure::EncodeFailed, encoderError(nullptr));
    m_size = size;
    m_fps = fps;
    m_count = 0;
    return {};
}

AnimationOutcome WebpAnimationWriter::addFrame(const QImage &picture)
{
    if (!m_encoder)
        return {AnimationFailure::EncodeFailed, QStringLiteral("WebP画像を書き始めていません。")};
    if (picture.size() != m_size)
        return failed(AnimationFailure::EncodeFailed,
                      QStringLiteral("アニメーションの画像の大きさがそろっていません。"));
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    WebPPicture frame;
    if (!WebPPictureInit(&frame))
        return failed(AnimationFailure::EncodeFailed, encoderError(nullptr));
    frame.use_argb = 1;
    frame.width = rgb.width();
    frame.height = rgb.height();
    // Qt's RGB32 lies in memory as blue, green, red and an unused byte.
    const bool imported =
        WebPPictureImportBGRX(&frame, rgb.constBits(), int(rgb.bytesPerLine())) != 0;
    const bool added = imported && WebPAnimEncoderAdd(m_encoder.get(), &frame, timestampMs(m_count),
                                                      m_config.get());
    WebPPictureFree(&frame);
    if (!added)
        return failed(AnimationFailure::EncodeFailed, encoderError(m_encoder.get()));
    ++m_count;
    return {};
}

AnimationOutcome WebpAnimationWriter::finish()
{
    if (!m_encoder || m_count == 0)
        return failed(AnimationFailure::EncodeFailed, QStringLiteral("画像が空です。"));
    WebPData data;
    WebPDataInit(&data);
    // The end of the last picture's time closes the animation.
    if (!WebPAnimEncoderAdd(m_encoder.get(), nullptr, timestampMs(m_count), nullptr) ||
        !WebPAnimEncoderAssemble(m_encoder.get(), &data))
        return failed(AnimationFailure::EncodeFailed, encoderError(m_encoder.get()));
    m_encoder.reset();
    QFile &file = m_file.file();
    QString problem = writeFully(
        file, QByteArrayView(reinterpret_cast<const char *>(data.bytes), qsizetype(data.size)));
    WebPDataClear(&data);
    if (problem.isEmpty() && !file.flush())
        problem = file.errorString();
    if (!problem.isEmpty())
        return failed(AnimationFailure::WriteFailed, problem);
    return m_file.commit();
}

void WebpAnimationWriter::abandon()
{
    m_encoder.reset();
    m_file.discard();
}
