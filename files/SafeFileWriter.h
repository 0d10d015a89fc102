#pragma once

#include "files/FileKind.h"

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
    enum class Failure {
        None,
        BadName,        // the name cannot be spelt in the file system's encoding
        FolderMissing,  // the folder the file should go in does not exist
        IsFolder,       // the name is that of a folder
        SpecialFile,    // the name is that of a device, pipe or socket (kind says which)
        DanglingLink,   // the name is a symbolic link to nothing
        WriteProtected, // the file there is marked read-only
        CannotCreate,   // the folder would not take a new file
        NoCopy,         // in a folder that takes no new file, the old file could not be copied
        WriteFailed,    // the bytes could not be written
        CommitFailed,   // the finished file could not take the old one's place
        NameTooLong,    // the file system takes no name this long
        PathTooLong,    // the system opens no path this long
        RestoreFailed,  // overwritten where it stood, the old file could not be put back yet
    };

    struct Outcome
    {
        Failure failure = Failure::None;
        int error = 0;                     // the system's error number, where it gave one
        FileKind kind = FileKind::Regular; // what the name stands for, for SpecialFile

        bool ok() const { return failure == Failure::None; }
        // Why, as the user is told it, in Japanese: the failure and the system's reason.
        QString reason() const;
        // What became of the file that was there, in Japanese.
        QString oldFile() const;
    };

    // EachFile waits for the disk before the file takes its place. Later only puts the complete
    // file in place, never a part of it, and leaves the disk to syncLaterWrites(), which a
    // batch of many files calls once at its end: one wait for the disk instead of one a file.
    enum class Sync { EachFile, Later };

    // What stands in the way of writing fileName, found before any file is touched.
    static Outcome check(const QString &fileName);
    // journal keeps the old bytes while a file is overwritten where it stands; without one such
    // a file is not saved.
    static Outcome write(const QByteArray &bytes, const QString &fileName,
                         const SaveJournal *journal, Sync sync = Sync::EachFile);
    // Makes every write with Sync::Later to the file system that holds folder durable.
    static Outcome syncLaterWrites(const QString &folder);
    // Removes what saves into folder that were killed left there (see ShortTempSaveFile); a save
    // with Sync::EachFile does it itself, a batch once at its start.
    static void removeLeftovers(const QString &folder);
};
