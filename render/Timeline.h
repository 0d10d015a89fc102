#pragma once

#include <QImage>
#include <QSize>

// What the sign shows over time, which every moving output (playing on screen, video, animated
// pictures) draws from. Each look has its kind: RollTimeline for the plate, its frames held and
// the roll turning between them; the LED panel's, its frames' pages in turn, long lines
// scrolling and frames changing at once, answers the same questions. Times are milliseconds
// from the start.
class Timeline
{
public:
    virtual ~Timeline() = default;

    virtual qreal durationMs() const = 0;
    // The roll's frame the sign shows at ms; while the roll turns, the one most in view.
    virtual int frameAt(qreal ms) const = 0;
    // Until when the picture shown at ms stays as it is: the end of a held frame or page, or ms
    // itself while anything moves. Outputs draw a picture once for all that time.
    virtual qreal steadyUntilMs(qreal ms) const = 0;
    // Every picture's size at scale times the sign's pixels.
    virtual QSize size(qreal scale) const = 0;
    virtual QImage render(qreal ms, qreal scale) const = 0;
};
