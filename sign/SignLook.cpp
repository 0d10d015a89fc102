#include "sign/SignLook.h"

#include <algorithm>
#include <cmath>

namespace {

// Below this value (0-255) a colour would vanish on the panel's black face.
constexpr int kDarkestLit = 96;

// The levels of one channel on a panel with three bits a channel.
int fullColourLevel(int channel)
{
    return int(std::lround(double(std::lround(channel * 7 / 255.0)) * 255 / 7.0));
}

int squaredDistance(const QColor &a, const QColor &b)
{
    const int r = a.red() - b.red();
    const int g = a.green() - b.green();
    const int bl = a.blue() - b.blue();
    return r * r + g * g + bl * bl;
}

} // namespace

QSize LedSettings::gridSize() const
{
    const LedSettings b = bounded();
    switch (b.grid) {
    case LedGrid::Side:
        return {kSideColumns, kSideRows};
    case LedGrid::Front:
        return {b.columns, b.rows == 24 ? 24 : 16};
    case LedGrid::Custom:
        break;
    }
    return {b.columns, b.rows};
}

int LedSettings::typeColumns() const
{
    const int width = gridSize().width();
    return int(std::lround(double(width) * kSideTypeColumns / kSideColumns));
}

LedSettings LedSettings::bounded() const
{
    LedSettings b = *this;
    b.columns = std::clamp(columns, kMinColumns, kMaxColumns);
    b.rows = std::clamp(rows, kMinRows, kMaxRows);
    b.dotSize = std::clamp(dotSize, 1, kMaxDotSize);
    b.gap = std::clamp(gap, 0, kMaxGap);
    b.glow = std::clamp(glow, 0, 100);
    return b;
}

QList<QColor> ledPanelColours(LedColours colours)
{
    switch (colours) {
    case LedColours::Amber:
        return {QColor(0xFF, 0xB0, 0x30)};
    case LedColours::ThreeColour:
        return {QColor(0xFF, 0x80, 0x00), QColor(0xFF, 0x00, 0x00), QColor(0x00, 0xFF, 0x00)};
    case LedColours::FullColour:
        break;
    }
    return {};
}

QColor ledColour(LedColours colours, const QColor &wanted)
{
    const QColor lit = wanted.value() < kDarkestLit ? QColor(Qt::white) : wanted.toRgb();
    if (colours == LedColours::FullColour) {
        return {fullColourLevel(lit.red()), fullColourLevel(lit.green()),
                fullColourLevel(lit.blue())};
    }
    const QList<QColor> panel = ledPanelColours(colours);
    return *std::min_element(panel.begin(), panel.end(), [&lit](const QColor &a, const QColor &b) {
        return squaredDistance(a, lit) < squaredDistance(b, lit);
    });
}
