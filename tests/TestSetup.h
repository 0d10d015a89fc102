#pragma once

#include "platform/FontSubstitutes.h"

#include <QApplication>

// The same fonts as the program gets at start-up, so pixel checks see what a user sees.
inline void prepareTestApplication()
{
    installFonts();
}
