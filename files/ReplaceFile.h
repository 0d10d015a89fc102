#pragma once

#include <QByteArray>
#include <QString>

// The system calls a save is made of. Each answers 0 on success, otherwise the system's error
// number (errno; see systemReason()).

// Pushes everything written to the open file through to the disk, so that a crash or power cut
// right after replaceFile() cannot leave an empty file where the old one was.
int syncToDisk(int handle);

// Pushes the names in folder (a new or renamed file's entry) through to the disk.
int syncFolder(const QString &folder);

// Pushes everything written to the file system that holds folder through to the disk at once:
// for many new files, one wait for the disk instead of one each.
int syncFileSystem(const QString &folder);

// Puts the file from in the place of to in one step, replacing any file there, so that to is
// either the old file or the new one, never a mixture or nothing. Both must lie on the same
// volume.
int replaceFile(const QString &from, const QString &to);

// Writes all of bytes to the open file, trying again where the system takes only part.
int writeWhole(int handle, const QByteArray &bytes);

// Makes bytes all that the existing file at path holds, written where it stands and synced: for a
// folder that takes no new file. A failure part-way leaves a mixture, which the caller keeps a
// copy against; touched, where given, tells whether the file was opened for it at all.
int overwriteInPlace(const QString &path, const QByteArray &bytes, bool *touched = nullptr);
