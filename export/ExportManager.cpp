#include "export/ExportManager.h"

#include "export/PictureFormat.h"
#include "export/ShortTempSaveFile.h"
#include "platform/FileNameLimits.h"
#include "platform/ImageWriter.h"
#include "platform/WindowCapture.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace {

// QSaveFile writes to "<name>.XXXXXX" beside the target.
const QString kSaveFileSuffix = QStringLiteral(".XXXXXX");

// Writes through a file that leaves the target as it was until the picture is complete.
template <class File>
std::pair<ExportManager::Failure, QString> writeInPlaceOfTarget(File &file, ImageWriter &writer,
                                                                const QImage &picture,
                                                                const QByteArray &format)
{
    using Failure = ExportManager::Failure;
    if (!file.open(QIODevice::WriteOnly))
        return {Failure::CannotCreate, file.errorString()};
    const QString writeError = writer.write(picture, file, format);
    if (!writeError.isEmpty()) {
        file.cancelWriting();
        return {Failure::EncodeFailed, writeError};
    }
    if (!file.commit())
        return {Failure::CommitFailed, file.errorString()};
    return {Failure::None, QString()};
}

} // namespace

ExportManager::ExportManager(WindowCapture &capture, ImageWriter &writer)
    : m_capture(capture)
    , m_writer(writer)
{}

QByteArray ExportManager::formatForFileName(const QString &fileName)
{
    const std::optional<PictureFormat> format = PictureFormat::forFileName(fileName);
    return format ? format->name : QByteArray();
}

QImage ExportManager::capture(QWidget &control)
{
    return m_capture.capture(control);
}

ExportManager::Result ExportManager::saveWindowImage(QWidget &control, const QString &fileName)
{
    return save(capture(control), fileName);
}

ExportManager::Result ExportManager::save(const QImage &picture, const QString &fileName)
{
    Result result{picture, fileName, formatForFileName(fileName), Failure::None, {}};
    const auto fail = [&result](Failure failure, const QString &reason) {
        result.failure = failure;
        result.reason = reason;
        return result;
    };

    if (result.format.isEmpty())
        return fail(Failure::UnknownFormat, QString());
    const QFileInfo target(fileName);
    const QString folder = target.absolutePath();
    // Asked first: a path or name the system refuses also makes its folder look missing.
    if (!filePathFits(target.absoluteFilePath()))
        return fail(Failure::PathTooLong, QString());
    if (!fileNameFits(folder, target.fileName()))
        return fail(Failure::NameTooLong, QString());
    if (!target.dir().exists())
        return fail(Failure::FolderMissing, QString());
    if (target.isDir())
        return fail(Failure::IsFolder, QString());

    // The picture goes to a new file beside the old one, which it replaces only once it is
    // complete; until then a failure leaves the old file as it was and no remains behind.
    // A name the file system takes may still be too long for QSaveFile's temporary name;
    // the user can make such a file with any other program, so it gets a short one instead.
    std::pair<Failure, QString> outcome;
    if (fileNameFits(folder, target.fileName() + kSaveFileSuffix) &&
        filePathFits(target.absoluteFilePath() + kSaveFileSuffix)) {
        QSaveFile file(fileName);
        outcome = writeInPlaceOfTarget(file, m_writer, picture, result.format);
    } else if (filePathFits(QDir(folder).filePath(
                   QString(ShortTempSaveFile::kTempNameLength, QLatin1Char('x'))))) {
        ShortTempSaveFile file(fileName);
        outcome = writeInPlaceOfTarget(file, m_writer, picture, result.format);
    } else {
        // Not even a short temporary name fits beside it.
        outcome = {Failure::PathTooLong, QString()};
    }
    if (outcome.first != Failure::None)
        return fail(outcome.first, outcome.second);
    return result;
}
