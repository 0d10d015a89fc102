#include "ui/TranslationMenu.h"

#include "platform/Services.h"
#include "ui/LaunchCommands.h"
#include "ui/MenuItems.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

TranslationMenu::TranslationMenu(QMenuBar *menuBar, Services &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
{
    QMenu *translation = namedMenu(menuBar, "iro", tr("翻訳(&C)"));
    QAction *translate =
        menuItem(translation, "honyak", tr("YAHOO翻訳(&H)"), {QKeySequence(Qt::CTRL | Qt::Key_H)});
    connect(translate, &QAction::triggered, this, &TranslationMenu::openTranslationPage);
    keepCaptionsWhole(translation);
}

void TranslationMenu::openTranslationPage()
{
    LaunchCommands(m_services.messages, m_services.launcher, QCoreApplication::applicationDirPath())
        .openTranslationPage();
}
