#pragma once

#include <QString>

// The help is an HTML document installed in a help folder beside the program.
inline const QString kHelpDocumentPath = QStringLiteral("help/QNT.html");

// The help document's absolute path: the one under the current folder when there is one, else
// the one beside the program in programDir. Empty when neither exists.
QString locateHelpDocument(const QString &programDir);
