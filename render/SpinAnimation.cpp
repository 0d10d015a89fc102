#include "render/SpinAnimation.h"

#include "render/PlatePainter.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kDotsPerMeter = 3780;

} // namespace

SpinAnimation::SpinAnimation(const QList<Frame> &frames, const Options &options)
    : m_frames(frames)
    , m_options(options)
{}

QList<qreal> SpinAnimation::stepPositions() const
{
    QList<qreal> positions;
    const int steps = std::max(0, m_options.steps);
    for (int k = 1; k <= steps; ++k) {
        const qreal t = qreal(k) / (steps + 1);
        positions << (m_options.eased ? t * t * (3 - 2 * t) : t);
    }
    return positions;
}

QImage SpinAnimation::rolled(const Frame &from, const Frame &to, qreal moved) const
{
    const PlatePainter fromPlate(from);
    const PlatePainter toPlate(to);
    const QSize plate = fromPlate.size();
    const qreal scale = m_options.scale;
    QImage picture(QSize(qRound(plate.width() * scale), qRound(plate.height() * scale)),
                   QImage::Format_RGB32);
    picture.setDotsPerMeterX(kDotsPerMeter);
    picture.setDotsPerMeterY(kDotsPerMeter);
    picture.fill(Qt::black);
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
    band(fromPlate, -offset);
    if (offset > 0)
        band(toPlate, picture.height() - offset);
    return picture;
}

QList<SpinAnimation::Picture> SpinAnimation::pictures() const
{
    const int count = int(m_frames.size());
    const int first = std::clamp(m_options.first, 0, count - 1);
    const int last = m_options.last < 0 ? count - 1 : std::clamp(m_options.last, first, count - 1);
    const QList<qreal> positions = stepPositions();
    QList<Picture> pictures;
    for (int i = first; i <= last; ++i) {
        const Frame &frame = m_frames[i];
        pictures.append({rolled(frame, frame, 0), m_options.holdMs});
        if (first == last)
            break;
        const Frame &next = m_frames[i == last ? first : i + 1];
        for (const qreal moved : positions)
            pictures.append({rolled(frame, next, moved), m_options.stepMs});
    }
    return pictures;
}
