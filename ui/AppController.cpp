#include "ui/AppController.h"

#include "identity/AppIdentity.h"
#include "io/Autosaver.h"
#include "messages/FailureMessage.h"
#include "platform/CentreOnScreen.h"
#include "platform/DialogOwner.h"
#include "platform/LogonNameService.h"
#include "platform/MessageBoxService.h"
#include "platform/RunModal.h"
#include "platform/Services.h"
#include "ui/AboutBox.h"
#include "ui/MainWindow.h"
#include "ui/RollFileCommands.h"
#include "ui/SplashWindow.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QSessionManager>
#include <QTimer>

AppController::AppController(Services &services, const QString &autosaveFolder, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_autosaves(autosaveFolder)
{}

AppController::~AppController()
{
    delete m_splash;
    // Reached on a normal end only: a crash or a kill leaves the autosave for the next start.
    if (m_mainWindow)
        m_autosaves.discard();
}

void AppController::start()
{
    m_splash = new SplashWindow(m_services.logonName.greetingName());
    connect(m_splash, &SplashWindow::handOver, this, &AppController::showMainWindow);
    connect(m_splash, &SplashWindow::dismissed, this, &AppController::finishedWithoutMainWindow);
    m_splash->show();
}

void AppController::showMainWindow()
{
    m_mainWindow = std::make_unique<MainWindow>(m_services, &m_autosaves);
    m_services.dialogOwner.setWindow(m_mainWindow.get());
    connect(m_mainWindow.get(), &MainWindow::aboutRequested, this, &AppController::openAbout);
    // The desktop session ending is one more way out, and asks like the others.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &AppController::commitSession,
            Qt::DirectConnection);
    m_mainWindow->adjustSize();
    centreOnScreen(m_mainWindow.get());
    m_mainWindow->show();
    m_mainWindow->activateWindow();

    if (!m_startNotice.isEmpty())
        m_services.messages.tell(kAppTitle, m_startNotice, MessageBoxService::Icon::Exclamation);
    // Claimed only now: a program ended at the splash must not take another copy's leftover.
    if (m_autosaves.claim())
        m_autosaver = std::make_unique<Autosaver>(m_mainWindow->document(), m_autosaves);
    // The splash closes as soon as this returns; a question asked here would keep it on the
    // screen beneath the main window until answered.
    QTimer::singleShot(0, this, &AppController::askAtStart);
}

void AppController::askAtStart()
{
    if (!m_mainWindow)
        return;
    // Work taken back is not saved anywhere yet, so the named file does not replace it.
    if (!offerLeftovers()) {
        if (!m_fileToOpen.isEmpty())
            m_mainWindow->rollFiles().openAfterAsking(m_fileToOpen);
    } else if (!m_fileToOpen.isEmpty()) {
        m_services.messages.tell(
            kAppTitle,
            QStringLiteral("前回の作業を復元したため、幕データ「%1」は開いていません。\n\n"
                           "復元した作業を保存してから、ファイル → 開く で開いてください。")
                .arg(QDir::toNativeSeparators(m_fileToOpen)),
            MessageBoxService::Icon::Information);
    }
}

bool AppController::offerLeftovers()
{
    RollFileCommands &rollFiles = m_mainWindow->rollFiles();
    const QList<AutosaveStore::Leftover> leftovers = m_autosaves.leftovers();
    bool restored = false;
    QStringList kept;
    const auto keep = [this, &kept](const AutosaveStore::Leftover &leftover) {
        // Where it cannot be moved it stays in its place, to be offered again at the next start.
        const QString where = m_autosaves.keep(leftover);
        kept << QDir::toNativeSeparators(where.isEmpty() ? leftover.fileName : where);
    };
    for (qsizetype i = 0; i < leftovers.size(); ++i) {
        const AutosaveStore::Leftover &leftover = leftovers[i];
        const QString count =
            leftovers.size() > 1
                ? QStringLiteral("（%1 件のうち %2 件目）").arg(leftovers.size()).arg(i + 1)
                : QString();
        const QString text =
            QStringLiteral("前回の作業を復元しますか？%1\n\n幕データ：%2\n最後の変更：%3")
                .arg(count,
                     leftover.rollFile.isEmpty() ? QStringLiteral("無題")
                                                 : QDir::toNativeSeparators(leftover.rollFile),
                     QLocale(QLocale::Japanese)
                         .toString(leftover.lastChange, QStringLiteral("yyyy/MM/dd HH:mm")));
        if (!m_services.messages.askYesNo(kAppTitle, text, MessageBoxService::Icon::Question)) {
            keep(leftover);
            continue;
        }
        const RollFile::Loaded loaded = AutosaveStore::load(leftover);
        if (!loaded.ok()) {
            m_services.messages.tell(
                kAppTitle, FailureMessage::paragraphs(loaded.failure, FileSubject::Autosave),
                MessageBoxService::Icon::Critical);
            keep(leftover);
            continue;
        }
        // A second piece of work takes the place of the first, which is not saved yet.
        if (restored && !rollFiles.confirmDiscard()) {
            keep(leftover);
            continue;
        }
        rollFiles.restore(loaded.frames, loaded.look, leftover.rollFile);
        restored = true;
        // Its work is safe in this copy's own autosave before its file goes; else it stays, to
        // be offered again at the next start.
        if (m_autosaver && m_autosaver->saveNow())
            m_autosaves.forget(leftover);
    }
    if (!kept.isEmpty())
        m_services.messages.tell(
            kAppTitle,
            QStringLiteral("復元しなかった作業は、次の場所に残してあります。ファイル → 開く で"
                           "開けます（%1 日後に削除します）。\n\n%2")
                .arg(AutosaveStore::kKeptDays)
                .arg(kept.join(u'\n')),
            MessageBoxService::Icon::Information);
    return restored;
}

void AppController::openAbout()
{
    // Released when it closes: the next opening builds a new box.
    const auto about = std::make_unique<AboutBox>(m_services.logonName, m_mainWindow.get());
    runModal(*about);
}

void AppController::commitSession(QSessionManager &manager)
{
    if (!m_mainWindow || m_mainWindow->isHidden())
        return;
    // Without leave to ask, refusing would only hold up the user's log-out: let it end.
    if (!manager.allowsInteraction())
        return;
    const bool leave = m_mainWindow->confirmClose();
    manager.release();
    if (!leave)
        manager.cancel();
}
