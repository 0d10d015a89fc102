#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

// The menus and their items under the design's names, which tests and real-window checks find
// them by.
QMenu *namedMenu(QMenuBar *menuBar, const char *name, const QString &caption);
QMenu *namedMenu(QMenu *parent, const char *name, const QString &caption);
QAction *menuItem(QMenu *menu, const char *name, const QString &caption,
                  const QList<QKeySequence> &keys = {});

// The style measures a caption with its access-key marker when it decides whether the caption
// fits, while the menu sizes itself without it; the widest caption would lose its middle to an
// ellipsis. Each time the menu opens it is made that much wider.
void keepCaptionsWhole(QMenu *menu);
