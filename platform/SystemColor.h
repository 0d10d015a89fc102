#pragma once

#include <QColor>
#include <QPalette>

// Design colours may name a system colour by index (0x80000000 + index); this maps the
// indexes the program uses onto the platform's palette.
QColor systemColor(int index, const QPalette &palette);
