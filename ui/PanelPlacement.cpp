#include "ui/PanelPlacement.h"

#include <algorithm>

std::optional<QRect> besideOrBelow(const QRect &window, const QSize &panel, int smallestHeight,
                                   const QRect &screen)
{
    const int height = std::min(panel.height(), screen.bottom() + 1 - window.top());
    if (height >= smallestHeight) {
        const QRect right(QPoint(window.right() + 1, window.top()), QSize(panel.width(), height));
        if (screen.contains(right))
            return right;
        const QRect left(QPoint(window.left() - panel.width(), window.top()),
                         QSize(panel.width(), height));
        if (screen.contains(left))
            return left;
    }
    const QRect below(
        QPoint(window.left(), window.bottom() + 1),
        QSize(window.width(), std::min(panel.height(), screen.bottom() - window.bottom())));
    if (below.height() >= smallestHeight && screen.contains(below))
        return below;
    return std::nullopt;
}
