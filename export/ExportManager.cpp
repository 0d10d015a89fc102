#include "export/ExportManager.h"

#include "export/PictureFormat.h"
#include "export/VectorPictures.h"
#include "io/SafeFileWriter.h"
#include "platform/ImageWriter.h"
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

ExportManager::ExportManager(ImageWriter &writer)
    : m_writer(writer)
{}

QByteArray ExportManager::formatForFileName(const QString &fileName)
{
    const std::optional<PictureFormat> format = PictureFormat::forFileName(fileName);
    return format ? format->name : QByteArray();
}

template <typename Encode>
ExportManager::Result ExportManager::write(Result result, const Encode &encode)
{
    const auto fail = [&result](Failure failure, const QString &reason) {
        result.failure = failure;
        result.reason = reason;
        return result;
    };
    if (result.format.isEmpty())
        return fail(Failure::UnknownFormat, QString());
    if (const SafeFileWriter::Outcome checked = SafeFileWriter::check(result.path); !checked.ok())
        return fail(exportFailure(checked.failure), checked.reason);

    // Encoded whole before any file is touched, so that the encoder's failure harms nothing.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    if (const QString failure = encode(encoded); !failure.isEmpty())
        return fail(Failure::EncodeFailed, failure);
    const SafeFileWriter::Outcome written = SafeFileWriter::write(encoded.data(), result.path);
    if (!written.ok())
        return fail(exportFailure(written.failure), written.reason);
    return result;
}

ExportManager::Result ExportManager::save(const QImage &picture, const QString &fileName,
                                          const QByteArray &format)
{
    const Result result{
        fileName, format.isEmpty() ? formatForFileName(fileName) : format, Failure::None, {}};
    return write(result,
                 [&](QBuffer &encoded) { return m_writer.write(picture, encoded, result.format); });
}

ExportManager::Result ExportManager::saveFrame(const Frame &frame, const QRect &area, qreal scale,
                                               const QString &fileName, const QByteArray &format)
{
    if ((format.isEmpty() ? formatForFileName(fileName) : format) != "svg")
        return save(PlatePainter(frame).render(area, scale), fileName, format);
    return write({fileName, "svg", Failure::None, {}}, [&](QBuffer &encoded) {
        encoded.write(svgPicture(frame, area, scale));
        return QString();
    });
}

ExportManager::Result ExportManager::savePrintSheet(const QList<Frame> &frames,
                                                    const PrintSheet &sheet,
                                                    const QString &fileName)
{
    return write({fileName, "pdf", Failure::None, {}}, [&](QBuffer &encoded) {
        encoded.write(sheet.pdf(frames));
        return QString();
    });
}
