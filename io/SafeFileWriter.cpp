#include "io/SafeFileWriter.h"

#include "io/ShortTempSaveFile.h"
#include "platform/FileNameLimits.h"
#include "platform/ReplaceFile.h"
#include "platform/WriteProtected.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

using Failure = SafeFileWriter::Failure;
using Outcome = SafeFileWriter::Outcome;

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

// Writes through a file that leaves the target as it was until the bytes are complete.
template <class File> Outcome writeThroughTemporary(File &file, const QByteArray &bytes)
{
    if (!file.open(QIODevice::WriteOnly))
        return {Failure::CannotCreate, file.errorString()};
    if (const QString failure = writeAll(file, bytes); !failure.isEmpty()) {
        file.cancelWriting();
        return {Failure::WriteFailed, failure};
    }
    if (!file.commit())
        return {Failure::CommitFailed, file.errorString()};
    return {};
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
        return {};
    return {overwrite(file, old).isEmpty() ? Failure::WriteFailed : Failure::RestoreFailed,
            failure};
}

} // namespace

SafeFileWriter::Outcome SafeFileWriter::check(const QString &fileName)
{
    const QFileInfo target(fileName);
    // Asked first: a path or name the system refuses also makes its folder look missing.
    if (!filePathFits(target.absoluteFilePath()))
        return {Failure::PathTooLong, {}};
    if (!fileNameFits(target.absolutePath(), target.fileName()))
        return {Failure::NameTooLong, {}};
    if (!target.dir().exists())
        return {Failure::FolderMissing, {}};
    if (target.isDir())
        return {Failure::IsFolder, {}};
    if (target.exists() && isWriteProtected(fileName))
        return {Failure::WriteProtected, {}};
    return {};
}

SafeFileWriter::Outcome SafeFileWriter::syncLaterWrites(const QString &folder)
{
    if (const QString failure = syncFileSystem(folder); !failure.isEmpty())
        return {Failure::WriteFailed, failure};
    return {};
}

SafeFileWriter::Outcome SafeFileWriter::write(const QByteArray &bytes, const QString &fileName,
                                              Sync sync)
{
    if (Outcome checked = check(fileName); !checked.ok())
        return checked;
    const QFileInfo target(fileName);
    const QString folder = target.absolutePath();

    // The bytes go to a new file beside the old one, which they replace only once complete;
    // until then a failure leaves the old file as it was and no remains behind.
    // A name the file system takes may still be too long for QSaveFile's temporary name;
    // the user can make such a file with any other program, so it gets a short one instead.
    // QSaveFile always waits for the disk; the short temporary file can leave that for later.
    const bool shortName = filePathFits(
        QDir(folder).filePath(QString(ShortTempSaveFile::kTempNameLength, QLatin1Char('x'))));
    Outcome outcome;
#ifdef Q_OS_WIN
    // No volume-wide sync to leave it to (see syncFileSystem): every file waits for the disk.
    sync = Sync::EachFile;
#endif
    if (sync == Sync::Later && shortName) {
        ShortTempSaveFile file(fileName);
        file.setSyncOnCommit(false);
        outcome = writeThroughTemporary(file, bytes);
    } else if (fileNameFits(folder, target.fileName() + kSaveFileSuffix) &&
               filePathFits(target.absoluteFilePath() + kSaveFileSuffix)) {
        QSaveFile file(fileName);
        outcome = writeThroughTemporary(file, bytes);
    } else if (shortName) {
        ShortTempSaveFile file(fileName);
        outcome = writeThroughTemporary(file, bytes);
    } else {
        // Not even a short temporary name fits beside it.
        outcome = {Failure::PathTooLong, {}};
    }
    // A folder that takes no new file may still let its files be changed, and a file there
    // could always be saved over.
    if (outcome.failure == Failure::CannotCreate && target.isFile()) {
        if (Outcome inPlace = overwriteWhereItStands(fileName, bytes);
            inPlace.failure != Failure::CannotCreate)
            outcome = inPlace;
    }
    return outcome;
}
