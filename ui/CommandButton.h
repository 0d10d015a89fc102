#pragma once

#include "ui/TwipsControl.h"

#include <QPushButton>

// A push button of the main window placed in twips. Enter presses the focused button as Space
// does, as on any form of this kind.
class CommandButton : public TwipsControl<QPushButton>
{
public:
    CommandButton(const TwipRect &rect, const QString &caption, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
