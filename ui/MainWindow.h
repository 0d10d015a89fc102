#pragma once

#include "sign/Frame.h"
#include "sign/SignDocument.h"
#include "ui/DialogMemory.h"
#include "ui/TwipsControl.h"

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>

#include <array>
#include <optional>

class AutosaveStore;
class CommandButton;
class PlateTurn;
class PlateView;
class RollExportCommands;
class RollFileCommands;
class RollPanel;
class SignLineEdit;
struct Services;

using FrameBox = TwipsControl<QGroupBox>;
using NoticeLabel = TwipsControl<QLabel>;

// Form1: the sign plate with its line edits, the command buttons and the menus. The window
// edits the document and shows its current frame; every change goes through the document's
// undo history.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // otherCopies tells which roll files other running copies of the program have open.
    explicit MainWindow(Services &services, const AutosaveStore *otherCopies = nullptr,
                        QWidget *parent = nullptr);
    ~MainWindow() override;

    SignDocument &document() { return m_document; }
    RollFileCommands &rollFiles() { return *m_rollFiles; }
    SignLineEdit *lineEdit(SignLine line) const { return m_lineEdits[std::size_t(line)]; }
    RollPanel *rollPanel() const { return m_rollPanel; }

    // Asks before the window closes; answers false to keep it open. Once leaving has been
    // confirmed it does not ask again.
    bool confirmClose();

signals:
    // The About box belongs to the application; the window only asks for it.
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createControls();
    void createMenus();
    void arrangeStackingAndTabs();
    void createRollMenu();
    void showCurrentFrame();
    // Another frame has become the current one: the plate turns to it, where the desktop allows.
    void turnToCurrentFrame();
    void enableRollActions();
    // The shipped service-type and line-colour presets, and the user's own.
    void fillPresetMenus();
    void showFileName();
    // Beside the window, else below it, wherever it covers nothing of the window; else hidden
    // until asked for.
    void placeRollPanel();
    // The plate, or the LED panel over which the line edits show only while typed into.
    void showLook();

    void onMainColour();
    void onEnglishColour();
    void onEnglishBand();
    void onMainFont();
    void onToggleLayout();
    void onLedSettings();
    void onSavePlate();
    void onSaveDestination();
    void onSavePrintSheet();
    void onExportSettings();
    void onOpenTranslation();
    void onOpenHelp();
    void onExit();
    // Both saves: ask for a name, then draw the area of the plate and write it.
    void savePicture(const QRect &area);
    // A colour button: the colour dialog opens on the last colour chosen in any of them.
    std::optional<QColor> chooseColour();

    Services &m_services;
    SignDocument m_document;
    DialogMemory m_dialogMemory;
    bool m_exitConfirmed = false;
    RollFileCommands *m_rollFiles = nullptr;
    RollExportCommands *m_exports = nullptr;
    RollPanel *m_rollPanel = nullptr;
    PlateTurn *m_turn = nullptr;
    // What the plate shows, for the turn away from it.
    Frame m_shownFrame;
    int m_shownIndex = 0;
    bool m_panelPlaced = false;
    // Where the panel was put, while it stands there.
    std::optional<QRect> m_panelPlace;

    PlateView *m_plate = nullptr;
    std::array<SignLineEdit *, 4> m_lineEdits{};
    CommandButton *m_savePlateButton = nullptr;
    CommandButton *m_exitButton = nullptr;
    CommandButton *m_aboutButton = nullptr;
    CommandButton *m_englishColourButton = nullptr;
    CommandButton *m_englishBandButton = nullptr;
    CommandButton *m_mainColourButton = nullptr;
    FrameBox *m_englishGroup = nullptr;
    CommandButton *m_translateButton = nullptr;
    FrameBox *m_signGroup = nullptr;
    CommandButton *m_toggleLayoutButton = nullptr;
    CommandButton *m_mainFontButton = nullptr;
    FrameBox *m_plateFrame = nullptr;
    NoticeLabel *m_noticeLabel = nullptr;

    QAction *m_newAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_saveRollAction = nullptr;
    QAction *m_saveRollAsAction = nullptr;
    QAction *m_saveDestinationAction = nullptr;
    QAction *m_printSheetAction = nullptr;
    QAction *m_exportSettingsAction = nullptr;
    QAction *m_stripAction = nullptr;
    QAction *m_spinAction = nullptr;
    QAction *m_namesAction = nullptr;
    QAction *m_nextFrameAction = nullptr;
    QAction *m_previousFrameAction = nullptr;
    QAction *m_addFrameAction = nullptr;
    QAction *m_duplicateFrameAction = nullptr;
    QAction *m_deleteFrameAction = nullptr;
    QAction *m_moveUpAction = nullptr;
    QAction *m_moveDownAction = nullptr;
    QAction *m_renameFrameAction = nullptr;
    QAction *m_panelAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QAction *m_justifyAction = nullptr;
    QMenu *m_rollMenu = nullptr;
    QMenu *m_typePresetMenu = nullptr;
    QMenu *m_lineColourMenu = nullptr;
    QAction *m_plateLookAction = nullptr;
    QAction *m_ledLookAction = nullptr;
    QAction *m_translateAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_helpAction = nullptr;
};
