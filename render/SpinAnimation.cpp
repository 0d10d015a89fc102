#include "render/SpinAnimation.h"

#include "render/LedTimeline.h"
#include "render/RollTimeline.h"

#include <algorithm>
#include <cmath>

namespace {

RollTimeline::Options turns(const SpinAnimation::Options &spin)
{
    RollTimeline::Options options;
    options.holdMs = std::max(0, spin.holdMs);
    options.passMs = (1 + std::max(0, spin.steps)) * std::max(0, spin.stepMs);
    options.rampMs = spin.eased ? options.passMs / 2 : 0;
    return options;
}

} // namespace

SpinAnimation::SpinAnimation(const QList<Frame> &frames, const Options &options)
    : m_options(options)
{
    if (frames.isEmpty())
        return;
    const int end = int(frames.size()) - 1;
    const int first = std::clamp(options.first, 0, end);
    const int last = options.last < 0 ? end : std::clamp(options.last, first, end);
    if (options.look.isLed()) {
        m_timeline = std::make_unique<LedTimeline>(
            frames, options.look.led,
            LedTimeline::Options{options.alternateMs, LedTimeline::Options().scrollDotsPerSecond,
                                 first, last});
        takeChanges();
        return;
    }
    QList<Frame> looped = frames.mid(first, last - first + 1);
    // A single frame has nothing to roll on to.
    if (looped.size() > 1)
        looped << looped.constFirst();
    const int stops = int(looped.size()) - (looped.size() > 1 ? 1 : 0);
    m_timeline = std::make_unique<RollTimeline>(std::move(looped), turns(options));
    takeTurns(stops);
}

SpinAnimation::~SpinAnimation() = default;

void SpinAnimation::takeTurns(int frames)
{
    const RollTimeline::Options timing = turns(m_options);
    const int steps = frames > 1 ? std::max(0, m_options.steps) : 0;
    for (int i = 0; i < frames; ++i) {
        const qreal stop = qreal(i) * (timing.holdMs + timing.passMs);
        m_shots.append({stop, timing.holdMs});
        for (int k = 1; k <= steps; ++k)
            m_shots.append({stop + timing.holdMs + qreal(k) * m_options.stepMs, m_options.stepMs});
    }
}

void SpinAnimation::takeChanges()
{
    // Each picture starts on the hundredth of a second its time rounds to, as a GIF counts, so
    // that a scroll's many short pictures keep its pace.
    const auto hundredth = [](qreal ms) { return int(std::lround(ms / 10)) * 10; };
    const qreal end = m_timeline->durationMs();
    for (qreal ms = 0; ms < end;) {
        const qreal next = std::min(end, std::max(m_timeline->steadyUntilMs(ms), ms + 10));
        m_shots.append({ms, std::max(10, hundredth(next) - hundredth(ms))});
        ms = next;
    }
}

QList<qreal> SpinAnimation::stepPositions() const
{
    const RollTimeline::Options timing = turns(m_options);
    const RollTimeline turn(QList<Frame>(2), timing);
    QList<qreal> positions;
    for (int k = 1; k <= std::max(0, m_options.steps); ++k)
        positions << turn.positionAt(timing.holdMs + qreal(k) * m_options.stepMs);
    return positions;
}

int SpinAnimation::count() const
{
    return int(m_shots.size());
}

SpinAnimation::Picture SpinAnimation::picture(int index) const
{
    const Shot &shot = m_shots.at(index);
    return {m_timeline->render(shot.ms, m_options.scale), shot.delayMs};
}
