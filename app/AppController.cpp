#include "app/AppController.h"

#include "app/SplashWindow.h"
#include "composer/MainWindow.h"
#include "platform/CentreOnScreen.h"
#include "platform/LogonNameService.h"
#include "platform/Services.h"

AppController::AppController(Services &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
{
}

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
    connect(m_mainWindow.get(), &MainWindow::aboutRequested, this, &AppController::openAbout);
    m_mainWindow->adjustSize();
    centreOnScreen(m_mainWindow.get());
    m_mainWindow->show();
    m_mainWindow->activateWindow();
}

void AppController::openAbout() {}
