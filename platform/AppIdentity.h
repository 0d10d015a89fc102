#pragma once

#include <QString>

inline const QString kAppTitle = QStringLiteral("Quintelo");
inline const QString kAppVersion = QStringLiteral("2.02.0005");

// The name desktops know the program by: its menu entry, icon and metadata are installed under
// it, and a Wayland compositor matches the window to the menu entry through it.
inline const QString kDesktopFileName = QStringLiteral("org.quintelo.Quintelo");
