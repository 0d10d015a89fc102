#pragma once

#include "render/Timeline.h"
#include "sign/Frame.h"

#include <QList>

// The plate look in time: the roll stops at each frame for a while, then turns to the next
// stop. A turn passes every frame between the two, as a real roll must, downwards or back up,
// and moves as a roll's motor does: it speeds up evenly, runs at one speed and slows evenly to
// a stop, taking about passMs for each frame it passes.
class RollTimeline final : public Timeline
{
public:
    struct Options
    {
        int holdMs = 2000; // how long the roll stops at each stop
        int passMs = 1000; // a turn takes this long for each frame it passes
        // How long the motor takes to reach its speed, and to stop again; at most half a turn.
        int rampMs = 250;
        // The frames the roll stops at, in order, by index; empty: each frame from first to
        // last. A last of -1 means to the end of the roll.
        QList<int> stops;
        int first = 0;
        int last = -1;
    };

    // What the plate window shows: the part of frame below its top edge, moved up by a part of
    // a frame's height, and the top of next below it.
    struct Shown
    {
        int frame = 0;
        int next = 0;
        qreal moved = 0;

        bool operator==(const Shown &) const = default;
    };

    RollTimeline(QList<Frame> frames, Options options);

    // Where the roll stands at ms, counted in frames from the top of the roll: 2.25 shows frame
    // 2 a quarter of the way up and out of the window, frame 3 coming in below it.
    qreal positionAt(qreal ms) const;
    Shown shownAt(qreal ms) const;
    // The frames the roll stops at, in order.
    QList<int> stops() const;

    qreal durationMs() const override;
    int frameAt(qreal ms) const override;
    qreal steadyUntilMs(qreal ms) const override;
    QSize size(qreal scale) const override;
    QImage render(qreal ms, qreal scale) const override;

private:
    // A stop (from == to) or a turn, starting at startMs.
    struct Segment
    {
        qreal startMs = 0;
        qreal lengthMs = 0;
        int from = 0;
        int to = 0;
    };

    const Segment *segmentAt(qreal ms) const;
    // How many frames a turn has passed ms into it.
    qreal travelled(const Segment &turn, qreal ms) const;

    QList<Frame> m_frames;
    Options m_options;
    QList<Segment> m_segments;
};
