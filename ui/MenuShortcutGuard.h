#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMenuBar;

// The window's menus come before its controls. Text boxes claim editing keys such as Ctrl+V and
// Ctrl+X before any shortcut sees them, and a button that shares an access key with a menu
// (Alt+F, Alt+H) would take the key on the first press. Installed on each control, this hands
// the menu items' shortcuts to the menus and opens the menu whose access key was pressed. An Alt
// key that nothing takes does nothing, rather than typing its letter into a line.
class MenuShortcutGuard : public QObject
{
public:
    MenuShortcutGuard(QMenuBar *menuBar, const QList<QAction *> &actions,
                      QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *menuFor(const QKeyCombination &keys) const;

    QPointer<QMenuBar> m_menuBar;
    QList<QPointer<QAction>> m_actions;
};
