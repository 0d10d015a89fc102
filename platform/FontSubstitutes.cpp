#include "platform/FontSubstitutes.h"

#include <QApplication>
#include <QFont>

void installFonts()
{
    installFontSubstitutes();
    QApplication::setFont(QFont(kUiGothicFace, 9));
}
