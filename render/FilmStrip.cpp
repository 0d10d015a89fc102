#include "render/FilmStrip.h"

#include "render/PlatePainter.h"

#include <QPainter>

#include <cmath>

FilmStrip::FilmStrip(const QList<Frame> &frames, const SignLook &look)
    : m_frames(frames)
    , m_look(look)
{}

QSize FilmStrip::size(qreal scale) const
{
    int width = 0;
    int height = 0;
    for (const Frame &frame : m_frames) {
        const QSize plate = PlatePainter(frame, m_look).size();
        width = std::max(width, plate.width());
        height += plate.height();
    }
    return {qRound(width * scale), qRound(height * scale)};
}

QImage FilmStrip::render(qreal scale, const std::function<bool(int)> &drawn) const
{
    QImage strip = PlatePainter::blankPicture(size(scale));
    QPainter painter(&strip);
    int top = 0;
    int count = 0;
    for (const Frame &frame : m_frames) {
        const PlatePainter plate(frame, m_look);
        const QSize plateSize = plate.size();
        // Each frame starts on the pixel row its place rounds to, so none overlaps the next.
        const int y = qRound(top * scale);
        const int bottom = qRound((top + plateSize.height()) * scale);
        painter.save();
        painter.setClipRect(QRect(0, y, qRound(plateSize.width() * scale), bottom - y));
        painter.translate(0, y);
        painter.scale(scale, scale);
        plate.paint(painter);
        painter.restore();
        top += plateSize.height();
        if (drawn && !drawn(++count))
            return {};
    }
    return strip;
}
