#pragma once

#include <QRect>

#include <optional>

// Where a panel of the given outer size stands so that it covers nothing of the window: beside
// it at its top, on the right and else on the left; else below it, as wide as the window and as
// tall as the room allows up to its own height, but never shorter than smallestHeight. Nothing
// when the screen has no such room.
std::optional<QRect> besideOrBelow(const QRect &window, const QSize &panel, int smallestHeight,
                                   const QRect &screen);
