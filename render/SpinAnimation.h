#pragma once

#include "render/Timeline.h"
#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QImage>
#include <QList>

#include <memory>

// The spin: the roll's timeline as an animation that loops, a picture for each change. The
// plate: each frame held, then a few pictures of the turn to the next, the last frame rolling
// straight on to the first as if the roll were a loop, so that the animation runs on without a
// jump (a real roll would wind back past every frame). The LED panel: each frame's pages in turn
// (Japanese, English, Chinese and Korean where it has them), a long line running through its
// window a dot at a time, and the next frame at once.
class SpinAnimation
{
public:
    struct Options
    {
        int holdMs = 2000;
        // The pictures of each turn, shown stepMs each: the turn takes (steps + 1) × stepMs,
        // its last step being the next frame's hold.
        int steps = 8;
        int stepMs = 30;
        // Slow at either end of the turn, as a motor starts and stops: speeding up over the
        // first half of the turn and slowing over the second; otherwise at one speed throughout.
        bool eased = true;
        // The frames that turn, by index, both included; a last of -1 means to the end.
        int first = 0;
        int last = -1;
        qreal scale = 1;
        SignLook look;
        // How long the LED panel shows each page of a frame.
        int alternateMs = 3000;
    };

    struct Picture
    {
        QImage image;
        int delayMs = 0;
    };

    SpinAnimation(const QList<Frame> &frames, const Options &options);
    ~SpinAnimation();

    int count() const;
    Picture picture(int index) const;

    // How far the roll has moved at each picture of a turn, as a part of a frame's height.
    QList<qreal> stepPositions() const;

private:
    // A picture of the timeline: when it is taken, and how long the animation shows it.
    struct Shot
    {
        qreal ms = 0;
        int delayMs = 0;
    };

    void takeTurns(int frames);
    void takeChanges();

    Options m_options;
    std::unique_ptr<Timeline> m_timeline;
    QList<Shot> m_shots;
};
