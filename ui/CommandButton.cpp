#include "ui/CommandButton.h"

#include <QKeyEvent>

CommandButton::CommandButton(const TwipRect &rect, const QString &caption, QWidget *parent)
    : TwipsControl<QPushButton>(rect, caption, parent)
{}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        click();
        return;
    }
    TwipsControl<QPushButton>::keyPressEvent(event);
}
