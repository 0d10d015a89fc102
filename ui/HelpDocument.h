#pragma once

#include <QString>

// The help is an HTML document in a help folder beside the program, as in the build tree and a
// Windows installation.
inline const QString kHelpDocumentPath = QStringLiteral("help/QNT.html");

// Where an installation on Linux keeps the help folder instead, relative to the program's
// folder (usually ../share/quintelo/help), so that a copy installed under any prefix finds it.
inline const QString kInstalledHelpFolder = QStringLiteral(QUINTELO_INSTALLED_HELP_FOLDER);

// The help document's absolute path: the one under the current folder when there is one, else
// the one beside the program in programDir, else the installed one. Empty when none exists.
QString locateHelpDocument(const QString &programDir);
