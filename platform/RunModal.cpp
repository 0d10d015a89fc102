#include "platform/RunModal.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

int runModal(QDialog &dialog, QWidget *returnTo)
{
    const QPointer<QWidget> previous = returnTo ? returnTo : QApplication::activeWindow();
    const int result = dialog.exec();
    if (previous && previous->isVisible())
        previous->activateWindow();
    return result;
}
