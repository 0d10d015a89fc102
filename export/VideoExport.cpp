#include "export/VideoExport.h"

#include "codec/AnimationKind.h"
#include "codec/AnimationWriter.h"
#include "export/JobProgress.h"
#include "render/TimelinePictures.h"

#include <algorithm>

namespace {

qreal scaleOf(const VideoRequest &request, const Timeline &timeline)
{
    return request.size.scaleFor(timeline.size(1));
}

} // namespace

FileFailure checkVideo(const VideoRequest &request)
{
    if (FileFailure output = checkVideoOutput(request.path, request.fps); !output.ok())
        return output;
    const MotionOptions &motion = request.motion;
    if (FileFailure range = checkFrameRange(motion.first + 1, motion.last < 0 ? 0 : motion.last + 1,
                                            int(request.frames.size()));
        !range.ok())
        return range.named(request.path);
    return {};
}

FileFailure checkVideoOutput(const QString &path, int fps)
{
    if (!animationKindFor(path))
        return FileFailure::of(FileFailure::Kind::UnknownFormat, FileFailure::Action::Write, path)
            .withChoices(animationExtensions());
    if (FileFailure rate = AnimationWriter::checkRate(fps); !rate.ok())
        return rate.named(path);
    return {};
}

FileFailure checkFrameRange(int first, int last, int count)
{
    first = std::max(first, 1);
    if (first <= count && last >= 0 && last <= count && (last == 0 || first <= last))
        return {};
    return FileFailure::of(FileFailure::Kind::NoSuchFrames, FileFailure::Action::Write)
        .withRange(first, last)
        .withFound(count);
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

FileFailure saveVideo(const VideoRequest &request, JobProgress *progress)
{
    if (FileFailure checked = checkVideo(request); !checked.ok())
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
