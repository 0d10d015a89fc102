#pragma once

#include <QString>

// What the file system takes as a name and as a path. Unix counts the bytes a name becomes
// when handed to the system (three for most Japanese characters in UTF-8), Windows counts
// UTF-16 units.

// Whether name can be the name of a file inside folder; a folder that cannot be asked is
// taken to allow the usual 255.
bool fileNameFits(const QString &folder, const QString &name);

// Whether the system can open a file by this absolute path.
bool filePathFits(const QString &path);
