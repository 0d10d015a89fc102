#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class AnimationWriter;

// The kinds of moving picture that can be saved.
enum class AnimationKind {
    Mp4,         // H.264 video
    WebM,        // VP9 video
    WebP,        // animated WebP
    Gif,         // animated GIF
    PngSequence, // numbered PNG pictures in a folder
};

// What a name asks for: an existing folder takes a PNG sequence, any other name the kind its
// extension (.mp4, .webm, .webp, .gif, in any case) names; none for any other name.
std::optional<AnimationKind> animationKindFor(const QString &path);
// The extensions animationKindFor knows, with their dots: ".mp4", ".webm", ".webp", ".gif".
QStringList animationExtensions();

// The writer for kind that saves under path (a folder for a PNG sequence).
std::unique_ptr<AnimationWriter> createAnimationWriter(AnimationKind kind, const QString &path);
