#include "codec/GifAnimationWriter.h"

#include "codec/GifWriter.h"

#include <QFile>

#include <cmath>

namespace {

// Browsers show a GIF picture of 0 or 1 hundredths for a tenth of a second instead.
constexpr int kShortestHundredths = 2;

} // namespace

GifAnimationWriter::GifAnimationWriter(const QString &fileName)
    : m_file(fileName)
{}

GifAnimationWriter::~GifAnimationWriter()
{
    abandon();
}

AnimationOutcome GifAnimationWriter::open(const QSize &size, int fps)
{
    if (AnimationOutcome rate = checkRate(fps); !rate.ok())
        return rate;
    if (AnimationOutcome sized = checkSize(size, GifStreamEncoder::kMaxSide, QStringLiteral("GIF"));
        !sized.ok())
        return sized;
    // Unbuffered: Qt's buffer, cut short by a full disk, forgets the system's reason. giflib
    // hands over whole blocks, so this costs only a few hundred calls a picture.
    if (AnimationOutcome opened = m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        !opened.ok())
        return opened;
    m_encoder = std::make_unique<GifStreamEncoder>(m_file.file());
    if (const QString problem = m_encoder->begin(size); !problem.isEmpty())
        return failed(AnimationFailure::WriteFailed, problem);
    m_size = size;
    m_fps = fps;
    m_count = 0;
    m_pending = QImage();
    return {};
}

int GifAnimationWriter::hundredths(int index) const
{
    return int(std::lround(index * 100.0 / m_fps));
}

AnimationOutcome GifAnimationWriter::failed(AnimationFailure failure, QString reason)
{
    abandon();
    return {failure, std::move(reason)};
}

AnimationOutcome GifAnimationWriter::writePending(int endIndex)
{
    const int delay =
        std::max(kShortestHundredths, hundredths(endIndex) - hundredths(m_pendingStart));
    if (const QString problem = m_encoder->add(m_pending, delay * 10); !problem.isEmpty())
        return failed(m_file.file().error() == QFile::NoError ? AnimationFailure::EncodeFailed
                                                              : AnimationFailure::WriteFailed,
                      problem);
    return {};
}

AnimationOutcome GifAnimationWriter::addFrame(const QImage &picture)
{
    if (!m_encoder)
        return {AnimationFailure::EncodeFailed, QStringLiteral("GIF画像を書き始めていません。")};
    if (picture.size() != m_size)
        return failed(AnimationFailure::EncodeFailed,
                      QStringLiteral("アニメーションの画像の大きさがそろっていません。"));
    const int index = m_count++;
    if (m_pending.isNull()) {
        m_pending = picture;
        m_pendingStart = index;
        return {};
    }
    if (picture == m_pending)
        return {};
    if (hundredths(index) - hundredths(m_pendingStart) >= kShortestHundredths) {
        if (AnimationOutcome written = writePending(index); !written.ok())
            return written;
        m_pendingStart = index;
    }
    m_pending = picture;
    return {};
}

AnimationOutcome GifAnimationWriter::finish()
{
    if (!m_encoder || m_pending.isNull())
        return failed(AnimationFailure::EncodeFailed, QStringLiteral("画像が空です。"));
    if (AnimationOutcome written = writePending(m_count); !written.ok())
        return written;
    if (const QString problem = m_encoder->finish(); !problem.isEmpty())
        return failed(AnimationFailure::WriteFailed, problem);
    m_encoder.reset();
    m_pending = QImage();
    return m_file.commit();
}

void GifAnimationWriter::abandon()
{
    m_encoder.reset();
    m_pending = QImage();
    m_file.discard();
}
