#pragma once

#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QByteArray>
#include <QList>
#include <QPageSize>
#include <QRect>
#include <QSizeF>

#include <functional>

// A frame, or one area of it given in 1× pixels, as an SVG file of plain filled shapes: the
// plate, band and separator as rectangles, the texts as glyph outlines, or an LED panel's dots
// as circles. It looks the same without the fonts and opens in any drawing program. Its size
// is that of the picture at scale.
QByteArray svgPicture(const Frame &frame, const QRect &area, qreal scale,
                      const SignLook &look = SignLook());

// Frames printed at a physical size for cutting out: rows of frames on A4 or B5 pages, each
// with thin cut marks at its corners, all vectors with the texts as outlines.
class PrintSheet
{
public:
    static constexpr qreal kMarginMillimetres = 10;
    // Room between frames for the cut marks, which stand off the corners a little.
    static constexpr qreal kGapMillimetres = 3;

    // frameSize is a frame's size at 1× (PlatePainter::size()); frameMillimetres its printed
    // width. A frame wider than the page is made as wide as the page allows.
    PrintSheet(const QPageSize &page, qreal frameMillimetres, const QSize &frameSize);

    struct Place
    {
        int page = 0;
        QRectF millimetres; // from the page's top left corner
    };
    Place place(int index) const;
    int framesPerPage() const { return m_columns * m_rows; }
    QSizeF frameMillimetres() const { return m_frame; }

    // drawn, where given, hears how many frames are drawn after each and answers false to stop:
    // then there are no bytes.
    QByteArray pdf(const QList<Frame> &frames, const SignLook &look = SignLook(),
                   const std::function<bool(int)> &drawn = {}) const;

private:
    QPageSize m_page;
    QSize m_frameSize;
    QSizeF m_frame;
    int m_columns = 1;
    int m_rows = 1;
};
