#include "render/LedPainter.h"

#include "render/DotPainter.h"
#include "render/PlatePainter.h"
#include "sign/PlateGeometry.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Rows the small English line takes beneath the Japanese where the grid has 24 rows or more.
constexpr int kSmallRows = 8;
// One dark column at each side of a box keeps the service type off the destination.
constexpr int kBoxMargin = 1;

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

// The rows of a run's dots that are lit, top and bottom, or nothing.
std::optional<std::pair<int, int>> inkRows(const QImage &dots)
{
    std::optional<std::pair<int, int>> rows;
    for (int y = 0; y < dots.height(); ++y) {
        const uchar *line = dots.constScanLine(y);
        if (std::any_of(line, line + dots.width(), [](uchar dot) { return dot != 0; }))
            rows = std::pair{rows ? rows->first : y, y};
    }
    return rows;
}

// The lit rows of a placed line, in panel rows.
std::optional<std::pair<int, int>> inkRows(const LedPainter::Line &line)
{
    std::optional<std::pair<int, int>> rows;
    for (qsizetype i = 0; i < line.set.rows.size(); ++i)
        if (const auto ink = inkRows(line.set.rows[i].dots)) {
            const int top = line.rows[i].y() + ink->first;
            const int bottom = line.rows[i].y() + ink->second;
            rows = std::pair{rows ? std::min(rows->first, top) : top,
                             rows ? std::max(rows->second, bottom) : bottom};
        }
    return rows;
}

void shift(LedPainter::Line &line, int rows)
{
    for (QPoint &row : line.rows)
        row.ry() += rows;
}

// Rows of the set placed in rows [top, top + height) of the window's columns: centred both
// ways where the line fits, from the window's left where it does not (its first screenful).
QList<QPoint> placed(const LedLineSet &set, const QRect &columns, int top, int height)
{
    QList<QPoint> rows;
    const int all = int(set.rows.size()) * set.face;
    for (qsizetype i = 0; i < set.rows.size(); ++i) {
        const int width = set.rows[i].width();
        const int left = set.fits ? columns.left() + (columns.width() - width) / 2 : columns.left();
        rows << QPoint(left, top + (height - all) / 2 + int(i) * set.face);
    }
    return rows;
}

// What a still picture shows of a row: all of a row that fits; of one that does not, the whole
// characters its window holds from the start, or as much of the first as it holds.
DotText::Run shownPart(const DotText::Run &row, bool fits, int columns)
{
    if (fits || row.width() <= columns)
        return row;
    qsizetype whole = 0;
    while (whole < row.ends.size() && row.ends[whole] <= columns)
        ++whole;
    if (whole > 0)
        return row.cut(0, whole);
    DotText::Run part = row.cut(0, 1);
    part.dots = part.dots.copy(0, 0, columns, part.height());
    part.ends = {columns};
    return part;
}

// Lights the run's lit dots from at, inside the window only.
void stamp(QImage &into, const QImage &dots, QPoint at, QRgb colour, const QRect &window)
{
    const QRect inside = window & into.rect();
    for (int y = 0; y < dots.height(); ++y) {
        const int row = at.y() + y;
        if (row < inside.top() || row > inside.bottom())
            continue;
        const uchar *in = dots.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(into.scanLine(row));
        for (int x = 0; x < dots.width(); ++x) {
            const int column = at.x() + x;
            if (in[x] && column >= inside.left() && column <= inside.right())
                out[column] = colour;
        }
    }
}

} // namespace

LedPainter::LedPainter(const Frame &frame, const LedSettings &settings, LedPhase phase,
                       std::optional<int> scrolled)
    : m_frame(frame)
    , m_settings(settings.bounded())
    , m_phase(phase)
    , m_scrolled(scrolled)
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

LedLineSet LedPainter::setLine(SignLine line, int columns, int rows, int twoRowRoom) const
{
    // On a Chinese or Korean page a line the frame has in that language is set in its faces;
    // one it lacks shows its Japanese, which a blank box would only hide.
    if (m_phase == LedPhase::Chinese || m_phase == LedPhase::Korean) {
        const bool chinese = m_phase == LedPhase::Chinese;
        const QString &translated =
            m_frame.translation(chinese ? PanelLanguage::Chinese : PanelLanguage::Korean, line);
        if (!translated.trimmed().isEmpty())
            return LedLineSet::set(translated, lineFont(m_frame, line), columns, rows, twoRowRoom,
                                   chinese ? DotText::Script::Chinese : DotText::Script::Korean);
    }
    const QString &text = m_frame.text(line);
    const QFont font = lineFont(m_frame, line);
    // 均等割り付け, as on the plate: two to four characters spread from edge to edge.
    if (spreadsLine(m_frame, line))
        if (std::optional<LedLineSet> spread = LedLineSet::spread(text, font, columns, rows))
            return *spread;
    return LedLineSet::set(text, font, columns, rows, twoRowRoom);
}

