#pragma once

#include "sign/Frame.h"
#include "sign/TwipsGeometry.h"

#include <QColor>
#include <QFont>

// Where everything stands on the plate in each layout, written once for the window, the
// painter and the layout toggle alike. Positions are twips inside the plate.
struct LineBox
{
    TwipRect rect;
    bool visible = true;
    QColor background;   // invalid: the frame's English band
    qreal pointSize = 0; // 0: the size the frame's font carries
};

struct LayoutTable
{
    LineBox main;
    LineBox english;
    LineBox destination;
    LineBox destinationSmall;
    qreal mainPointSize = 0; // what the toggle sets the main font to
    QColor separator;        // merged onto the black plate: black leaves no trace

    const LineBox &box(SignLine line) const;
};

const LayoutTable &layoutTable(SignLayout layout);

// The plate's size in twips and pixels; the plate has no border.
inline constexpr TwipRect kPlateTwips{0, 0, 3615, 1215};
QSize plateSize();

// The separator: a vertical line three pixels wide, in twips inside the plate.
inline constexpr int kSeparatorX = 1320;
inline constexpr int kSeparatorTop = 0;
inline constexpr int kSeparatorBottom = 1200;
inline constexpr int kSeparatorWidthPixels = 3;
QRect separatorRect();

// A light service-type plate (white rolls, 快速特急's inverse plate) would run into the white
// separator; like real white plates it then carries a dark rule, two pixels wide, beside it.
bool needsSeparatorRule(const QColor &typePlate);
QRect separatorRuleRect();
inline const QColor kSeparatorRule(0x20, 0x20, 0x20);

// The rectangle one line's box takes on the plate, in pixels at 1×.
QRect lineRect(SignLayout layout, SignLine line);

// The font a line is drawn in: the frame's own for the main line, the design's for the others.
QFont lineFont(const Frame &frame, SignLine line);

// What a line's box is filled with.
QColor lineBackground(const Frame &frame, SignLine line);
QColor lineForeground(const Frame &frame, SignLine line);
