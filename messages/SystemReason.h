#pragma once

#include "files/FileKind.h"

#include <QString>

// The system's reason for a failed file operation, in the user's language, from its error
// number (errno): "ディスクに空きがありません" for ENOSPC. A phrase without a full stop, to stand
// in brackets after what could not be done. A number the table does not know is told in the
// system's own words after a lead-in that says so. 0 gives an empty string.
QString systemReason(int errorNumber);

// What a name in the file system stands for, as the user is told it: "名前付きパイプ (FIFO)".
QString fileKindName(FileKind kind);
