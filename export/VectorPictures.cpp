#include "export/VectorPictures.h"

#include "identity/AppIdentity.h"
#include "render/PlatePainter.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

// Pixels at 1× count 96 to the inch, as pictures do.
constexpr int kPictureDpi = 96;
constexpr qreal kMillimetresPerInch = 25.4;
// Thin enough not to eat into a frame when cut along, thick enough to print.
constexpr qreal kCutMarkWidth = 0.1;
constexpr qreal kCutMarkStandOff = 0.5;
constexpr qreal kCutMarkLength = 1;

void paintOutlined(QPainter &painter, const Frame &frame, const SignLook &look)
{
    PlatePainter plate(frame, look);
    plate.setTextsAsOutlines(true);
    plate.paint(painter);
}

void paintCutMarks(QPainter &painter, const QRectF &frame)
{
    QPen pen(Qt::black, kCutMarkWidth);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const qreal near = kCutMarkStandOff, far = kCutMarkStandOff + kCutMarkLength;
    for (const qreal x : {frame.left(), frame.right()}) {
        const qreal outward = x == frame.left() ? -1 : 1;
        for (const qreal y : {frame.top(), frame.bottom()}) {
            const qreal down = y == frame.top() ? -1 : 1;
            painter.drawLine(QPointF(x + outward * near, y), QPointF(x + outward * far, y));
            painter.drawLine(QPointF(x, y + down * near), QPointF(x, y + down * far));
        }
    }
}

} // namespace

QByteArray svgPicture(const Frame &frame, const QRect &area, qreal scale, const SignLook &look)
{
    const QSize size = PlatePainter::scaledSize(area.size(), scale);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&bytes);
    svg.setResolution(kPictureDpi);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setTitle(frame.displayName());
    svg.setDescription(kAppTitle);
    QPainter painter(&svg);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size.width()) / area.width(), qreal(size.height()) / area.height());
    painter.translate(-area.topLeft());
    painter.setClipRect(area);
    paintOutlined(painter, frame, look);
    painter.end();
    // The generator gives the size in millimetres, which viewers round to pixels either way;
    // the picture's own pixels keep it exactly as large as the picture.
    QByteArray out = bytes.data();
    static const QRegularExpression millimetres(
        QStringLiteral("^(<svg) width=\"[0-9.]+mm\" height=\"[0-9.]+mm\""),
        QRegularExpression::MultilineOption);
    return QString::fromUtf8(out)
        .replace(
            millimetres,
            QStringLiteral("\\1 width=\"%1\" height=\"%2\"").arg(size.width()).arg(size.height()))
        .toUtf8();
}

PrintSheet::PrintSheet(const QPageSize &page, qreal frameMillimetres, const QSize &frameSize)
    : m_page(page)
    , m_frameSize(frameSize)
{
    const QSizeF paper = m_page.size(QPageSize::Millimeter);
    const QSizeF usable = paper - QSizeF(2 * kMarginMillimetres, 2 * kMarginMillimetres);
    const qreal width = std::min({frameMillimetres, usable.width(),
                                  usable.height() * frameSize.width() / frameSize.height()});
    m_frame = QSizeF(width, width * frameSize.height() / frameSize.width());
    m_columns =
        std::max(1, int((usable.width() + kGapMillimetres) / (m_frame.width() + kGapMillimetres)));
    m_rows = std::max(
        1, int((usable.height() + kGapMillimetres) / (m_frame.height() + kGapMillimetres)));
}

PrintSheet::Place PrintSheet::place(int index) const
{
    const int onPage = index % framesPerPage();
    const int column = onPage % m_columns;
    const int row = onPage / m_columns;
    const QPointF topLeft(kMarginMillimetres + column * (m_frame.width() + kGapMillimetres),
                          kMarginMillimetres + row * (m_frame.height() + kGapMillimetres));
    return {index / framesPerPage(), QRectF(topLeft, m_frame)};
}

QByteArray PrintSheet::pdf(const QList<Frame> &frames, const SignLook &look,
                           const std::function<bool(int)> &drawn) const
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter writer(&bytes);
    writer.setCreator(kAppTitle);
    writer.setTitle(frames.isEmpty() ? kAppTitle : frames.constFirst().displayName());
    writer.setPageSize(m_page);
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal dotsPerMillimetre = writer.resolution() / kMillimetresPerInch;
    painter.scale(dotsPerMillimetre, dotsPerMillimetre);
    for (int i = 0; i < frames.size(); ++i) {
        const Place at = place(i);
        if (i > 0 && at.page != place(i - 1).page)
            writer.newPage();
        painter.save();
        painter.translate(at.millimetres.topLeft());
        painter.scale(at.millimetres.width() / m_frameSize.width(),
                      at.millimetres.height() / m_frameSize.height());
        painter.setClipRect(QRect(QPoint(), m_frameSize));
        paintOutlined(painter, frames.at(i), look);
        painter.restore();
        paintCutMarks(painter, at.millimetres);
        if (drawn && !drawn(i + 1))
            return {};
    }
    painter.end();
    return bytes.data();
}
