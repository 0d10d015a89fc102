#pragma once

#include <QString>

// What a name in the file system stands for, its links followed to the end. Saving writes only
// to a regular file or a new name, and reading reads only regular files: a device, a pipe or a
// socket never ends or is not the user's document, and a folder is not a file.
enum class FileKind {
    Missing,      // nothing has the name: a save may make it
    Regular,      // an ordinary file
    Folder,       // a folder (directory)
    Device,       // a character or block device, such as /dev/null
    Fifo,         // a named pipe, which waits for a writer or a reader
    Socket,       // a local socket
    DanglingLink, // a symbolic link whose target does not exist
    Other,        // anything else the system has
};

// The kind of file at path, symbolic links followed.
FileKind fileKindOf(const QString &path);

#ifndef Q_OS_WIN
// The kind a stat() call's st_mode tells.
FileKind fileKindOfMode(unsigned int mode);
#endif
