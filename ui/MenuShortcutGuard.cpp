#include "ui/MenuShortcutGuard.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenuBar>

MenuShortcutGuard::MenuShortcutGuard(QMenuBar *menuBar, const QList<QAction *> &actions,
                                     QObject *parent)
    : QObject(parent)
    , m_menuBar(menuBar)
{
    for (QAction *action : actions)
        m_actions.append(action);
}

QAction *MenuShortcutGuard::menuFor(const QKeyCombination &keys) const
{
    if (!m_menuBar || keys.keyboardModifiers() != Qt::AltModifier)
        return nullptr;
    for (QAction *menu : m_menuBar->actions())
        if (menu->isEnabled() && QKeySequence::mnemonic(menu->text()) == QKeySequence(keys))
            return menu;
    return nullptr;
}

bool MenuShortcutGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    if (QAction *menu = menuFor(keyEvent->keyCombination())) {
        // Accepting the override keeps the key from the shortcuts, buttons' access keys among
        // them; the key press that follows opens the menu.
        event->accept();
        if (event->type() == QEvent::KeyPress)
            m_menuBar->setActiveAction(menu);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        // No shortcut or access key took it: a line edit would type the letter. Alt with Ctrl is
        // AltGr on Windows, which types characters of its own.
        const Qt::KeyboardModifiers modifiers = keyEvent->modifiers();
        if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) &&
            !keyEvent->text().isEmpty() && keyEvent->text().at(0).isPrint())
            return true;
        return QObject::eventFilter(watched, event);
    }
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
