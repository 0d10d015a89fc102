#pragma once

#include "tr/ProgramLanguage.h"

class QCoreApplication;

// The program's own texts and Qt's (file, colour and font dialogs, message box buttons) speak
// `language`, whatever the desktop's language is.
void installTranslations(QCoreApplication &app, ProgramLanguage language);
