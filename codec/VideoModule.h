#pragma once

#include "codec/AnimationWriter.h"
#include "codec/VideoWriter.h"

#include <QStringList>

#include <memory>

// FFmpeg's libraries bring a hundred others with them (every codec's, TLS, XML, SVG, GLib):
// some 18 MiB mapped into a process that may never write a video. They live in a module of
// their own, loaded when the first video is made and kept to the end of the process; a
// program that never writes one never maps them. The module silences FFmpeg's notes: every
// failure comes back in an outcome.
namespace VideoModule {

// The folders the module is looked for in: beside the program (the build tree), then where an
// installed program keeps it.
QStringList defaultFolders();

// A writer from the module found first in folders. Without the module, a writer whose every
// step fails, naming FFmpeg as the encoder that is missing, and that writes nothing.
std::unique_ptr<AnimationWriter> writer(const QString &path, VideoWriter::Container container,
                                        const QStringList &folders = defaultFolders());

} // namespace VideoModule

// The module's one entry, resolved by name.
using MakeVideoWriter = AnimationWriter *(const QString &path, int container);
inline constexpr const char *kMakeVideoWriterSymbol = "quintelo_make_video_writer";
