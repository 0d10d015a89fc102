#include "render/PlatePainter.h"

#include "sign/PlateGeometry.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

#include <cmath>

namespace {

// A picture counts 96 dots to the inch whatever screen the program runs on, so a point size
// draws the same number of pixels in every picture.
constexpr int kDotsPerMeter = 3780;

// A text box keeps two pixels clear at each side and one above and below its line.
constexpr int kHorizontalMargin = 2;

// Phototypesetting squeezed type down to half its width, and so do the signs' makers.
constexpr qreal kNarrowest = 0.5;

// A squeezed or spread line stops short of the plate's ends, as on real plates, by about a
// quarter of its type's height.
constexpr qreal kEndMarginPerEm = 0.25;

// Stacked as the boxes are created: the ones made earlier lie on top, so they are drawn last.
constexpr std::array kBottomToTop{SignLine::Destination, SignLine::DestinationSmall, SignLine::Main,
                                  SignLine::English};

// Control characters would draw as boxes; the text box shows them as spaces.
QString displayed(QString text)
{
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != 0x09) || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter)
            c = QChar(u' ');
    }
    return text;
}

// What a picture lays its text out for: 96 dots to the inch. Vector files lay it out the same
// way, whatever resolution they count in, so their texts stand where a picture's do.
const QPaintDevice *pictureDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(kDotsPerMeter);
        image.setDotsPerMeterY(kDotsPerMeter);
        return image;
    }();
    return &device;
}

// Glyph runs filled as paths in the pen's colour, with the lines a font's underline and
// strikeout would draw.
void fillOutlines(QPainter &painter, const QList<QGlyphRun> &runs, const QPointF &origin)
{
    QPainterPath path;
    for (const QGlyphRun &run : runs) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i)
            path.addPath(font.pathForGlyph(glyphs[i]).translated(origin + positions[i]));
        if (positions.isEmpty() || !(run.underline() || run.strikeOut()))
            continue;
        const QRectF span = run.boundingRect().translated(origin);
        const qreal baseline = origin.y() + positions.first().y();
        const qreal thickness = std::max(1.0, font.lineThickness());
        if (run.underline())
            path.addRect(
                QRectF(span.left(), baseline + font.underlinePosition(), span.width(), thickness));
        if (run.strikeOut())
            path.addRect(
                QRectF(span.left(), baseline - font.xHeight() / 2, span.width(), thickness));
    }
    path.setFillRule(Qt::WindingFill);
    painter.fillPath(path, painter.pen().color());
}

// One string, its baseline's left end at baseline.
void drawString(QPainter &painter, const QPointF &baseline, const QString &text, bool outlines)
{
    if (!outlines) {
        painter.drawText(baseline, text);
        return;
    }
    QTextLayout layout(text, painter.font(), pictureDevice());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    fillOutlines(painter, layout.glyphRuns(), baseline - QPointF(0, line.ascent()));
}

void drawLayout(QPainter &painter, const QTextLayout &layout, const QPointF &at, bool outlines)
{
    if (outlines)
        fillOutlines(painter, layout.glyphRuns(), at);
    else
        layout.draw(&painter, at);
}

// A name set 均等割り付け: its characters spread evenly across the line, the first at its left
// and the last at its right, as on 前　橋; false where they do not fit.
bool spreadAcross(QPainter &painter, const QRect &lineRect, const QFontMetricsF &metrics,
                  const QString &text, bool outlines)
{
    const QStringList characters = charactersOf(text);
    qreal inked = 0;
    for (const QString &character : std::as_const(characters))
        inked += metrics.horizontalAdvance(character);
    const qreal gap = (lineRect.width() - inked) / qreal(characters.size() - 1);
    if (gap < 0)
        return false;
    qreal x = lineRect.left();
    for (const QString &character : std::as_const(characters)) {
        drawString(painter, QPointF(x, lineRect.top() + metrics.ascent()), character, outlines);
        x += metrics.horizontalAdvance(character) + gap;
    }
    return true;
}

