#include "render/SpinAnimation.h"

#include "render/PlatePainter.h"
#include "render/RollingPicture.h"

#include <algorithm>

SpinAnimation::SpinAnimation(const QList<Frame> &frames, const Options &options)
    : m_frames(frames)
    , m_options(options)
{}

QList<qreal> SpinAnimation::stepPositions() const
{
    QList<qreal> positions;
    const int steps = std::max(0, m_options.steps);
    for (int k = 1; k <= steps; ++k) {
        const qreal t = qreal(k) / (steps + 1);
        positions << (m_options.eased ? t * t * (3 - 2 * t) : t);
    }
    return positions;
}

QImage SpinAnimation::ledPhase(const Frame &frame, LedPhase phase) const
{
    return PlatePainter(frame, m_options.look, phase).render(m_options.scale);
}

QImage SpinAnimation::rolled(const Frame &from, const Frame &to, qreal moved) const
{
    return rollingPicture(from, to, moved, m_options.look, m_options.scale);
}

int SpinAnimation::first() const
{
    return std::clamp(m_options.first, 0, int(m_frames.size()) - 1);
}

int SpinAnimation::last() const
{
    const int end = int(m_frames.size()) - 1;
    return m_options.last < 0 ? end : std::clamp(m_options.last, first(), end);
}

int SpinAnimation::count() const
{
    if (m_frames.isEmpty())
        return 0;
    const int frames = last() - first() + 1;
    if (m_options.look.isLed())
        return frames * 2;
    // A single frame has nothing to roll on to.
    return frames == 1 ? 1 : frames * (1 + std::max(0, m_options.steps));
}

SpinAnimation::Picture SpinAnimation::picture(int index) const
{
    if (m_options.look.isLed())
        return {ledPhase(m_frames[first() + index / 2],
                         index % 2 == 0 ? LedPhase::Japanese : LedPhase::English),
                m_options.alternateMs};
    const int perFrame = 1 + std::max(0, m_options.steps);
    const int at = first() + index / perFrame;
    const int step = index % perFrame;
    const Frame &frame = m_frames[at];
    if (step == 0)
        return {rolled(frame, frame, 0), m_options.holdMs};
    const Frame &next = m_frames[at == last() ? first() : at + 1];
    return {rolled(frame, next, stepPositions()[step - 1]), m_options.stepMs};
}
