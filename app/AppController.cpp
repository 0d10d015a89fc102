#include "app/AppController.h"

#include "app/AboutBox.h"
#include "app/SplashWindow.h"
#include "composer/MainWindow.h"
#include "platform/CentreOnScreen.h"
#include "platform/DialogOwner.h"
#include "platform/LogonNameService.h"
#include "platform/RunModal.h"
#include "platform/Services.h"

#include <QGuiApplication>
#include <QSessionManager>

AppController::AppController(Services &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
{}

AppController::~AppController()
{
    delete m_splash;
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
