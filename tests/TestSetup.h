#pragma once

#include "platform/FontSubstitutes.h"
#include "platform/QtTranslations.h"

#include <QApplication>

// The same fonts and the same Qt catalogue as the program gets at start-up, so pixel checks see
// what a user sees and Qt's dialogs speak Japanese as they do for the user.
inline void prepareTestApplication()
{
    installQtTranslations(*QCoreApplication::instance());
    installFonts();
}
