#include "ui/FileMenu.h"

#include "export/ExportSettings.h"
#include "platform/RunModal.h"
#include "platform/Services.h"
#include "ui/ExportCommands.h"
#include "ui/ExportSettingsDialog.h"
#include "ui/MenuItems.h"
#include "ui/RollFileCommands.h"

#include <QMenu>
#include <QMenuBar>

FileMenu::FileMenu(QMenuBar *menuBar, RollFileCommands &rollFiles, ExportCommands &exports,
                   Services &services, QWidget *window)
    : QObject(window)
    , m_services(services)
    , m_window(window)
{
    QMenu *file = namedMenu(menuBar, "fairu", tr("ファイル(&F)"));
    QAction *newRoll =
        menuItem(file, "sinki", tr("新規(&N)"), {QKeySequence(Qt::CTRL | Qt::Key_N)});
    QAction *open =
        menuItem(file, "hiraku", tr("開く(&O)..."), {QKeySequence(Qt::CTRL | Qt::Key_O)});
    QAction *saveRoll = menuItem(file, "makuhozon", tr("幕データを保存(&D)"),
                                 {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    QAction *saveRollAs = menuItem(file, "namaewotukete", tr("名前を付けて幕データを保存(&A)..."));
    QMenu *recent = namedMenu(file, "saikin", tr("最近使ったファイル"));
    connect(file, &QMenu::aboutToShow, this,
            [&rollFiles, recent] { rollFiles.fillRecentMenu(recent); });
    rollFiles.fillRecentMenu(recent);
    file->addSeparator();
    QAction *saveDestination =
        menuItem(file, "hozon", tr("保存(&S)"), {QKeySequence(Qt::CTRL | Qt::Key_S)});
    QMenu *exportMenu = namedMenu(file, "kakidasi", tr("書き出し(&E)"));
    QAction *strip = menuItem(exportMenu, "exportStrip", tr("全コマを縦に並べて保存(&S)..."));
    QAction *spin = menuItem(exportMenu, "exportSpin", tr("回転アニメーション(&A)..."));
    QAction *video = menuItem(exportMenu, "exportVideo", tr("動画として保存(&V)..."));
    QAction *names = menuItem(exportMenu, "exportNames", tr("コマ一覧(&L)..."));
    QAction *printSheet = menuItem(exportMenu, "insatusheet", tr("印刷用シート (PDF)(&P)..."));
    QAction *exportSettings = menuItem(file, "kakidasisettei", tr("書き出し設定(&T)..."));
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction *exit = menuItem(file, "end", tr("終了(&X)"), {QKeySequence(Qt::CTRL | Qt::Key_X)});

    connect(newRoll, &QAction::triggered, &rollFiles, &RollFileCommands::newRoll);
    connect(open, &QAction::triggered, &rollFiles, &RollFileCommands::open);
    connect(saveRoll, &QAction::triggered, &rollFiles, &RollFileCommands::save);
    connect(saveRollAs, &QAction::triggered, &rollFiles, &RollFileCommands::saveAs);
    connect(saveDestination, &QAction::triggered, &exports, &ExportCommands::saveDestination);
    connect(strip, &QAction::triggered, &exports, &ExportCommands::saveStrip);
    connect(spin, &QAction::triggered, &exports, &ExportCommands::saveSpin);
    connect(video, &QAction::triggered, &exports, &ExportCommands::saveVideo);
    connect(names, &QAction::triggered, &exports, &ExportCommands::saveFrameNames);
    connect(printSheet, &QAction::triggered, &exports, &ExportCommands::savePrintSheet);
    connect(exportSettings, &QAction::triggered, this, &FileMenu::changeExportSettings);
    connect(exit, &QAction::triggered, this, &FileMenu::exitRequested);

    for (QMenu *menu : {file, recent, exportMenu})
        keepCaptionsWhole(menu);
}

void FileMenu::changeExportSettings()
{
    ExportSettingsDialog dialog(ExportSettings::load(m_services.settings), m_window);
    if (runModal(dialog) == QDialog::Accepted)
        dialog.settings().save(m_services.settings);
}
