#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class SignDocument;

// コマ: moving between the roll's frames, adding, duplicating, deleting, moving and renaming
// them, and showing the roll panel, whose buttons are this menu's items.
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

private:
    void step(int by);
    void moveCurrent(int by);

    SignDocument &m_document;
    QMenu *m_menu = nullptr;
    QAction *m_next = nullptr;
    QAction *m_previous = nullptr;
    QAction *m_add = nullptr;
    QAction *m_duplicate = nullptr;
    QAction *m_delete = nullptr;
    QAction *m_moveUp = nullptr;
    QAction *m_moveDown = nullptr;
    QAction *m_rename = nullptr;
    QAction *m_panel = nullptr;
};
