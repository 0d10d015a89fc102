#include "render/TimelinePictures.h"

#include <cmath>

TimelinePictures::TimelinePictures(const Timeline &timeline, int fps, qreal scale)
    : m_timeline(timeline)
    , m_fps(std::max(1, fps))
    , m_scale(scale)
{}

int TimelinePictures::count() const
{
    return int(std::lround(m_timeline.durationMs() * m_fps / 1000));
}

QSize TimelinePictures::size() const
{
    return m_timeline.size(m_scale);
}

qreal TimelinePictures::timeMs(int index) const
{
    return index * 1000.0 / m_fps;
}

QImage TimelinePictures::picture(int index)
{
    const qreal ms = timeMs(index);
    if (m_last.isNull() || ms < m_lastMs || ms >= m_steadyUntilMs) {
        m_last = m_timeline.render(ms, m_scale);
        m_lastMs = ms;
        m_steadyUntilMs = m_timeline.steadyUntilMs(ms);
    }
    return m_last;
}
