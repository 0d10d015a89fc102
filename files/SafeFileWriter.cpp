#include "files/SafeFileWriter.h"

#include "files/FileNameLimits.h"
#include "files/RegularFileReader.h"
#include "files/ReplaceFile.h"
#include "files/SaveJournal.h"
#include "files/ShortTempSaveFile.h"
#include "files/WriteProtected.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {

using Kind = FileFailure::Kind;

// The largest file overwritten where it stands: its old bytes are held in memory meanwhile.
constexpr qint64 kLargestInPlace = qint64(1) << 30;

// Whether the system can hand path to the file system as it is: no character is lost on the
// way. A name that came from bytes of another encoding holds U+FFFD where they were, and would
// be written under another name than the one the user saw.
bool spellable(const QString &path)
{
    return !path.contains(QChar::ReplacementCharacter) && !path.contains(QChar(0)) &&
           QFile::decodeName(QFile::encodeName(path)) == path;
}

bool folderRefused(int error)
{
    return error == EACCES || error == EPERM;
}

FileFailure failed(Kind kind, const QString &path, int error = 0)
{
    return FileFailure::of(kind, FileFailure::Action::Write, path, error);
}

// For a file the user may change in a folder that takes no new file: it is overwritten where it
// stands, its old bytes copied to the journal first. Should the write fail part-way, the old
// bytes go back at once; should that fail too, or the program be killed, the next start puts
// them back from the journal.
FileFailure overwriteWhereItStands(const QString &target, const QByteArray &bytes,
                                   const SaveJournal *journal, int refusal, const QString &name)
{
    if (!journal)
        return failed(Kind::CannotCreate, name, refusal);
    const RegularFileRead old = readRegularFile(target, kLargestInPlace);
    if (!old.ok())
        return failed(Kind::NoCopy, name, old.failure.systemError);
    SaveJournal::Begun begun = journal->begin(target, old.bytes);
    if (!begun.entry)
        return failed(Kind::NoCopy, name, begun.error);
    bool touched = false;
    const int error = overwriteInPlace(target, bytes, &touched);
    if (error == 0) {
        begun.entry->drop();
        return {};
    }
    // A file the user may not write either was never opened, and needs nothing put back.
    if (!touched) {
        begun.entry->drop();
        return failed(Kind::CannotCreate, name, error);
    }
    if (overwriteInPlace(target, old.bytes) != 0)
        return failed(Kind::RestoreFailed, name, error);
    begun.entry->drop();
    return failed(Kind::WriteFailed, name, error);
}

} // namespace

FileFailure SafeFileWriter::check(const QString &fileName)
{
    const QFileInfo target(fileName);
    const QString path = target.absoluteFilePath();
    if (!spellable(path))
        return failed(Kind::BadName, fileName);
    // Asked first: a path or name the system refuses also makes its folder look missing.
    if (!filePathFits(path))
        return failed(Kind::PathTooLong, fileName);
    if (!fileNameFits(target.absolutePath(), target.fileName()))
        return failed(Kind::NameTooLong, fileName);
    // A disk mounted read-only takes nothing, whatever its files' marks say.
    switch (const FileKind kind = fileKindOf(path)) {
    case FileKind::Missing:
        if (!target.dir().exists())
            return failed(Kind::FolderMissing, fileName);
        return onReadOnlyFileSystem(target.absolutePath())
                   ? failed(Kind::CannotCreate, fileName, EROFS)
                   : FileFailure();
    case FileKind::Regular:
        if (onReadOnlyFileSystem(path))
            return failed(Kind::CannotCreate, fileName, EROFS);
        return isWriteProtected(path) ? failed(Kind::WriteProtected, fileName) : FileFailure();
    case FileKind::Folder:
    case FileKind::DanglingLink:
    case FileKind::Device:
    case FileKind::Fifo:
    case FileKind::Socket:
    case FileKind::Other:
        return FileFailure::notRegular(kind, FileFailure::Action::Write, fileName);
    }
    return {};
}

FileFailure SafeFileWriter::syncLaterWrites(const QString &folder)
{
    if (const int error = syncFileSystem(folder); error != 0)
        return failed(Kind::WriteFailed, folder, error);
    return {};
}

void SafeFileWriter::removeLeftovers(const QString &folder)
{
    ShortTempSaveFile::removeLeftovers(folder);
}

FileFailure SafeFileWriter::write(const QByteArray &bytes, const QString &fileName,
                                  const SaveJournal *journal, Sync sync)
{
    if (FileFailure checked = check(fileName); !checked.ok())
        return checked;
    // A link is followed to the file it ends at, which is the one replaced; the link stays.
    const QFileInfo given(fileName);
    const QString target = given.exists() ? given.canonicalFilePath() : given.absoluteFilePath();
    const QString folder = QFileInfo(target).absolutePath();
    // The temporary file's name is short, but the folder's path may leave no room even for it.
    if (!filePathFits(
            QDir(folder).filePath(QString(ShortTempSaveFile::kTempNameLength, QLatin1Char('x')))))
        return failed(Kind::PathTooLong, fileName);
#ifdef Q_OS_WIN
    // No volume-wide sync to leave it to (see syncFileSystem): every file waits for the disk.
    sync = Sync::EachFile;
#endif
    if (sync == Sync::EachFile)
        removeLeftovers(folder);

    // The bytes go to a new file beside the old one, which they replace only once complete;
    // until then a failure leaves the old file as it was and no remains behind.
    ShortTempSaveFile file(target);
    if (const int error = file.open(); error != 0) {
        // A folder that takes no new file may still let its files be changed, and a file there
        // could always be saved over.
        if (folderRefused(error) && fileKindOf(target) == FileKind::Regular)
            return overwriteWhereItStands(target, bytes, journal, error, fileName);
        return failed(Kind::CannotCreate, fileName, error);
    }
    if (const int error = file.write(bytes); error != 0)
        return failed(Kind::WriteFailed, fileName, error);
    if (const int error = file.commit(sync == Sync::EachFile); error != 0)
        return failed(Kind::CommitFailed, fileName, error);
    return {};
}
