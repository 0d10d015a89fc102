#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class SignDocument;

// コマ: moving between the roll's frames, playing the roll, adding, duplicating, deleting,
// moving and renaming frames, the current frame's Chinese and Korean lines, and showing the roll
// panel, whose buttons are this menu's items.
class RollMenu : public QObject
{
    Q_OBJECT

public:
    RollMenu(QMenuBar *menuBar, SignDocument &document, QObject *parent = nullptr);

    QMenu *menu() const { return m_menu; }
    // The items the roll panel shows as its buttons, in its order.
    QList<QAction *> panelButtons() const;
    // Ticked while the roll panel is to be shown.
    QAction *panelAction() const { return m_panel; }
    // Greys what cannot be done from the current frame.
    void enableForCurrentFrame();

signals:
    // The roll panel is shown; it is to edit the current frame's name.
    void renameRequested();
    // 再生: the roll is to play from the current frame.
    void playRequested();

private:
    void step(int by);
    void moveCurrent(int by);
    // 多言語表示…: OK makes one step of the lines changed; Cancel changes nothing.
    void editPanelLanguages();

    SignDocument &m_document;
    QWidget *m_window = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_next = nullptr;
    QAction *m_previous = nullptr;
    QAction *m_play = nullptr;
    QAction *m_add = nullptr;
    QAction *m_duplicate = nullptr;
    QAction *m_delete = nullptr;
    QAction *m_moveUp = nullptr;
    QAction *m_moveDown = nullptr;
    QAction *m_rename = nullptr;
    QAction *m_languages = nullptr;
    QAction *m_panel = nullptr;
};
