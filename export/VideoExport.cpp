#include "export/VideoExport.h"

#include "codec/AnimationKind.h"
#include "codec/AnimationWriter.h"
#include "export/JobProgress.h"
#include "render/TimelinePictures.h"

#include <QCoreApplication>
#include <QDir>

namespace {

qreal scaleOf(const VideoRequest &request, const Timeline &timeline)
{
    return request.size.scaleFor(timeline.size(1));
}

} // namespace

AnimationOutcome checkVideo(const VideoRequest &request)
{
    if (!animationKindFor(request.path))
        return {AnimationFailure::UnknownKind, {}};
    return AnimationWriter::checkRate(request.fps);
}

QSize videoPictureSize(const VideoRequest &request)
{
    const std::unique_ptr<Timeline> timeline =
        timelineFor(request.frames, request.look, request.motion);
    return timeline->size(scaleOf(request, *timeline));
}

int videoPictureCount(const VideoRequest &request)
{
    const std::unique_ptr<Timeline> timeline =
        timelineFor(request.frames, request.look, request.motion);
    return TimelinePictures(*timeline, request.fps, 1).count();
}

AnimationOutcome saveVideo(const VideoRequest &request, JobProgress *progress)
{
    if (AnimationOutcome checked = checkVideo(request); !checked.ok())
        return checked;
    const std::unique_ptr<Timeline> timeline =
        timelineFor(request.frames, request.look, request.motion);
    TimelinePictures pictures(*timeline, request.fps, scaleOf(request, *timeline));
    const int count = pictures.count();
    if (progress)
        progress->setTotal(count);
    const std::unique_ptr<AnimationWriter> writer =
        createAnimationWriter(*animationKindFor(request.path), request.path);
    return writer->write(
        pictures.size(), request.fps, count,
        [&pictures](int index) { return pictures.picture(index); },
        [progress, count](int done) {
            // Once the last picture is in, the file is put in place whole: a cancel from then
            // on comes too late.
            return !progress || (progress->reached(done) && (done < count || progress->commit()));
        });
}

bool refusedBeforeWriting(AnimationFailure failure)
{
    using enum AnimationFailure;
    switch (failure) {
    case UnknownKind:
    case RateOutOfRange:
    case TooLarge:
    case EncoderMissing:
    case NotRegularFile:
    case FolderMissing:
    case IsFolder:
    case WriteProtected:
    case NameTooLong:
    case PathTooLong:
        return true;
    case None:
    case CannotCreate:
    case EncodeFailed:
    case WriteFailed:
    case CommitFailed:
    case Cancelled:
        break;
    }
    return false;
}

QString videoFailureMessage(const QString &path, const AnimationOutcome &outcome)
{
    using enum AnimationFailure;
    QString reason;
    // Where the writer's words say it all already, they stand alone; the system's and the
    // encoder's own words follow what went wrong, for whoever has to find out why.
    bool reasonAlone = false;
    switch (outcome.failure) {
    case None:
    case Cancelled:
        return {};
    case UnknownKind:
        reason = QCoreApplication::translate(
            "VideoExport",
            "名前から動画の種類がわかりません。名前の終わりを .mp4、.webm、.webp、.gif "
            "のどれかにするか、PNG の連番にするときは、すでにあるフォルダを指定してください。");
        break;
    case RateOutOfRange:
    case TooLarge:
        reasonAlone = true;
        break;
    case EncoderMissing:
        reason = QCoreApplication::translate(
            "VideoExport",
            "この動画の種類を書き出すエンコーダーが、このシステムの FFmpeg にありません。");
        break;
    case NotRegularFile:
    case FolderMissing:
    case IsFolder:
    case WriteProtected:
    case NameTooLong:
    case PathTooLong:
        // The file's place, in the words every save uses; a PNG sequence's missing folder
        // comes with none.
        reasonAlone = !outcome.reason.isEmpty();
        if (!reasonAlone)
            reason =
                QCoreApplication::translate("VideoExport", "書き出し先のフォルダがありません。");
        break;
    case CannotCreate:
        reason = QCoreApplication::translate("VideoExport",
                                             "書き出し先のフォルダにファイルを作れません。");
        break;
    case EncodeFailed:
        reason =
            QCoreApplication::translate("VideoExport", "動画の書き込み中にエラーが起きました。");
        break;
    case WriteFailed:
        reason = QCoreApplication::translate(
            "VideoExport", "ファイルに書き込めませんでした。ディスクの空きを確かめてください。");
        break;
    case CommitFailed:
        reason = QCoreApplication::translate(
            "VideoExport", "書き終えたファイルを元のファイルと置き換えられませんでした。");
        break;
    }
    if (reasonAlone)
        reason = outcome.reason;
    else if (!outcome.reason.isEmpty())
        reason += QStringLiteral("\n（%1）").arg(outcome.reason);
    return QCoreApplication::translate("VideoExport",
                                       "動画を保存できませんでした。\n\n%1\n\n%2\n\n%3")
        .arg(QDir::toNativeSeparators(path), reason,
             QCoreApplication::translate("VideoExport",
                                         "元のファイルがあった場合は、そのまま残っています。"));
}
