#pragma once

#include <QObject>

class ExportCommands;
class QMenuBar;
class QWidget;
class RollFileCommands;
struct Services;

// ファイル: the roll file's commands, the recently used files, the destination's picture, the
// exports and their settings, and the way out.
class FileMenu : public QObject
{
    Q_OBJECT

public:
    // window owns the menu bar and is the parent of the export settings dialog.
    FileMenu(QMenuBar *menuBar, RollFileCommands &rollFiles, ExportCommands &exports,
             Services &services, QWidget *window);

signals:
    // 終了: the window asks before it goes.
    void exitRequested();

private:
    void changeExportSettings();

    Services &m_services;
    QWidget *m_window;
};
