#include "composer/MenuShortcutGuard.h"

#include <QAction>
#include <QKeyEvent>

MenuShortcutGuard::MenuShortcutGuard(const QList<QAction *> &actions, QObject *parent)
    : QObject(parent)
{
    for (QAction *action : actions)
        m_actions.append(action);
}

bool MenuShortcutGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    const QKeySequence pressed(keyEvent->keyCombination());
    for (const QPointer<QAction> &action : std::as_const(m_actions)) {
        if (action && action->isEnabled() && action->shortcuts().contains(pressed)) {
            // Swallowing the override unaccepted hands the key to the shortcut map.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
