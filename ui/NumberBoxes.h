#pragma once

#include <QString>

class QSpinBox;
class QWidget;

// A whole-number box with its object name, range, value and unit.
QSpinBox *numberBox(QWidget *parent, const char *name, int minimum, int maximum, int value,
                    const QString &suffix = {});

// The first and last frame a moving output shows, numbered from 1 on screen.
struct FrameRangeBoxes
{
    QSpinBox *first = nullptr;
    QSpinBox *last = nullptr;

    int firstIndex() const;
    // -1 when the roll's last frame is chosen, so that the end stays the end when the roll has
    // grown by the next time the choice is offered.
    int lastIndex() const;
};

// first and last count from 0; a last below 0 stands for the roll's last frame. Each box keeps
// the other within reach, so the range never turns inside out.
FrameRangeBoxes frameRangeBoxes(QWidget *parent, const char *firstName, const char *lastName,
                                int frameCount, int first, int last);
