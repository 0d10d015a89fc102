#pragma once

#include "files/FileFailure.h"

#include <QString>

// Makes the folder at path and every folder above it that is missing, as `mkdir -p` does.
// Answers why not, naming path: FolderNotMade with the system's reason (a folder that refuses,
// a full or read-only disk), or the kind of file in the way.
FileFailure makeFolder(const QString &path);
