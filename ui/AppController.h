#pragma once

#include <QObject>
#include <QPointer>

#include "io/AutosaveStore.h"
#include "ui/SplashWindow.h"

#include <memory>

class Autosaver;
class MainWindow;
class QSessionManager;

struct Services;

// Runs the program's windows: the splash first, then the main window it hands over to, and
// the About box whenever the main window asks for it.
class AppController : public QObject
{
    Q_OBJECT

public:
    // Autosave files go in autosaveFolder; a file to open once the main window is up may be
    // named.
    explicit AppController(Services &services, const QString &autosaveFolder,
                           QObject *parent = nullptr);
    ~AppController() override;

    void start();
    void openOnStart(const QString &fileName) { m_fileToOpen = fileName; }
    // Told once the main window is up, before anything else is asked; empty: nothing.
    void tellOnStart(const QString &message) { m_startNotice = message; }

    SplashWindow *splash() const { return m_splash; }
    MainWindow *mainWindow() const { return m_mainWindow.get(); }

signals:
    // The splash was closed by a key before the main window existed: nothing is left to run.
    void finishedWithoutMainWindow();

private:
    void showMainWindow();
    void openAbout();
    void commitSession(QSessionManager &manager);
    // Once the main window is up and the splash gone: the work other copies left behind, then
    // the file named on the command line.
    void askAtStart();
    // Answers whether the user took any leftover back.
    bool offerLeftovers();

    Services &m_services;
    QPointer<SplashWindow> m_splash;
    std::unique_ptr<MainWindow> m_mainWindow;
    AutosaveStore m_autosaves;
    std::unique_ptr<Autosaver> m_autosaver;
    QString m_fileToOpen;
    QString m_startNotice;
};
