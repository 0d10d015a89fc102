#include "render/PlatePainter.h"

#include "sign/PlateGeometry.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextBoundaryFinder>
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

// A name of two to four characters set 均等割り付け: its characters spread evenly across the
// line, the first at its left and the last at its right, as on 前　橋.
bool spreadAcross(QPainter &painter, const QRect &lineRect, const QFontMetricsF &metrics,
                  const QString &text)
{
    QStringList characters;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype from = 0, to = graphemes.toNextBoundary(); to > 0;
         from = to, to = graphemes.toNextBoundary())
        characters << text.mid(from, to - from);
    if (characters.size() < 2 || characters.size() > 4)
        return false;
    qreal inked = 0;
    for (const QString &character : std::as_const(characters))
        inked += metrics.horizontalAdvance(character);
    const qreal gap = (lineRect.width() - inked) / qreal(characters.size() - 1);
    if (gap < 0)
        return false;
    qreal x = lineRect.left();
    for (const QString &character : std::as_const(characters)) {
        painter.drawText(QPointF(x, lineRect.top() + metrics.ascent()), character);
        x += metrics.horizontalAdvance(character) + gap;
    }
    return true;
}

// One line set as a borderless, centred text box sets it, vertically centred on the font's
// height and horizontally centred. A line too wide for its box is never cut: it is squeezed
// sideways (長体) to fill the box, its glyphs as tall as ever; below half its width it shrinks
// evenly as well, so the whole text always shows.
void paintText(QPainter &painter, const QRect &box, const QFont &font, const QString &text,
               bool spread)
{
    QTextLayout layout(displayed(text), font, painter.device());
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();

    const QFontMetrics metrics(font, painter.device());
    const int height = std::max(metrics.boundingRect(text).height(), metrics.height());
    const QRect lineRect(box.x() + kHorizontalMargin, box.y() + (box.height() - height + 1) / 2,
                         box.width() - 2 * kHorizontalMargin, height);
    const int widthUsed = int(std::lround(line.naturalTextWidth())) + 1;
    const int top = lineRect.top() - (int(std::lround(line.ascent())) - metrics.ascent());

    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setFont(font);
    if (spread && spreadAcross(painter, lineRect, QFontMetricsF(font, painter.device()), text)) {
        painter.restore();
        return;
    }
    if (widthUsed <= lineRect.width()) {
        layout.draw(&painter, QPoint(lineRect.left() - (widthUsed - lineRect.width()) / 2, top));
    } else {
        const qreal across = lineRect.width() / line.naturalTextWidth();
        const qreal up = std::min(1.0, across / kNarrowest);
        const qreal middle = lineRect.top() + height / 2.0;
        painter.translate(lineRect.left(), middle);
        painter.scale(across, up);
        layout.draw(&painter, QPointF(0, top - middle));
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
    if (m_frame.layout == SignLayout::TypeAndDestination)
        painter.fillRect(QRect(0, 0, separatorRect().left(), plateSize().height()),
                         m_frame.typePlate);
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
    const bool spread =
        m_frame.justify && (line == SignLine::Main || line == SignLine::Destination);
    paintText(painter, box, lineFont(m_frame, line), m_frame.text(line), spread);
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

QImage PlatePainter::render(int scale) const
{
    return render(QRect(QPoint(), size()), scale);
}

QImage PlatePainter::render(const QRect &area, int scale) const
{
    QImage picture(area.size() * scale, QImage::Format_RGB32);
    picture.setDotsPerMeterX(kDotsPerMeter);
    picture.setDotsPerMeterY(kDotsPerMeter);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.scale(scale, scale);
    painter.translate(-area.topLeft());
    paint(painter);
    return picture;
}
