#pragma once

#include "render/Timeline.h"

// A timeline as the pictures of a moving picture at fps a second: as many as its duration times
// the rate, picture k showing the sign at k/fps seconds. Asked for in order, as an encoder
// takes them, a picture that cannot have changed since the one before (a held frame) is handed
// out again rather than drawn again.
class TimelinePictures
{
public:
    TimelinePictures(const Timeline &timeline, int fps, qreal scale);

    int count() const;
    QSize size() const;
    qreal timeMs(int index) const;
    QImage picture(int index);

private:
    const Timeline &m_timeline;
    int m_fps;
    qreal m_scale;
    QImage m_last;
    qreal m_lastMs = 0;
    qreal m_steadyUntilMs = 0;
};
