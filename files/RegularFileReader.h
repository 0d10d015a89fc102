#pragma once

#include "files/FileKind.h"

#include <QByteArray>
#include <QString>

// A file read whole, or why it was not. Only a regular file is read, and only up to a size
// asked for: a pipe or a device could keep a reader waiting or fill its memory for ever, so
// each is refused before a byte is read, and every answer comes at once.
struct RegularFileRead
{
    enum class Problem {
        None,
        Missing,    // nothing has the name
        NotRegular, // a folder, device, pipe, socket or dangling link: kind says which
        TooLarge,   // larger than the reader takes
        CannotRead, // the system refused: error says why
    };

    QByteArray bytes;
    Problem problem = Problem::None;
    FileKind kind = FileKind::Regular;
    int error = 0;      // the system's error number, for CannotRead
    qint64 largest = 0; // the size asked for, for TooLarge

    bool ok() const { return problem == Problem::None; }
    // What is wrong, as one Japanese sentence for the user; empty when nothing is.
    QString problemText() const;
};

RegularFileRead readRegularFile(const QString &path, qint64 largest);
