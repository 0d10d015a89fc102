#pragma once

#include <QString>

// Windows opens a document or web address with its associated program when it is handed to
// the shell's URL handler on this command line. The target follows the prefix directly and
// unquoted: the handler takes the whole rest of the line as the target, spaces included.
inline const QString kShellOpenPrefix = QStringLiteral("rundll32.exe url.dll,FileProtocolHandler ");

// SW_SHOWMINIMIZED: what the handler starts appears without covering the sign being made.
inline constexpr int kShellOpenWindowStyle = 2;

QString shellOpenCommandLine(const QString &target);
