#pragma once

#include <QString>

// Puts the file from in the place of to in one step, replacing any file there, so that to is
// either the old file or the new one, never a mixture or nothing. Both must lie on the same
// volume. Answers an empty string on success, otherwise the system's reason.
QString replaceFile(const QString &from, const QString &to);
