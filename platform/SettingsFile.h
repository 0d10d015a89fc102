#pragma once

#include <QString>

// The window's settings live under the program's own name, <config>/Quintelo/Quintelo.conf;
// versions before kept them under Qt's stand-in organisation, <config>/Unknown
// Organization/Quintelo.conf. `configFolder` is the user's configuration folder (~/.config).
QString settingsFileIn(const QString &configFolder);

// Moves the earlier file to its new place once, at start: only while the new file does not
// exist yet. It is copied first and removed after, so a failure (a full disk, a folder that
// cannot be made) leaves the earlier file where it was and the program starts without it.
// True when it was moved.
bool moveEarlierSettings(const QString &configFolder);
