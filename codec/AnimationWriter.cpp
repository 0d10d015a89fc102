#include "codec/AnimationWriter.h"

#include <utility>

AnimationWriter::AnimationWriter(QString path)
    : m_path(std::move(path))
{}

FileFailure AnimationWriter::named(FileFailure failure) const
{
    failure.action = FileFailure::Action::Write;
    // A picture of a sequence that cannot take its place names itself.
    if (!failure.ok() && failure.path.isEmpty())
        failure.path = m_path;
    return failure;
}

FileFailure AnimationWriter::write(const QSize &size, int fps, int count,
                                   const std::function<QImage(int)> &pictureAt,
                                   const std::function<bool(int)> &progress)
{
    if (FileFailure opened = open(size, fps); !opened.ok())
        return opened;
    for (int index = 0; index < count; ++index) {
        if (FileFailure added = addFrame(pictureAt(index)); !added.ok())
            return added;
        if (progress && !progress(index + 1)) {
            abandon();
            return named(FileFailure::of(FileFailure::Kind::Cancelled, FileFailure::Action::Write));
        }
    }
    return finish();
}

FileFailure AnimationWriter::checkRate(int fps)
{
    if (fps < kMinRate || fps > kMaxRate)
        return FileFailure::of(FileFailure::Kind::RateOutOfRange, FileFailure::Action::Write)
            .withFound(fps)
            .withRange(kMinRate, kMaxRate);
    return {};
}

FileFailure AnimationWriter::checkSize(const QSize &size, int maxSide, const QString &encoder)
{
    if (size.isEmpty())
        return FileFailure::encoding(FileFailure::Problem::EmptyPicture);
    if (size.width() > maxSide || size.height() > maxSide)
        return FileFailure::of(FileFailure::Kind::TooLarge, FileFailure::Action::Write)
            .withProblem(FileFailure::Problem::SideTooLong)
            .withEncoder(encoder)
            .withRange(0, maxSide)
            .withSize(size);
    return {};
}
