#pragma once

#include <QPixmap>
#include <QString>

// A picture built into the program, read by Qt's own reader for format ("png", "bmp"). Left to
// guess, Qt loads every image plugin installed, and the libraries each links, to ask whether it
// knows the file: megabytes the window would carry from its start for pictures it never reads.
QPixmap resourcePicture(const QString &path, const char *format);
