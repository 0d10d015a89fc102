#pragma once

#include <QObject>

class MessageBoxService;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class SignDocument;
struct Frame;
struct SignLook;

// 書式: 均等割り付け, the service-type presets and line colours (the shipped ones and the
// user's own), and the look of the whole roll, the plate or the LED panel and its settings.
class FormatMenu : public QObject
{
    Q_OBJECT

public:
    // window owns the menu bar and is the parent of the LED settings dialog; a broken presets
    // file is told through messages once the window is up.
    FormatMenu(QMenuBar *menuBar, SignDocument &document, MessageBoxService &messages,
               QWidget *window);

    // What applies to the frame: 均等割り付け's state, and the presets of its layout.
    void showFrame(const Frame &frame);
    void showLook(const SignLook &look);

private:
    void showJustify(const Frame &frame);
    void fillPresetMenus();
    void changeLedSettings();

    SignDocument &m_document;
    MessageBoxService &m_messages;
    QWidget *m_window;
    QAction *m_justify = nullptr;
    QMenu *m_typePresets = nullptr;
    QMenu *m_lineColours = nullptr;
    QAction *m_plateLook = nullptr;
    QAction *m_ledLook = nullptr;
};
