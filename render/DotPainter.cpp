#include "render/DotPainter.h"

#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// A lit dot is brightest at its middle, as a lens over the LED makes it.
constexpr qreal kEdgeShade = 0.3;
// The glow's brightness where it leaves the dot.
constexpr qreal kGlowStart = 0.45;

struct Cell
{
    qreal pitch;  // the cell's side in device pixels
    qreal radius; // the dot's
    qreal reach;  // how far from the middle the glow ends; the dot's radius for no glow
};

Cell cellOf(const LedSettings &s, int scale)
{
    const qreal pitch = qreal(s.pitch()) * scale;
    const qreal radius = qreal(s.dotSize) * scale / 2;
    return {pitch, radius, radius + (pitch / 2 - radius) * s.glow / 100.0};
}

// The brightness (0 to 1) a dot gives a point at distance d from its middle.
qreal brightness(const Cell &cell, qreal d, bool glows)
{
    const qreal cover = std::clamp(cell.radius + 0.5 - d, 0.0, 1.0);
    const qreal inside = std::min(1.0, d / cell.radius);
    const qreal shade = 1 - kEdgeShade * inside * inside;
    qreal halo = 0;
    if (glows && cell.reach > cell.radius && d < cell.reach) {
        const qreal out = 1 - std::max(0.0, d - cell.radius) / (cell.reach - cell.radius);
        halo = kGlowStart * out * out;
    }
    return cover * shade + (1 - cover) * halo;
}

// One cell as pixels, the colour darkened by the brightness so a dot only ever shows shades of
// its own colour.
QImage sprite(const QColor &colour, const Cell &cell, bool glows)
{
    const int side = int(cell.pitch);
    QImage image(side, side, QImage::Format_RGB32);
    const qreal middle = cell.pitch / 2;
    for (int y = 0; y < side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < side; ++x) {
            const qreal b = brightness(cell, std::hypot(x + 0.5 - middle, y + 0.5 - middle), glows);
            line[x] = qRgb(int(std::lround(colour.red() * b)), int(std::lround(colour.green() * b)),
                           int(std::lround(colour.blue() * b)));
        }
    }
    return image;
}

// Whole device pixels per picture pixel, with nothing turned or sheared: the dots can then be
// copied as finished pixels.
std::optional<int> wholeScale(const QPainter &painter)
{
    const QTransform t = painter.worldTransform();
    const qreal scale = t.m11();
    if (painter.paintEngine() == nullptr || painter.paintEngine()->type() != QPaintEngine::Raster ||
        t.type() > QTransform::TxScale || scale != t.m22() || scale < 1 ||
        scale != std::floor(scale) || t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()))
        return std::nullopt;
    return int(scale);
}

void paintPixels(QPainter &painter, const QImage &dots, const LedSettings &s, int scale)
{
    const Cell cell = cellOf(s, scale);
    const int pitch = int(cell.pitch);
    const QPoint origin = painter.worldTransform().map(QPoint(0, 0));
    QHash<QRgb, QImage> sprites;
    painter.save();
    painter.resetTransform();
    for (int y = 0; y < dots.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(dots.constScanLine(y));
        for (int x = 0; x < dots.width(); ++x) {
            const QRgb dot = row[x] | 0xff000000;
            auto found = sprites.constFind(dot);
            if (found == sprites.constEnd()) {
                const bool lit = qRgb(0, 0, 0) != dot;
                found = sprites.insert(dot, sprite(lit ? QColor(dot) : kUnlitDot, cell, lit));
            }
            painter.drawImage(origin + QPoint(x * pitch, y * pitch), *found);
        }
    }
    painter.restore();
}

// For vector pictures and turned painters: the same dots as shapes. The dots of one colour are
// one path, and flat: a shape and a gradient a dot would make a roll's vector file many
// megabytes.
void paintShapes(QPainter &painter, const QImage &dots, const LedSettings &s)
{
    const Cell cell = cellOf(s, 1);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing);
    QHash<QRgb, QPainterPath> bodies;
    QHash<QRgb, QPainterPath> glows;
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x) {
            const QRgb dot = dots.pixel(x, y) | 0xff000000;
            const bool lit = qRgb(0, 0, 0) != dot;
            const QPointF middle((x + 0.5) * cell.pitch, (y + 0.5) * cell.pitch);
            bodies[lit ? dot : kUnlitDot.rgb()].addEllipse(middle, cell.radius, cell.radius);
            if (lit && cell.reach > cell.radius)
                glows[dot].addEllipse(middle, cell.reach, cell.reach);
        }
    // The glow as a faint flat halo: a gradient a dot would be most of the file.
    for (auto it = glows.cbegin(); it != glows.cend(); ++it) {
        QColor halo(it.key());
        halo.setAlphaF(float(kGlowStart / 2));
        painter.fillPath(it.value(), halo);
    }
    for (auto it = bodies.cbegin(); it != bodies.cend(); ++it)
        painter.fillPath(it.value(), QColor(it.key()));
    painter.restore();
}

} // namespace

QSize DotPainter::pictureSize(const QImage &dots, const LedSettings &settings)
{
    return dots.size() * settings.pitch();
}

void DotPainter::paint(QPainter &painter, const QImage &dots, const LedSettings &settings)
{
    const LedSettings s = settings.bounded();
    painter.fillRect(QRect(QPoint(), pictureSize(dots, s)), Qt::black);
    if (const std::optional<int> scale = wholeScale(painter))
        paintPixels(painter, dots, s, *scale);
    else
        paintShapes(painter, dots, s);
}
