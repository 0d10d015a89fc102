#pragma once

#include "render/LedPainter.h"
#include "render/Timeline.h"
#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QList>

// The LED look in time: each frame shows its pages in turn (see pagesOf), each for pageMs, and
// then the panel changes to the next frame at once, as a panel does. On a page with a line too
// long for its window even in two rows of a smaller face, that line runs right to left at
// scrollDotsPerSecond, whole dots at a time: it stands at its start for kScrollRestMs, runs until
// its end is in its window, and stands there for kScrollRestMs, so that both ends can be read.
// Such a page lasts max(pageMs, its run + twice kScrollRestMs); any time over is shared between
// the two rests. Lines on one page run together, each stopping at its own end.
class LedTimeline final : public Timeline
{
public:
    // How long a line too long for its window stands still at either end of its run.
    static constexpr int kScrollRestMs = 1000;

    struct Options
    {
        int pageMs = 3000;
        // A few dozen dots a second, as panels run: at 30 pictures a second, a dot a picture.
        int scrollDotsPerSecond = 30;
        // The frames shown, by index, both included; a last of -1 means to the end of the roll.
        int first = 0;
        int last = -1;
    };

    // What the panel shows at a time.
    struct Shown
    {
        int frame = 0;
        LedPhase page = LedPhase::Japanese;
        int scrolled = 0; // dots the page's long lines have run (see LedPainter)

        bool operator==(const Shown &) const = default;
    };

    LedTimeline(QList<Frame> frames, const LedSettings &settings, Options options);

    // A frame's pages in the order a panel shows them: Japanese, English, then Chinese and
    // Korean where the frame has lines in them (see hasLanguage).
    static QList<LedPhase> pagesOf(const Frame &frame);

    Shown shownAt(qreal ms) const;
    // When the page on show at ms began, and how long it lasts.
    qreal pageStartMs(qreal ms) const;
    qreal pageLengthMs(qreal ms) const;

    qreal durationMs() const override;
    int frameAt(qreal ms) const override;
    qreal steadyUntilMs(qreal ms) const override;
    QSize size(qreal scale) const override;
    QImage render(qreal ms, qreal scale) const override;

private:
    struct Page
    {
        qreal startMs = 0;
        qreal lengthMs = 0;
        int frame = 0;
        LedPhase page = LedPhase::Japanese;
        int scrollLength = 0; // dots
        qreal runStartMs = 0; // from the page's start
    };

    const Page *pageAt(qreal ms) const;
    // How many dots the page's lines have run ms after the page began.
    int scrolled(const Page &page, qreal ms) const;
    qreal msPerDot() const;

    QList<Frame> m_frames;
    LedSettings m_settings;
    Options m_options;
    QList<Page> m_pages;
};
