#pragma once

#include <QList>

#include <algorithm>

// Both timelines are a run of spans one after another, each with its startMs and lengthMs.

// The last span that has begun by ms; before the start, the first; none in an empty run.
template <class Span> const Span *spanAt(const QList<Span> &spans, qreal ms)
{
    if (spans.isEmpty())
        return nullptr;
    const auto after = std::upper_bound(spans.cbegin(), spans.cend(), ms,
                                        [](qreal t, const Span &span) { return t < span.startMs; });
    return after == spans.cbegin() ? &spans.first() : &*(after - 1);
}

template <class Span> qreal spansEndMs(const QList<Span> &spans)
{
    return spans.isEmpty() ? 0 : spans.last().startMs + spans.last().lengthMs;
}
