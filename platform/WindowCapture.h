#pragma once

#include <QImage>

class QWidget;

// Takes a picture of what a window shows inside one of its controls' rectangles.
class WindowCapture
{
public:
    virtual ~WindowCapture() = default;

    // Exactly the control's rectangle as its window shows it, overlapping siblings and all,
    // at the screen's pixel density. A hidden control yields what lies beneath its rectangle.
    virtual QImage capture(QWidget &control) = 0;
};
