#pragma once

#include "files/FileFailure.h"

#include <QByteArray>
#include <QString>

class SaveJournal;

// Puts bytes in a file without ever leaving half a file behind. Only a regular file or a new
// name is written: a device, a pipe, a socket, a folder and a link that leads nowhere are
// refused, and a symbolic link is followed to the file it ends at, which is replaced while the
// link stays a link. A write-protected file is never replaced; any other gives way only to a
// complete new file, written beside it, or, in a folder that takes no new file, over it with a
// copy of its old bytes kept in the save journal until the new ones are on the disk. Nothing is
// shown: whatever goes wrong comes back in the outcome, for the caller to tell the user.
class SafeFileWriter
{
public:
    // Every answer is a FileFailure of Action::Write naming the file as given: BadName,
    // FolderMissing, IsFolder, SpecialFile, DanglingLink, WriteProtected, NameTooLong and
    // PathTooLong before anything is touched; CannotCreate, NoCopy, WriteFailed, CommitFailed or
    // RestoreFailed (the old bytes wait in the journal for the next start) once writing began.

    // EachFile waits for the disk before the file takes its place. Later only puts the complete
    // file in place, never a part of it, and leaves the disk to syncLaterWrites(), which a
    // batch of many files calls once at its end: one wait for the disk instead of one a file.
    enum class Sync { EachFile, Later };

    // What stands in the way of writing fileName, found before any file is touched.
    static FileFailure check(const QString &fileName);
    // journal keeps the old bytes while a file is overwritten where it stands; without one such
    // a file is not saved.
    static FileFailure write(const QByteArray &bytes, const QString &fileName,
                             const SaveJournal *journal, Sync sync = Sync::EachFile);
    // Makes every write with Sync::Later to the file system that holds folder durable.
    static FileFailure syncLaterWrites(const QString &folder);
    // Removes what saves into folder that were killed left there (see ShortTempSaveFile); a save
    // with Sync::EachFile does it itself, a batch once at its start.
    static void removeLeftovers(const QString &folder);
};
