#pragma once

#include <QObject>

class QMenuBar;
struct Services;

// ヘルプ: the About box, which the application opens, and the help document.
class HelpMenu : public QObject
{
    Q_OBJECT

public:
    HelpMenu(QMenuBar *menuBar, Services &services, QObject *parent = nullptr);

    void openHelp();

signals:
    void aboutRequested();

private:
    Services &m_services;
};
