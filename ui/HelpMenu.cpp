#include "ui/HelpMenu.h"

#include "identity/AppIdentity.h"
#include "platform/MessageBoxService.h"
#include "platform/Services.h"
#include "ui/LaunchCommands.h"
#include "ui/MenuItems.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

HelpMenu::HelpMenu(QMenuBar *menuBar, Services &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
{
    QMenu *help = namedMenu(menuBar, "herupu", tr("ヘルプ(&H)"));
    QAction *about =
        menuItem(help, "bajyon", tr("バージョン情報(&V)"), {QKeySequence(Qt::CTRL | Qt::Key_V)});
    QAction *contents = menuItem(help, "hajimeni", tr("ヘルプ(&S)"), {QKeySequence(Qt::Key_F1)});
    connect(about, &QAction::triggered, this, &HelpMenu::aboutRequested);
    connect(contents, &QAction::triggered, this, &HelpMenu::openHelp);

    // Both names in both languages, so that a user who reads only one finds the way back.
    help->addSeparator();
    QMenu *language = namedMenu(help, "gengo", QStringLiteral("言語 / &Language"));
    m_japanese = menuItem(language, "languageJapanese", QStringLiteral("日本語(&J)"));
    m_english = menuItem(language, "languageEnglish", QStringLiteral("&English"));
    auto *choice = new QActionGroup(this);
    for (QAction *item : {m_japanese, m_english}) {
        item->setCheckable(true);
        choice->addAction(item);
    }
    (chosenLanguage(m_services.settings) == ProgramLanguage::English ? m_english : m_japanese)
        ->setChecked(true);
    connect(m_japanese, &QAction::triggered, this,
            [this] { chooseLanguage(ProgramLanguage::Japanese); });
    connect(m_english, &QAction::triggered, this,
            [this] { chooseLanguage(ProgramLanguage::English); });
    keepCaptionsWhole(help);
    keepCaptionsWhole(language);
}

void HelpMenu::openHelp()
{
    LaunchCommands(m_services.messages, m_services.launcher, QCoreApplication::applicationDirPath())
        .openHelp();
}

void HelpMenu::chooseLanguage(ProgramLanguage language)
{
    (language == ProgramLanguage::English ? m_english : m_japanese)->setChecked(true);
    if (chosenLanguage(m_services.settings) == language)
        return;
    rememberLanguage(m_services.settings, language);
    m_services.settings.sync();
    // Said in the language being left, which the user reads now.
    m_services.messages.tell(kAppTitle,
                             tr("表示の言語は、Quintelo を次に起動したときから切り替わります。"),
                             MessageBoxService::Icon::Information);
}
