#include "codec/AnimationWriter.h"

AnimationOutcome AnimationWriter::write(const QSize &size, int fps, int count,
                                        const std::function<QImage(int)> &pictureAt,
                                        const std::function<bool(int)> &progress)
{
    if (AnimationOutcome opened = open(size, fps); !opened.ok())
        return opened;
    for (int index = 0; index < count; ++index) {
        if (AnimationOutcome added = addFrame(pictureAt(index)); !added.ok())
            return added;
        if (progress && !progress(index + 1)) {
            abandon();
            return {AnimationFailure::Cancelled, {}};
        }
    }
    return finish();
}

AnimationOutcome AnimationWriter::checkRate(int fps)
{
    if (fps < kMinRate || fps > kMaxRate)
        return {AnimationFailure::RateOutOfRange,
                QStringLiteral("フレームレート（1 秒あたりの画像の数）は %1 から %2 までです。")
                    .arg(kMinRate)
                    .arg(kMaxRate)};
    return {};
}

AnimationOutcome AnimationWriter::checkSize(const QSize &size, int maxSide, const QString &encoder)
{
    if (size.isEmpty())
        return {AnimationFailure::EncodeFailed, QStringLiteral("画像が空です。")};
    if (size.width() > maxSide || size.height() > maxSide)
        return {
            AnimationFailure::TooLarge,
            QStringLiteral("%1 の幅と高さは %2 ピクセルまでです（この動画は %3 × %4 ピクセル）。")
                .arg(encoder)
                .arg(maxSide)
                .arg(size.width())
                .arg(size.height())};
    return {};
}
