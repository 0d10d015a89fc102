#pragma once

#include "files/FileFailure.h"

#include <QByteArray>
#include <QString>

// A file read whole, or why it was not. Only a regular file is read, and only up to a size
// asked for: a pipe or a device could keep a reader waiting or fill its memory for ever, so
// each is refused before a byte is read, and every answer comes at once. A failure is NotFound,
// IsFolder, SpecialFile, DanglingLink, TooLarge (most: the size asked for) or CannotRead (the
// system's error), naming path.
struct RegularFileRead
{
    QByteArray bytes;
    FileFailure failure;

    bool ok() const { return failure.ok(); }
};

RegularFileRead readRegularFile(const QString &path, qint64 largest);
