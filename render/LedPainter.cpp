#include "render/LedPainter.h"

#include "render/DotPainter.h"
#include "render/DotText.h"
#include "sign/PlateGeometry.h"

#include <QPainter>
#include <QTextBoundaryFinder>

#include <cmath>

namespace {

// Rows the small English line takes beneath the Japanese where the grid has 24 rows or more.
constexpr int kSmallRows = 8;
// One dark column at each side of a box keeps the service type off the destination.
constexpr int kBoxMargin = 1;

bool isUpperLine(SignLine line)
{
    return line == SignLine::Main || line == SignLine::Destination;
}

// The colour a line is lit in before the panel rounds it: on a coloured service-type plate the
// type's letters take the plate's colour, as an LED shows 特急 in red letters.
QColor wantedColour(const Frame &frame, SignLine line)
{
    const bool onTypePlate = line == SignLine::Main || line == SignLine::English;
    const QColor plate = frame.typePlate.toHsv();
    if (frame.layout == SignLayout::TypeAndDestination && onTypePlate &&
        plate.hsvSaturation() > 64 && plate.value() > 64)
        return frame.typePlate;
    return lineForeground(frame, line);
}

QStringList graphemesOf(const QString &text)
{
    QStringList characters;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype from = 0, to = graphemes.toNextBoundary(); to > 0;
         from = to, to = graphemes.toNextBoundary())
        characters << text.mid(from, to - from);
    return characters;
}

void stamp(QImage &into, const QImage &dots, QPoint at, QRgb colour)
{
    for (int y = 0; y < dots.height(); ++y) {
        const int row = at.y() + y;
        if (row < 0 || row >= into.height())
            continue;
        const uchar *in = dots.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(into.scanLine(row));
        for (int x = 0; x < dots.width(); ++x) {
            const int column = at.x() + x;
            if (in[x] && column >= 0 && column < into.width())
                out[column] = colour;
        }
    }
}

} // namespace

LedPainter::LedPainter(const Frame &frame, const LedSettings &settings, LedPhase phase)
    : m_frame(frame)
    , m_settings(settings.bounded())
    , m_phase(phase)
{}

QSize LedPainter::size() const
{
    return m_settings.gridSize() * m_settings.pitch();
}

QRect LedPainter::destinationArea() const
{
    const QSize grid = m_settings.gridSize();
    const int left = m_settings.typeColumns();
    const int pitch = m_settings.pitch();
    return {left * pitch, 0, (grid.width() - left) * pitch, grid.height() * pitch};
}

QImage LedPainter::dots() const
{
    const QSize grid = m_settings.gridSize();
    QImage dots(grid, QImage::Format_RGB32);
    dots.fill(Qt::black);
    const bool typeLayout = m_frame.layout == SignLayout::TypeAndDestination;
    const int typeColumns = m_settings.typeColumns();
    const QRect whole(0, 0, grid.width(), grid.height());
    const QRect typeBox(0, 0, typeColumns, grid.height());
    const QRect destinationBox(typeColumns, 0, grid.width() - typeColumns, grid.height());
    const bool roomForSmall = grid.height() >= 3 * kSmallRows;
    const int large = roomForSmall ? grid.height() - kSmallRows : grid.height();

    for (const SignLine line : kSignLines) {
        if (!layoutTable(m_frame.layout).box(line).visible)
            continue;
        const bool onTypeSide = line == SignLine::Main || line == SignLine::English;
        const QRect columns = !typeLayout ? whole : onTypeSide ? typeBox : destinationBox;
        const bool upper = isUpperLine(line);
        if (m_phase == LedPhase::Japanese && upper)
            placeLine(dots, line, QRect(columns.left(), 0, columns.width(), large), large);
        else if (m_phase == LedPhase::Japanese && roomForSmall)
            placeLine(dots, line, QRect(columns.left(), large, columns.width(), kSmallRows),
                      kSmallRows);
        else if (m_phase == LedPhase::English && !upper)
            placeLine(dots, line,
                      QRect(columns.left(), (grid.height() - large) / 2, columns.width(), large),
                      large);
    }
    return dots;
}

void LedPainter::placeLine(QImage &dots, SignLine line, const QRect &box, int height) const
{
    const QString &text = m_frame.text(line);
    const QFont font = lineFont(m_frame, line);
    const QRgb colour = ledColour(m_settings.colours, wantedColour(m_frame, line)).rgb();
    const QRect inner = box.adjusted(kBoxMargin, 0, -kBoxMargin, 0);
    // 均等割り付け, as on the plate: two to four characters spread from edge to edge.
    if (m_frame.justify && isUpperLine(line)) {
        const QStringList characters = graphemesOf(text);
        QList<QImage> pieces;
        int inked = 0;
        for (const QString &character : characters) {
            pieces << DotText::render(character, height, font);
            inked += pieces.constLast().width();
        }
        if (characters.size() >= 2 && characters.size() <= 4 && inked <= inner.width()) {
            const qreal gap = qreal(inner.width() - inked) / qreal(characters.size() - 1);
            qreal x = inner.left();
            for (const QImage &piece : std::as_const(pieces)) {
                stamp(dots, piece, QPoint(int(std::lround(x)), box.top()), colour);
                x += piece.width() + gap;
            }
            return;
        }
    }
    const QImage fitted = DotText::fitted(DotText::render(text, height, font), inner.width());
    stamp(dots, fitted, QPoint(inner.left() + (inner.width() - fitted.width()) / 2, box.top()),
          colour);
}

void LedPainter::paint(QPainter &painter) const
{
    DotPainter::paint(painter, dots(), m_settings);
}