// One line set as a borderless, centred text box sets it, vertically centred on the font's
// height and horizontally centred. A line too wide for its box is never cut: it is squeezed
// sideways (長体) to fill the box but for a margin at each end, its glyphs as tall as ever;
// below half its width it shrinks evenly as well, so the whole text always shows.
void paintText(QPainter &painter, const QRect &box, const QFont &font, const QString &text,
               bool spread, bool outlines)
{
    const QPaintDevice *device = outlines ? pictureDevice() : painter.device();
    QTextLayout layout(displayed(text), font, device);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();

    const QFontMetrics metrics(font, device);
    const int height = std::max(metrics.boundingRect(text).height(), metrics.height());
    const QRect lineRect(box.x() + kHorizontalMargin, box.y() + (box.height() - height + 1) / 2,
                         box.width() - 2 * kHorizontalMargin, height);
    const qreal em =
        font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * device->logicalDpiY() / 72.0;
    const int endMargin = std::max(0, int(std::lround(em * kEndMarginPerEm)) - kHorizontalMargin);
    const QRect setWithin = lineRect.adjusted(endMargin, 0, -endMargin, 0);
    const int widthUsed = int(std::lround(line.naturalTextWidth())) + 1;
    const int top = lineRect.top() - (int(std::lround(line.ascent())) - metrics.ascent());

    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setFont(font);
    if (spread && spreadAcross(painter, setWithin, QFontMetricsF(font, device), text, outlines)) {
        painter.restore();
        return;
    }
    if (widthUsed <= lineRect.width()) {
        drawLayout(painter, layout,
                   QPoint(lineRect.left() - (widthUsed - lineRect.width()) / 2, top), outlines);
    } else {
        const qreal across = setWithin.width() / line.naturalTextWidth();
        const qreal up = std::min(1.0, across / kNarrowest);
        const qreal middle = lineRect.top() + height / 2.0;
        painter.translate(setWithin.left(), middle);
        painter.scale(across, up);
        drawLayout(painter, layout, QPointF(0, top - middle), outlines);
    }
    painter.restore();
}

} // namespace

PlatePainter::PlatePainter(const Frame &frame, const SignLook &look, LedPhase phase)
    : m_frame(frame)
    , m_look(look)
    , m_phase(phase)
{}

void PlatePainter::paint(QPainter &painter) const
{
    if (m_look.isLed()) {
        LedPainter(m_frame, m_look.led, m_phase).paint(painter);
        return;
    }
    painter.fillRect(QRect(QPoint(), plateSize()), Qt::black);
    // The service type's plate: everything left of the separator.
    const bool typeLayout = m_frame.layout == SignLayout::TypeAndDestination;
    if (typeLayout)
        painter.fillRect(QRect(0, 0, separatorRect().left(), plateSize().height()),
                         m_frame.typePlate);
    if (typeLayout && needsSeparatorRule(m_frame.typePlate))
        painter.fillRect(separatorRuleRect(), kSeparatorRule);
    // The separator merges onto the black plate: white shows, black leaves no trace.
    const QColor separator = layoutTable(m_frame.layout).separator;
    if (separator != Qt::black)
        painter.fillRect(separatorRect(), separator);
    for (SignLine line : kBottomToTop)
        if (layoutTable(m_frame.layout).box(line).visible)
            paintLine(painter, line);
}

void PlatePainter::paintLine(QPainter &painter, SignLine line) const
{
    const QRect box = lineRect(m_frame.layout, line);
    painter.fillRect(box, lineBackground(m_frame, line));
    painter.setPen(lineForeground(m_frame, line));
    paintText(painter, box, lineFont(m_frame, line), m_frame.text(line), spreadsLine(m_frame, line),
              m_outlines);
}

QSize PlatePainter::size() const
{
    return m_look.isLed() ? LedPainter(m_frame, m_look.led).size() : plateSize();
}

QRect PlatePainter::destinationArea() const
{
    return m_look.isLed() ? LedPainter(m_frame, m_look.led).destinationArea()
                          : lineRect(m_frame.layout, SignLine::Destination);
}

QImage PlatePainter::render(qreal scale) const
{
    return render(QRect(QPoint(), size()), scale);
}

QImage PlatePainter::renderFitted(const QSize &room, qreal devicePixelRatio) const
{
    const QSize whole = size();
    const QSize fitted = whole.scaled(room * devicePixelRatio, Qt::KeepAspectRatio);
    QImage picture = fitted.width() < whole.width()
                         ? render().scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         : render(qreal(fitted.width()) / whole.width());
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

QSize PlatePainter::scaledSize(const QSize &size, qreal scale)
{
    return {std::max(1, int(std::lround(size.width() * scale))),
            std::max(1, int(std::lround(size.height() * scale)))};
}

QImage PlatePainter::blankPicture(const QSize &size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.setDotsPerMeterX(kDotsPerMeter);
    picture.setDotsPerMeterY(kDotsPerMeter);
    picture.fill(Qt::black);
    return picture;
}

QImage PlatePainter::render(const QRect &area, qreal scale) const
{
    if (m_look.isLed())
        return LedPainter(m_frame, m_look.led, m_phase).render(area, scale);
    QImage picture = blankPicture(scaledSize(area.size(), scale));
    QPainter painter(&picture);
    painter.scale(scale, scale);
    painter.translate(-area.topLeft());
    paint(painter);
    return picture;
}
