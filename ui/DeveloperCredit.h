#pragma once

#include <QString>

// Who made the program, as the splash and the About box both credit it.
inline const QString kDeveloperCredit = QStringLiteral("開発者：T.Aoki");
