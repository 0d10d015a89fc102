#pragma once

#include "sign/SignFonts.h"

// Substitutes the Windows face names (installFontSubstitutes) and makes the proportional gothic
// the program's user-interface font. Needs the application object.
void installFonts();
