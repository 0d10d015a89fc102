#pragma once

#include "render/SpinAnimation.h"
#include "ui/NumberBoxes.h"

#include <QDialog>

class QSpinBox;

// Asks how the roll turns in the animation: how long each frame is held, in how many steps it
// rolls on, and from which frame to which.
class SpinOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    SpinOptionsDialog(int frameCount, const SpinAnimation::Options &options,
                      QWidget *parent = nullptr);

    SpinAnimation::Options options() const;

private:
    SpinAnimation::Options m_options;
    QSpinBox *m_hold = nullptr;
    QSpinBox *m_alternate = nullptr;
    QSpinBox *m_steps = nullptr;
    FrameRangeBoxes m_range;
};
