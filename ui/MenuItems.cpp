#include "ui/MenuItems.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

QMenu *namedMenu(QMenuBar *menuBar, const char *name, const QString &caption)
{
    QMenu *menu = menuBar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu *namedMenu(QMenu *parent, const char *name, const QString &caption)
{
    QMenu *menu = parent->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction *menuItem(QMenu *menu, const char *name, const QString &caption,
                  const QList<QKeySequence> &keys)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    return action;
}

void keepCaptionsWhole(QMenu *menu)
{
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        // The menu lays its items out again only when told that they changed: once to measure
        // them without the width of its last opening, which would otherwise grow each time, and
        // once to lay them out at the new width.
        const auto relayOut = [menu] {
            QEvent itemsChanged(QEvent::FontChange);
            QCoreApplication::sendEvent(menu, &itemsChanged);
        };
        menu->setMinimumWidth(0);
        relayOut();
        menu->setMinimumWidth(menu->sizeHint().width() +
                              menu->fontMetrics().horizontalAdvance(u'&'));
        relayOut();
    });
}
