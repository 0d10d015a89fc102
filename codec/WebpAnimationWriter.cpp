#include "codec/WebpAnimationWriter.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <cmath>

namespace {

// Lossless effort: 0 to 100 with method 0 to 6. Low settings cost a fraction of the time for
// files a little larger, which for a few seconds of a sign is the better trade.
constexpr float kLosslessEffort = 25;
constexpr int kMethod = 1;

// libwebp's own words, kept for whoever looks into it.
FileFailure encoderError(WebPAnimEncoder *encoder)
{
    const char *error = encoder ? WebPAnimEncoderGetError(encoder) : nullptr;
    return FileFailure::encoding(FileFailure::Problem::LibraryError)
        .withEncoder(QStringLiteral("libwebp"))
        .withDetail(error ? QString::fromUtf8(error) : QString());
}

} // namespace

void WebpAnimationWriter::EncoderDeleter::operator()(WebPAnimEncoder *encoder) const
{
    WebPAnimEncoderDelete(encoder);
}

WebpAnimationWriter::WebpAnimationWriter(const QString &fileName)
    : AnimationWriter(fileName)
    , m_file(fileName)
{}

WebpAnimationWriter::~WebpAnimationWriter()
{
    abandon();
}

int WebpAnimationWriter::timestampMs(int index) const
{
    return int(std::lround(index * 1000.0 / m_fps));
}

FileFailure WebpAnimationWriter::failed(const FileFailure &failure)
{
    abandon();
    return failure;
}

FileFailure WebpAnimationWriter::openFile(const QSize &size, int fps)
{
    if (FileFailure rate = checkRate(fps); !rate.ok())
        return rate;
    if (FileFailure sized = checkSize(size, kMaxSide, QStringLiteral("WebP")); !sized.ok())
        return sized;
    if (FileFailure opened = m_file.open(QIODevice::WriteOnly); !opened.ok())
        return opened;
    WebPAnimEncoderOptions options;
    m_config = std::make_unique<WebPConfig>();
    if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(m_config.get()))
        return failed(FileFailure::of(FileFailure::Kind::EncoderMissing, FileFailure::Action::Write)
                          .withEncoder(QStringLiteral("libwebp")));
    options.anim_params.loop_count = 0;
    m_config->lossless = 1;
    m_config->quality = kLosslessEffort;
    m_config->method = kMethod;
    m_encoder.reset(WebPAnimEncoderNew(size.width(), size.height(), &options));
    if (!m_encoder)
        return failed(encoderError(nullptr));
    m_size = size;
    m_fps = fps;
    m_count = 0;
    return {};
}

FileFailure WebpAnimationWriter::addPicture(const QImage &picture)
{
    if (!m_encoder)
        return FileFailure::encoding(FileFailure::Problem::NotStarted);
    if (picture.size() != m_size)
        return failed(FileFailure::encoding(FileFailure::Problem::UnevenPictures));
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    WebPPicture frame;
    if (!WebPPictureInit(&frame))
        return failed(encoderError(nullptr));
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
        return failed(encoderError(m_encoder.get()));
    ++m_count;
    return {};
}

FileFailure WebpAnimationWriter::finishFile()
{
    if (!m_encoder || m_count == 0)
        return failed(FileFailure::encoding(FileFailure::Problem::EmptyPicture));
    WebPData data;
    WebPDataInit(&data);
    // The end of the last picture's time closes the animation.
    if (!WebPAnimEncoderAdd(m_encoder.get(), nullptr, timestampMs(m_count), nullptr) ||
        !WebPAnimEncoderAssemble(m_encoder.get(), &data))
        return failed(encoderError(m_encoder.get()));
    m_encoder.reset();
    const bool written =
        writeFully(m_file.file(), QByteArrayView(reinterpret_cast<const char *>(data.bytes),
                                                 qsizetype(data.size)));
    WebPDataClear(&data);
    if (!written)
        return failed(m_file.writeFailed());
    return m_file.commit();
}

void WebpAnimationWriter::abandon()
{
    m_encoder.reset();
    m_file.discard();
}
