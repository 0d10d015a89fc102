#pragma once

#include "render/LedLineSet.h"
#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QImage>

#include <optional>

class QPainter;

// Which lines a panel shows, a page at a time: real displays alternate the Japanese lines (with
// a small English line beneath where the grid has room) and the English lines alone, every few
// seconds; in large cities they go on to Chinese and Korean pages, each line alone as large as
// the Japanese.
enum class LedPhase { Japanese, English, Chinese, Korean };

// Draws one frame as an LED panel: each box of the plate becomes columns of the grid (the whole
// width for a sign name; the service type and the destination side by side in the type
// layout), each line is set in dots (LedLineSet) in one colour the panel can light, and the
// dots are drawn round at the settings' size and gap.
class LedPainter
{
public:
    // One line as the phase shows it: how it is set, the dots it may light, and where the top
    // left of each of its rows stands, in dots.
    struct Line
    {
        SignLine line;
        LedLineSet set;
        QRect window;
        QList<QPoint> rows;
    };

    // scrolled: for a moving picture, how many dots the lines too long for their window have
    // run left from their start, each stopping once its end has come into its window; for a
    // still picture nothing, and such a line shows its first screenful of whole characters.
    LedPainter(const Frame &frame, const LedSettings &settings, LedPhase phase = LedPhase::Japanese,
               std::optional<int> scrolled = std::nullopt);

    // The picture's size in pixels: the grid times one dot and its gap.
    QSize size() const;
    // The lines the phase shows, set and placed. A line set in two rows takes the rows of the
    // small line beneath it, which gives way; the Japanese line and the small line beneath it
    // keep at least one dark row between them.
    QList<Line> lines() const;
    // The lines too long for their window in any face: a still picture shows their first
    // screenful, and the caller may say so.
    QList<SignLine> linesCut() const;
    // How far the page's lines must run for the end of every one to have come into its window,
    // in dots: 0 where all fit.
    int scrollLength() const;
    // One pixel a dot, black for an unlit dot, otherwise the colour it lights.
    QImage dots() const;
    void paint(QPainter &painter) const;
    // The panel, or one area of it in 1× pixels, as a picture at scale. Dots are shaded as
    // finished pixels only at a whole scale; at any other the picture is drawn at the next whole
    // one and shrunk by averaging, so that it keeps their shading, and costs a fraction of
    // drawing each dot as a shape.
    QImage render(const QRect &area, qreal scale) const;
    // Where the destination's columns lie in the picture.
    QRect destinationArea() const;

private:
    LedLineSet setLine(SignLine line, int columns, int rows, int twoRowRoom) const;

    const Frame &m_frame;
    LedSettings m_settings;
    LedPhase m_phase;
    std::optional<int> m_scrolled;
};
