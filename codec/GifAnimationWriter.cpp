#include "codec/GifAnimationWriter.h"

#include "codec/GifWriter.h"

#include <cmath>

namespace {

// Browsers show a GIF picture of 0 or 1 hundredths for a tenth of a second instead.
constexpr int kShortestHundredths = 2;

} // namespace

GifAnimationWriter::GifAnimationWriter(const QString &fileName)
    : AnimationWriter(fileName)
    , m_file(fileName)
{}

GifAnimationWriter::~GifAnimationWriter()
{
    abandon();
}

FileFailure GifAnimationWriter::openFile(const QSize &size, int fps)
{
    if (FileFailure rate = checkRate(fps); !rate.ok())
        return rate;
    if (FileFailure sized = checkSize(size, GifStreamEncoder::kMaxSide, QStringLiteral("GIF"));
        !sized.ok())
        return sized;
    // Unbuffered (see StagedFile): giflib hands over whole blocks, so this costs only a few
    // hundred calls a picture.
    if (FileFailure opened = m_file.open(QIODevice::WriteOnly); !opened.ok())
        return opened;
    m_encoder = std::make_unique<GifStreamEncoder>(m_file.file());
    if (const FileFailure problem = m_encoder->begin(size); !problem.ok())
        return failed(problem);
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

FileFailure GifAnimationWriter::failed(const FileFailure &failure)
{
    abandon();
    return failure;
}

FileFailure GifAnimationWriter::writePending(int endIndex)
{
    const int delay =
        std::max(kShortestHundredths, hundredths(endIndex) - hundredths(m_pendingStart));
    if (const FileFailure problem = m_encoder->add(m_pending, delay * 10); !problem.ok())
        return failed(problem);
    return {};
}

FileFailure GifAnimationWriter::addPicture(const QImage &picture)
{
    if (!m_encoder)
        return FileFailure::encoding(FileFailure::Problem::NotStarted);
    if (picture.size() != m_size)
        return failed(FileFailure::encoding(FileFailure::Problem::UnevenPictures));
    const int index = m_count++;
    if (m_pending.isNull()) {
        m_pending = picture;
        m_pendingStart = index;
        return {};
    }
    if (picture == m_pending)
        return {};
    if (hundredths(index) - hundredths(m_pendingStart) >= kShortestHundredths) {
        if (FileFailure written = writePending(index); !written.ok())
            return written;
        m_pendingStart = index;
    }
    m_pending = picture;
    return {};
}

FileFailure GifAnimationWriter::finishFile()
{
    if (!m_encoder || m_pending.isNull())
        return failed(FileFailure::encoding(FileFailure::Problem::EmptyPicture));
    if (FileFailure written = writePending(m_count); !written.ok())
        return written;
    if (const FileFailure problem = m_encoder->finish(); !problem.ok())
        return failed(problem);
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
