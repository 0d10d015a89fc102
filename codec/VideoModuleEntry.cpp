// The video module's one entry (see VideoModule): the only symbol it exports.

#include "codec/VideoModule.h"
#include "codec/VideoWriter.h"

extern "C" Q_DECL_EXPORT AnimationWriter *quintelo_make_video_writer(const QString &path,
                                                                     int container)
{
    VideoWriter::silenceLibraries();
    return new VideoWriter(path, VideoWriter::Container(container));
}
