#include "render/RollingPicture.h"

#include "render/PlatePainter.h"

#include <QPainter>

QImage rollingPicture(const Frame &shown, const Frame &next, qreal moved, const SignLook &look,
                      qreal scale)
{
    const PlatePainter shownPlate(shown, look);
    const PlatePainter nextPlate(next, look);
    QImage picture = PlatePainter::blankPicture(PlatePainter::scaledSize(shownPlate.size(), scale));
    QPainter painter(&picture);
    // Whole pixels only, so every picture keeps the frames' own colours with no blend between.
    const int offset = qRound(moved * picture.height());
    const auto band = [&](const PlatePainter &plate, int top) {
        painter.resetTransform();
        painter.setClipRect(QRect(QPoint(0, top), picture.size()));
        painter.translate(0, top);
        painter.scale(scale, scale);
        plate.paint(painter);
    };
    band(shownPlate, -offset);
    if (offset > 0)
        band(nextPlate, picture.height() - offset);
    return picture;
}
