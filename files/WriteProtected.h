#pragma once

#include <QString>

// Whether the file at path is marked read-only: nobody may write it, or this user may not. The
// superuser may write to any file, but one that is marked so is still not to be overwritten.
bool isWriteProtected(const QString &path);

// Whether path (a file or a folder) lies on a file system mounted read-only, where nothing can
// be written whatever the files' marks say.
bool onReadOnlyFileSystem(const QString &path);
