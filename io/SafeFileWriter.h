#pragma once

#include <QByteArray>
#include <QString>

// Puts bytes in a file without ever leaving half a file behind. A write-protected file is never
// replaced; any other gives way only to a complete new file, written beside it, or, in a folder
// that takes no new file, over it with its old bytes at hand to put back. Nothing is shown:
// whatever goes wrong comes back in the outcome, for the caller to tell the user.
class SafeFileWriter
{
public:
    enum class Failure {
        None,
        FolderMissing,  // the folder the file should go in does not exist
        IsFolder,       // the name is that of a folder
        WriteProtected, // the file there is marked read-only
        CannotCreate,   // the folder would not take a new file
        WriteFailed,    // the bytes could not be written
        CommitFailed,   // the finished file could not take the old one's place
        NameTooLong,    // the file system takes no name this long
        PathTooLong,    // the system opens no path this long
        RestoreFailed,  // overwritten where it stood, the old file could not be put back
    };

    struct Outcome
    {
        Failure failure = Failure::None;
        QString reason; // the system's words for the failure

        bool ok() const { return failure == Failure::None; }
    };

    // EachFile waits for the disk before the file takes its place. Later only puts the complete
    // file in place, never a part of it, and leaves the disk to syncLaterWrites(), which a
    // batch of many files calls once at its end: one wait for the disk instead of one a file.
    enum class Sync { EachFile, Later };

    // What stands in the way of writing fileName, found before any file is touched.
    static Outcome check(const QString &fileName);
    static Outcome write(const QByteArray &bytes, const QString &fileName,
                         Sync sync = Sync::EachFile);
    // Makes every write with Sync::Later to the file system that holds folder durable.
    static Outcome syncLaterWrites(const QString &folder);
};
