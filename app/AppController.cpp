#include "app/AppController.h"

#include "app/AboutBox.h"
#include "app/SplashWindow.h"
#include "composer/Autosaver.h"
#include "composer/MainWindow.h"
#include "composer/RollFileCommands.h"
#include "platform/AppIdentity.h"
#include "platform/CentreOnScreen.h"
#include "platform/DialogOwner.h"
#include "platform/LogonNameService.h"
#include "platform/MessageBoxService.h"
#include "platform/RunModal.h"
#include "platform/Services.h"

#include <QGuiApplication>
#include <QSessionManager>

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
    m_splash = new SplashWindow(m_services.logonName.GetCurrentUserName());
    connect(m_splash, &SplashWindow::handOver, this, &AppController::showMainWindow);
    connect(m_splash, &SplashWindow::dismissed, this, &AppController::finishedWithoutMainWindow);
    m_splash->show();
}

void AppController::showMainWindow()
{
    m_mainWindow = std::make_unique<MainWindow>(m_services);
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
    // Work taken back is not saved anywhere yet, so the named file does not replace it.
    if (!offerRecovery() && !m_fileToOpen.isEmpty())
        m_mainWindow->rollFiles().openAfterAsking(m_fileToOpen);
}

bool AppController::offerRecovery()
{
    if (!m_autosaves.hasLeftover())
        return false;
    if (!m_services.messages.askYesNo(kAppTitle, QStringLiteral("前回の作業を復元しますか？"),
                                      MessageBoxService::Icon::Question)) {
        m_autosaves.setLeftoverAside();
        return false;
    }
    const RollFile::Loaded leftover = m_autosaves.leftover();
    if (!leftover.ok()) {
        m_services.messages.tell(kAppTitle, leftover.error, MessageBoxService::Icon::Critical);
        return false;
    }
    m_mainWindow->document().replaceFrames(leftover.frames, QString(), leftover.look);
    return true;
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
