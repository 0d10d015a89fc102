#include "export/ExportManager.h"

#include "export/PictureFormat.h"
#include "export/ShortTempSaveFile.h"
#include "platform/FileNameLimits.h"
#include "platform/ImageWriter.h"
#include "platform/ReplaceFile.h"
#include "platform/WriteProtected.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace {

using Failure = ExportManager::Failure;
using Outcome = std::pair<Failure, QString>;

// QSaveFile writes to "<name>.XXXXXX" beside the target.
const QString kSaveFileSuffix = QStringLiteral(".XXXXXX");

// A write the system cuts short is tried again for the rest, which makes it say why it takes no
// more. Answers an empty string once all of bytes is written, otherwise the reason.
QString writeAll(QFileDevice &file, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return file.errorString();
        done += written;
    }
    return file.flush() ? QString() : file.errorString();
}

// Writes through a file that leaves the target as it was until the picture is complete.
template <class File> Outcome writeThroughTemporary(File &file, const QByteArray &bytes)
{
    if (!file.open(QIODevice::WriteOnly))
        return {Failure::CannotCreate, file.errorString()};
    if (const QString failure = writeAll(file, bytes); !failure.isEmpty()) {
        file.cancelWriting();
        return {Failure::EncodeFailed, failure};
    }
    if (!file.commit())
        return {Failure::CommitFailed, file.errorString()};
    return {Failure::None, QString()};
}

// Makes bytes all the open file holds, down to the disk.
QString overwrite(QFile &file, const QByteArray &bytes)
{
    if (!file.seek(0))
        return file.errorString();
    if (QString failure = writeAll(file, bytes); !failure.isEmpty())
        return failure;
    if (!file.resize(bytes.size()))
        return file.errorString();
    return syncToDisk(file);
}

// For a file the user may change in a folder that takes no new file: it is overwritten where it
// stands, and should that fail part-way, its old bytes, kept in memory, go back in.
Outcome overwriteWhereItStands(const QString &path, const QByteArray &bytes)
{
    // Unbuffered, so that bytes the file refused are not still waiting to go out when the old
    // ones are put back.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return {Failure::CannotCreate, file.errorString()};
    const QByteArray old = file.readAll();
    if (file.error() != QFile::NoError)
        return {Failure::CannotCreate, file.errorString()};
    const QString failure = overwrite(file, bytes);
    if (failure.isEmpty())
        return {Failure::None, QString()};
    return {overwrite(file, old).isEmpty() ? Failure::EncodeFailed : Failure::RestoreFailed,
            failure};
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

ExportManager::Result ExportManager::save(const QImage &picture, const QString &fileName)
{
    Result result{fileName, formatForFileName(fileName), Failure::None, {}};
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
    if (target.exists() && isWriteProtected(fileName))
        return fail(Failure::WriteProtected, QString());

    // Encoded whole before any file is touched, so that the encoder's failure harms nothing.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    if (const QString failure = m_writer.write(picture, encoded, result.format); !failure.isEmpty())
        return fail(Failure::EncodeFailed, failure);
    const QByteArray &bytes = encoded.data();

    // The picture goes to a new file beside the old one, which it replaces only once it is
    // complete; until then a failure leaves the old file as it was and no remains behind.
    // A name the file system takes may still be too long for QSaveFile's temporary name;
    // the user can make such a file with any other program, so it gets a short one instead.
    Outcome outcome;
    if (fileNameFits(folder, target.fileName() + kSaveFileSuffix) &&
        filePathFits(target.absoluteFilePath() + kSaveFileSuffix)) {
        QSaveFile file(fileName);
        outcome = writeThroughTemporary(file, bytes);
    } else if (filePathFits(QDir(folder).filePath(
                   QString(ShortTempSaveFile::kTempNameLength, QLatin1Char('x'))))) {
        ShortTempSaveFile file(fileName);
        outcome = writeThroughTemporary(file, bytes);
    } else {
        // Not even a short temporary name fits beside it.
        outcome = {Failure::PathTooLong, QString()};
    }
    // A folder that takes no new file may still let its files be changed, and a file there
    // could always be saved over.
    if (outcome.first == Failure::CannotCreate && target.isFile()) {
        if (const Outcome inPlace = overwriteWhereItStands(fileName, bytes);
            inPlace.first != Failure::CannotCreate)
            outcome = inPlace;
    }
    if (outcome.first != Failure::None)
        return fail(outcome.first, outcome.second);
    return result;
}
