#include "platform/RunModal.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

int runModal(QDialog &dialog)
{
    const QPointer<QWidget> owner =
        dialog.parentWidget() ? dialog.parentWidget()->window() : QApplication::activeWindow();
    const QPointer<QWidget> focus = owner ? owner->focusWidget() : nullptr;
    const int result = dialog.exec();
    if (owner && owner->isVisible()) {
        owner->activateWindow();
        if (focus && focus->isVisible() && focus->isEnabled())
            focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    return result;
}
