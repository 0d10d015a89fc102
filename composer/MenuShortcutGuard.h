#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;

// Text boxes claim editing keys such as Ctrl+V and Ctrl+X before any shortcut sees them.
// Installed on a text box, this lets the window's menu shortcuts win instead.
class MenuShortcutGuard : public QObject
{
public:
    explicit MenuShortcutGuard(const QList<QAction *> &actions, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QPointer<QAction>> m_actions;
};
