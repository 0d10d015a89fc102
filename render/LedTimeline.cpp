#include "render/LedTimeline.h"

#include "render/PlatePainter.h"
#include "render/TimeSpans.h"

#include <algorithm>
#include <cmath>
#include <limits>

LedTimeline::LedTimeline(QList<Frame> frames, const LedSettings &settings, Options options)
    : m_frames(std::move(frames))
    , m_settings(settings.bounded())
    , m_options(options)
{
    m_options.pageMs = std::max(0, m_options.pageMs);
    m_options.scrollDotsPerSecond = std::max(1, m_options.scrollDotsPerSecond);
    const int end = int(m_frames.size()) - 1;
    if (end < 0)
        return;
    const int first = std::clamp(m_options.first, 0, end);
    const int last = m_options.last < 0 ? end : std::clamp(m_options.last, first, end);
    qreal at = 0;
    for (int frame = first; frame <= last; ++frame)
        for (const LedPhase page : pagesOf(m_frames[frame])) {
            const int length = LedPainter(m_frames[frame], m_settings, page).scrollLength();
            const qreal runMs = length * msPerDot();
            const qreal pageMs = length > 0
                                     ? std::max(qreal(m_options.pageMs), runMs + 2 * kScrollRestMs)
                                     : qreal(m_options.pageMs);
            m_pages.append({at, pageMs, frame, page, length, (pageMs - runMs) / 2});
            at += pageMs;
        }
}

QList<LedPhase> LedTimeline::pagesOf(const Frame &frame)
{
    QList<LedPhase> pages{LedPhase::Japanese, LedPhase::English};
    if (hasLanguage(frame, PanelLanguage::Chinese))
        pages << LedPhase::Chinese;
    if (hasLanguage(frame, PanelLanguage::Korean))
        pages << LedPhase::Korean;
    return pages;
}

qreal LedTimeline::msPerDot() const
{
    return 1000.0 / m_options.scrollDotsPerSecond;
}

const LedTimeline::Page *LedTimeline::pageAt(qreal ms) const
{
    return spanAt(m_pages, ms);
}

int LedTimeline::scrolled(const Page &page, qreal ms) const
{
    const qreal running = ms - page.startMs - page.runStartMs;
    if (page.scrollLength == 0 || running <= 0)
        return 0;
    // A hair over, so that the time steadyUntilMs() names for the next dot shows that dot.
    return std::min(page.scrollLength, int(std::floor(running / msPerDot() + 1e-9)));
}

LedTimeline::Shown LedTimeline::shownAt(qreal ms) const
{
    const Page *page = pageAt(ms);
    if (!page)
        return {};
    return {page->frame, page->page, scrolled(*page, ms)};
}

qreal LedTimeline::pageStartMs(qreal ms) const
{
    const Page *page = pageAt(ms);
    return page ? page->startMs : 0;
}

qreal LedTimeline::pageLengthMs(qreal ms) const
{
    const Page *page = pageAt(ms);
    return page ? page->lengthMs : 0;
}

qreal LedTimeline::durationMs() const
{
    return spansEndMs(m_pages);
}

int LedTimeline::frameAt(qreal ms) const
{
    const Page *page = pageAt(ms);
    return page ? page->frame : 0;
}

qreal LedTimeline::steadyUntilMs(qreal ms) const
{
    const Page *page = pageAt(ms);
    if (!page || ms >= durationMs())
        return std::numeric_limits<qreal>::infinity();
    if (ms < page->startMs)
        return ms;
    const qreal end = page->startMs + page->lengthMs;
    const int dots = scrolled(*page, ms);
    if (page->scrollLength == 0 || dots >= page->scrollLength)
        return end;
    // The lines move a whole dot at a time: the picture stands until the next dot.
    return std::min(end, page->startMs + page->runStartMs + (dots + 1) * msPerDot());
}

QSize LedTimeline::size(qreal scale) const
{
    if (m_frames.isEmpty())
        return {};
    return PlatePainter::scaledSize(LedPainter(m_frames.first(), m_settings).size(), scale);
}

QImage LedTimeline::render(qreal ms, qreal scale) const
{
    const Page *page = pageAt(ms);
    if (!page)
        return {};
    const LedPainter panel(m_frames[page->frame], m_settings, page->page, scrolled(*page, ms));
    return panel.render(QRect(QPoint(), panel.size()), scale);
}
