#pragma once

#include "platform/WindowCapture.h"

// Draws the window's own widgets into the picture rather than reading the screen, so another
// window lying over the control never ends up in it. Text carets and selection highlights
// are left out: they belong to editing, not to the picture.
class QtWindowCapture final : public WindowCapture
{
public:
    QImage capture(QWidget &control) override;
};
