#pragma once

#include <QRect>

#include <cmath>

// Positions and sizes of the design are twips; at 96 dpi fifteen of them make one pixel.
inline constexpr int kTwipsPerPixel = 15;

struct TwipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const TwipRect &) const = default;
};

inline int twipsToPixels(int twips)
{
    return int(std::lround(double(twips) / kTwipsPerPixel));
}

inline QRect twipsToPixels(const TwipRect &r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}
