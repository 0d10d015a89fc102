#include "render/RollTimeline.h"

#include "render/PlatePainter.h"
#include "render/RollingPicture.h"
#include "render/TimeSpans.h"

#include <algorithm>
#include <cmath>
#include <limits>

RollTimeline::RollTimeline(QList<Frame> frames, Options options)
    : m_frames(std::move(frames))
    , m_options(std::move(options))
{
    m_options.holdMs = std::max(0, m_options.holdMs);
    m_options.passMs = std::max(0, m_options.passMs);
    m_options.rampMs = std::max(0, m_options.rampMs);
    qreal at = 0;
    const QList<int> stopList = stops();
    for (qsizetype i = 0; i < stopList.size(); ++i) {
        if (i > 0 && stopList[i - 1] != stopList[i]) {
            const int frames = std::abs(stopList[i] - stopList[i - 1]);
            m_segments.append({at, qreal(frames) * m_options.passMs, stopList[i - 1], stopList[i]});
            at += m_segments.last().lengthMs;
        }
        m_segments.append({at, qreal(m_options.holdMs), stopList[i], stopList[i]});
        at += m_options.holdMs;
    }
}

QList<int> RollTimeline::stops() const
{
    const int end = int(m_frames.size()) - 1;
    QList<int> stops;
    if (end < 0)
        return stops;
    for (const int stop : m_options.stops)
        stops.append(std::clamp(stop, 0, end));
    if (!stops.isEmpty())
        return stops;
    const int first = std::clamp(m_options.first, 0, end);
    const int last = m_options.last < 0 ? end : std::clamp(m_options.last, first, end);
    for (int frame = first; frame <= last; ++frame)
        stops.append(frame);
    return stops;
}

qreal RollTimeline::durationMs() const
{
    return spansEndMs(m_segments);
}

const RollTimeline::Segment *RollTimeline::segmentAt(qreal ms) const
{
    return spanAt(m_segments, ms);
}

qreal RollTimeline::travelled(const Segment &turn, qreal ms) const
{
    const qreal frames = std::abs(turn.to - turn.from);
    const qreal length = turn.lengthMs;
    const qreal t = std::clamp(ms - turn.startMs, qreal(0), length);
    if (length <= 0)
        return frames;
    // Even speeding up over ramp, one speed, even slowing over ramp: the speed that covers the
    // frames in the turn's time.
    const qreal ramp = std::min(qreal(m_options.rampMs), length / 2);
    const qreal speed = frames / (length - ramp);
    if (ramp > 0 && t < ramp)
        return speed * t * t / (2 * ramp);
    if (ramp > 0 && t > length - ramp) {
        const qreal left = length - t;
        return frames - speed * left * left / (2 * ramp);
    }
    return speed * (t - ramp / 2);
}

qreal RollTimeline::positionAt(qreal ms) const
{
    const Segment *segment = segmentAt(ms);
    if (!segment)
        return 0;
    if (segment->from == segment->to)
        return segment->from;
    const qreal moved = travelled(*segment, ms);
    return segment->to > segment->from ? segment->from + moved : segment->from - moved;
}

RollTimeline::Shown RollTimeline::shownAt(qreal ms) const
{
    if (m_frames.isEmpty())
        return {};
    const int last = int(m_frames.size()) - 1;
    const qreal position = std::clamp(positionAt(ms), qreal(0), qreal(last));
    const int frame = std::min(int(std::floor(position)), last);
    return {frame, std::min(frame + 1, last), position - frame};
}

int RollTimeline::frameAt(qreal ms) const
{
    return int(std::lround(positionAt(ms)));
}

qreal RollTimeline::steadyUntilMs(qreal ms) const
{
    const Segment *segment = segmentAt(ms);
    if (!segment || ms >= durationMs())
        return std::numeric_limits<qreal>::infinity();
    if (segment->from != segment->to || ms < segment->startMs)
        return ms;
    return segment->startMs + segment->lengthMs;
}

QSize RollTimeline::size(qreal scale) const
{
    if (m_frames.isEmpty())
        return {};
    return PlatePainter::scaledSize(PlatePainter(m_frames.first()).size(), scale);
}

QImage RollTimeline::render(qreal ms, qreal scale) const
{
    if (m_frames.isEmpty())
        return {};
    const Shown shown = shownAt(ms);
    return rollingPicture(m_frames[shown.frame], m_frames[shown.next], shown.moved, SignLook(),
                          scale);
}
