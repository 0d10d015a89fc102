#include "export/ExportManager.h"

#include "export/PictureFormat.h"
#include "export/VectorPictures.h"
#include "io/SafeFileWriter.h"
#include "platform/GifWriter.h"
#include "platform/ImageWriter.h"
#include "render/FilmStrip.h"
#include "render/PlatePainter.h"

#include <QBuffer>

namespace {

ExportManager::Failure exportFailure(SafeFileWriter::Failure failure)
{
    using enum SafeFileWriter::Failure;
    switch (failure) {
    case None:
        return ExportManager::Failure::None;
    case FolderMissing:
        return ExportManager::Failure::FolderMissing;
    case IsFolder:
        return ExportManager::Failure::IsFolder;
    case WriteProtected:
        return ExportManager::Failure::WriteProtected;
    case CannotCreate:
        return ExportManager::Failure::CannotCreate;
    case WriteFailed:
        return ExportManager::Failure::EncodeFailed;
    case CommitFailed:
        return ExportManager::Failure::CommitFailed;
    case NameTooLong:
        return ExportManager::Failure::NameTooLong;
    case PathTooLong:
        return ExportManager::Failure::PathTooLong;
    case RestoreFailed:
        return ExportManager::Failure::RestoreFailed;
    }
    return ExportManager::Failure::EncodeFailed;
}

} // namespace

ExportManager::ExportManager(ImageWriter &writer, SafeFileWriter::Sync sync)
    : m_writer(writer)
    , m_sync(sync)
{}

QByteArray ExportManager::formatForFileName(const QString &fileName)
{
    const std::optional<PictureFormat> format = PictureFormat::forFileName(fileName);
    return format ? format->name : QByteArray();
}

ExportManager::Result ExportManager::write(Result result,
                                           const std::function<QString(QIODevice &)> &encode) const
{
    const auto fail = [&result](Failure failure, const QString &reason) {
        result.failure = failure;
        result.reason = reason;
        return result;
    };
    if (const SafeFileWriter::Outcome checked = SafeFileWriter::check(result.path); !checked.ok())
        return fail(exportFailure(checked.failure), checked.reason);
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    if (const QString failure = encode(encoded); !failure.isEmpty())
        return fail(Failure::EncodeFailed, failure);
    const SafeFileWriter::Outcome written =
        SafeFileWriter::write(encoded.data(), result.path, m_sync);
    if (!written.ok())
        return fail(exportFailure(written.failure), written.reason);
    return result;
}

ExportManager::Result ExportManager::writeBytes(Result result,
                                                const std::function<QByteArray()> &make) const
{
    return write(std::move(result), [&make](QIODevice &device) {
        const QByteArray bytes = make();
        return device.write(bytes) == bytes.size() ? QString() : device.errorString();
    });
}

ExportManager::Result ExportManager::save(const QImage &picture, const QString &fileName,
                                          const QByteArray &format)
{
    Result result{
        fileName, format.isEmpty() ? formatForFileName(fileName) : format, Failure::None, {}};
    if (result.format.isEmpty()) {
        result.failure = Failure::UnknownFormat;
        return result;
    }
    return write(result,
                 [&](QIODevice &device) { return m_writer.write(picture, device, result.format); });
}

ExportManager::Result ExportManager::saveFrame(const Frame &frame, const QRect &area, qreal scale,
                                               const QString &fileName, const QByteArray &format,
                                               const SignLook &look)
{
    if ((format.isEmpty() ? formatForFileName(fileName) : format) != "svg")
        return save(PlatePainter(frame, look).render(area, scale), fileName, format);
    return writeBytes({fileName, "svg", Failure::None, {}},
                      [&] { return svgPicture(frame, area, scale, look); });
}

ExportManager::Result ExportManager::savePrintSheet(const QList<Frame> &frames,
                                                    const PrintSheet &sheet,
                                                    const QString &fileName, const SignLook &look)
{
    return writeBytes({fileName, "pdf", Failure::None, {}},
                      [&] { return sheet.pdf(frames, look); });
}

ExportManager::Result ExportManager::saveStrip(const QList<Frame> &frames, const QString &fileName,
                                               qreal scale, const SignLook &look)
{
    // Asked before the strip is drawn: a long roll is a large picture to make for nothing.
    if (formatForFileName(fileName).isEmpty())
        return {fileName, {}, Failure::UnknownFormat, {}};
    return save(FilmStrip(frames, look).render(scale), fileName);
}

ExportManager::Result ExportManager::saveSpin(const QList<Frame> &frames,
                                              const SpinAnimation::Options &options,
                                              const QString &fileName)
{
    if (formatForFileName(fileName) != "gif")
        return {fileName, "gif", Failure::GifOnly, {}};
    const SpinAnimation spin(frames, options);
    return write({fileName, "gif", Failure::None, {}}, [&](QIODevice &device) {
        return writeAnimatedGif(
            spin.count(),
            [&spin](int index) {
                SpinAnimation::Picture picture = spin.picture(index);
                return GifPicture{std::move(picture.image), picture.delayMs};
            },
            device);
    });
}

ExportManager::Result ExportManager::saveFrameNames(const QList<Frame> &frames,
                                                    const QString &fileName)
{
    return writeBytes({fileName, "txt", Failure::None, {}}, [&frames] {
        QString text;
        for (const Frame &frame : frames) {
            // A name pasted with a line break in it would otherwise count as two frames.
            QString name = frame.displayName();
            for (QChar &c : name)
                if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator ||
                    c == QChar::ParagraphSeparator)
                    c = u' ';
            text += name + u'\n';
        }
        return text.toUtf8();
    });
}
