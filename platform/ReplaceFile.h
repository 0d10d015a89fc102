#pragma once

#include <QString>

class QFile;

// Pushes everything written to the open file through to the disk, so that a crash or power cut
// right after replaceFile() cannot leave an empty file where the old one was. Answers an empty
// string on success, otherwise the system's reason.
QString syncToDisk(QFile &file);

// Pushes everything written to the file system that holds folder through to the disk at once:
// for many new files, one wait for the disk instead of one each. Answers an empty string on
// success, otherwise the system's reason.
QString syncFileSystem(const QString &folder);

// Puts the file from in the place of to in one step, replacing any file there, so that to is
// either the old file or the new one, never a mixture or nothing. Both must lie on the same
// volume. Answers an empty string on success, otherwise the system's reason.
QString replaceFile(const QString &from, const QString &to);
