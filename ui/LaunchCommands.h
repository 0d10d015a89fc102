#pragma once

#include <QCoreApplication>
#include <QString>

class MessageBoxService;
class ProcessLauncher;

// Opens the help document and the web translation page with the programs the desktop
// associates with them, and tells the user when that cannot be done.
class LaunchCommands
{
    Q_DECLARE_TR_FUNCTIONS(LaunchCommands)

public:
    // programDir is where the program is installed; its help folder is the fallback when the
    // current folder has none.
    LaunchCommands(MessageBoxService &messages, ProcessLauncher &launcher, QString programDir);

    void openHelp();
    // Asks first: the page needs a connection to the internet.
    void openTranslationPage();

private:
    MessageBoxService &m_messages;
    ProcessLauncher &m_launcher;
    QString m_programDir;
};
