#include "ui/HelpMenu.h"

#include "platform/Services.h"
#include "ui/LaunchCommands.h"
#include "ui/MenuItems.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

HelpMenu::HelpMenu(QMenuBar *menuBar, Services &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
{
    QMenu *help = namedMenu(menuBar, "herupu", QStringLiteral("ヘルプ(&H)"));
    QAction *about = menuItem(help, "bajyon", QStringLiteral("バージョン情報(&V)"),
                              {QKeySequence(Qt::CTRL | Qt::Key_V)});
    QAction *contents =
        menuItem(help, "hajimeni", QStringLiteral("ヘルプ(&S)"), {QKeySequence(Qt::Key_F1)});
    connect(about, &QAction::triggered, this, &HelpMenu::aboutRequested);
    connect(contents, &QAction::triggered, this, &HelpMenu::openHelp);
    keepCaptionsWhole(help);
}

void HelpMenu::openHelp()
{
    LaunchCommands(m_services.messages, m_services.launcher, QCoreApplication::applicationDirPath())
        .openHelp();
}
