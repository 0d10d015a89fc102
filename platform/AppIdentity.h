#pragma once

#include <QString>

inline const QString kAppTitle = QStringLiteral("Quintelo");
inline const QString kAppVersion = QStringLiteral("2.02.0005");
