#pragma once

#include "tr/ProgramLanguage.h"

#include <QObject>

class QAction;
class QMenuBar;
struct Services;

// ヘルプ: the About box, which the application opens, the help document, and the language the
// window speaks.
class HelpMenu : public QObject
{
    Q_OBJECT

public:
    HelpMenu(QMenuBar *menuBar, Services &services, QObject *parent = nullptr);

    void openHelp();
    // Kept in the settings; the window speaks it from the next start, since every text is made
    // once, when its control is.
    void chooseLanguage(ProgramLanguage language);

signals:
    void aboutRequested();

private:
    Services &m_services;
    QAction *m_japanese = nullptr;
    QAction *m_english = nullptr;
};
