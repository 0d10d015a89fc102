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
class ColourAndFontCommands;
class CommandButton;
class EditMenu;
class ExportCommands;
class FileMenu;
class FormatMenu;
class HelpMenu;
class PlateTurn;
class PlateView;
class RollFileCommands;
class RollMenu;
class RollPanel;
class RollPlayer;
class SignLineEdit;
class TranslationMenu;
struct Services;

using FrameBox = TwipsControl<QGroupBox>;
using NoticeLabel = TwipsControl<QLabel>;

// Form1: the sign plate with its line edits, the command buttons at the design's places, and
// the menus, each run by a class of its own. The window edits the document and shows its
// current frame; every change goes through the document's undo history. It owns the roll panel
// and keeps it beside itself, and it asks before the program ends.
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
    void connectControls();
    void arrangeStackingAndTabs();
    // The menus' shortcuts and access keys come before the controls' own keys.
    void guardMenuShortcuts();
    void createRollPanel();
    void showCurrentFrame();
    // Another frame has become the current one: the plate turns to it, where the desktop allows.
    void turnToCurrentFrame();
    void showFileName();
    // Beside the window, else below it, wherever it covers nothing of the window; else hidden
    // until asked for.
    void placeRollPanel();
    // The plate, or the LED panel over which the line edits show only while typed into.
    void showLook();
    // 終了, the button and the menu item: asks, then ends the program.
    void exitAfterAsking();

    Services &m_services;
    SignDocument m_document;
    DialogMemory m_dialogMemory;
    bool m_exitConfirmed = false;
    RollFileCommands *m_rollFiles = nullptr;
    ExportCommands *m_exports = nullptr;
    ColourAndFontCommands *m_colourAndFont = nullptr;
    FileMenu *m_fileMenu = nullptr;
    EditMenu *m_editMenu = nullptr;
    RollMenu *m_rollMenu = nullptr;
    FormatMenu *m_formatMenu = nullptr;
    TranslationMenu *m_translationMenu = nullptr;
    HelpMenu *m_helpMenu = nullptr;
    RollPanel *m_rollPanel = nullptr;
    PlateTurn *m_turn = nullptr;
    RollPlayer *m_player = nullptr;
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
};
