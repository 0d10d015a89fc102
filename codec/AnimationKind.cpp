#include "codec/AnimationKind.h"

#include "codec/GifAnimationWriter.h"
#include "codec/PngSequenceWriter.h"
#include "codec/VideoModule.h"
#include "codec/WebpAnimationWriter.h"

#include <QFileInfo>

std::optional<AnimationKind> animationKindFor(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return AnimationKind::PngSequence;
    const QString extension = info.suffix().toLower();
    if (extension == u"mp4")
        return AnimationKind::Mp4;
    if (extension == u"webm")
        return AnimationKind::WebM;
    if (extension == u"webp")
        return AnimationKind::WebP;
    if (extension == u"gif")
        return AnimationKind::Gif;
    return std::nullopt;
}

QStringList animationExtensions()
{
    return {QStringLiteral(".mp4"), QStringLiteral(".webm"), QStringLiteral(".webp"),
            QStringLiteral(".gif")};
}

std::unique_ptr<AnimationWriter> createAnimationWriter(AnimationKind kind, const QString &path)
{
    switch (kind) {
    case AnimationKind::Mp4:
        return VideoModule::writer(path, VideoWriter::Container::Mp4);
    case AnimationKind::WebM:
        return VideoModule::writer(path, VideoWriter::Container::WebM);
    case AnimationKind::WebP:
        return std::make_unique<WebpAnimationWriter>(path);
    case AnimationKind::Gif:
        return std::make_unique<GifAnimationWriter>(path);
    case AnimationKind::PngSequence:
        return std::make_unique<PngSequenceWriter>(path);
    }
    return nullptr;
}