QList<LedPainter::Line> LedPainter::lines() const
{
    const QSize grid = m_settings.gridSize();
    const int height = grid.height();
    const int typeColumns = m_settings.typeColumns();
    QList<QRect> boxes{QRect(0, 0, grid.width(), height)};
    if (m_frame.layout == SignLayout::TypeAndDestination)
        boxes = {QRect(0, 0, typeColumns, height),
                 QRect(typeColumns, 0, grid.width() - typeColumns, height)};
    const bool roomForSmall = height >= 3 * kSmallRows;
    const int large = roomForSmall ? height - kSmallRows : height;

    QList<Line> lines;
    for (const QRect &box : std::as_const(boxes)) {
        const bool typeSide = m_frame.layout == SignLayout::SignName || box.left() == 0;
        const SignLine upper = typeSide ? SignLine::Main : SignLine::Destination;
        const SignLine small = typeSide ? SignLine::English : SignLine::DestinationSmall;
        const QRect columns = box.adjusted(kBoxMargin, 0, -kBoxMargin, 0);
        if (m_phase != LedPhase::Japanese) {
            // The English, Chinese or Korean line alone, as large as the Japanese, or in two
            // rows on the panel.
            const SignLine alone = m_phase == LedPhase::English ? small : upper;
            Line line{alone, setLine(alone, columns.width(), large, height), columns, {}};
            line.rows = line.set.rows.size() > 1
                            ? placed(line.set, columns, 0, height)
                            : placed(line.set, columns, (height - large) / 2, large);
            lines << line;
            continue;
        }
        Line top{upper, setLine(upper, columns.width(), large, height), columns, {}};
        if (top.set.rows.size() > 1) {
            top.rows = placed(top.set, columns, 0, height);
            lines << top;
            continue;
        }
        top.rows = placed(top.set, columns, 0, large);
        if (!roomForSmall) {
            lines << top;
            continue;
        }
        Line beneath{small, setLine(small, columns.width(), kSmallRows, 0), columns, {}};
        beneath.rows = placed(beneath.set, columns, large, kSmallRows);
        // One dark row between the two lines: the small line moves down into its own dark
        // rows, then the large one up into its own.
        const auto above = inkRows(top);
        const auto below = inkRows(beneath);
        if (above && below && below->first <= above->second + 1) {
            int need = above->second + 2 - below->first;
            const int down = std::min(need, height - 1 - below->second);
            shift(beneath, down);
            need -= down;
            shift(top, -std::min(need, above->first));
        }
        lines << top << beneath;
    }
    return lines;
}

QList<SignLine> LedPainter::linesCut() const
{
    QList<SignLine> cut;
    for (const Line &line : lines())
        if (!line.set.fits)
            cut << line.line;
    return cut;
}

int LedPainter::scrollLength() const
{
    int length = 0;
    for (const Line &line : lines())
        if (!line.set.fits)
            for (const DotText::Run &row : line.set.rows)
                length = std::max(length, row.width() - line.window.width());
    return length;
}

QImage LedPainter::dots() const
{
    QImage dots(m_settings.gridSize(), QImage::Format_RGB32);
    dots.fill(Qt::black);
    for (const Line &line : lines()) {
        const QRgb colour = ledColour(m_settings.colours, wantedColour(m_frame, line.line)).rgb();
        for (qsizetype i = 0; i < line.set.rows.size(); ++i) {
            const DotText::Run &row = line.set.rows[i];
            if (line.set.fits || !m_scrolled) {
                stamp(dots, shownPart(row, line.set.fits, line.window.width()).dots, line.rows[i],
                      colour, line.window);
                continue;
            }
            // Moving, the window shows what lies behind it, a part of a character included.
            const int run =
                std::clamp(*m_scrolled, 0, std::max(0, row.width() - line.window.width()));
            stamp(dots, row.dots, line.rows[i] - QPoint(run, 0), colour, line.window);
        }
    }
    return dots;
}

void LedPainter::paint(QPainter &painter) const
{
    DotPainter::paint(painter, dots(), m_settings);
}

QImage LedPainter::render(const QRect &area, qreal scale) const
{
    const int whole = std::max(1, int(std::ceil(scale)));
    QImage picture = PlatePainter::blankPicture(PlatePainter::scaledSize(area.size(), whole));
    {
        QPainter painter(&picture);
        painter.scale(whole, whole);
        painter.translate(-area.topLeft());
        paint(painter);
    }
    if (whole == scale)
        return picture;
    return picture.scaled(PlatePainter::scaledSize(area.size(), scale), Qt::IgnoreAspectRatio,
                          Qt::SmoothTransformation);
}
