#pragma once

class QCoreApplication;

// Qt's own dialogs (file, colour, font, message box buttons) speak Japanese like the rest of
// the program, whatever the desktop's language is.
void installQtTranslations(QCoreApplication &app);
