#pragma once

#include <QString>

// Whether two names lead to the same file, through links and relative parts; names of files
// that do not exist are compared as absolute paths.
bool sameFile(const QString &a, const QString &b);
