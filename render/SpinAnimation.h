#pragma once

#include "sign/Frame.h"

#include <QImage>
#include <QList>

// The roll turning in a loop: each frame held, then rolled up to the next through in-between
// pictures, the last rolling on to the first.
class SpinAnimation
{
public:
    struct Options
    {
        int holdMs = 2000;
        int steps = 8;
        int stepMs = 30;
        // Slow at either end of the roll, as a motor starts and stops.
        bool eased = true;
        // The frames that turn, by index, both included; a last of -1 means to the end.
        int first = 0;
        int last = -1;
        qreal scale = 1;
    };

    struct Picture
    {
        QImage image;
        int delayMs = 0;
    };

    SpinAnimation(const QList<Frame> &frames, const Options &options);

    // Each frame of the range held, then each in-between picture to the next, in turn.
    int count() const;
    Picture picture(int index) const;

    // How far the roll has moved at each in-between picture, as a part of a frame's height.
    QList<qreal> stepPositions() const;

private:
    int first() const;
    int last() const;
    QImage rolled(const Frame &from, const Frame &to, qreal moved) const;

    const QList<Frame> &m_frames;
    Options m_options;
};
