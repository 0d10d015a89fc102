#include "render/PlatePainter.h"

#include "sign/PlateGeometry.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

// A picture counts 96 dots to the inch whatever screen the program runs on, so a point size
// draws the same number of pixels in every picture.
constexpr int kDotsPerMeter = 3780;

// A text box keeps two pixels clear at each side and one above and below its line.
constexpr int kHorizontalMargin = 2;

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

// One line set as a borderless, centred text box sets it: vertically centred on the font's
// height, horizontally centred while it fits, and otherwise showing its end, where typing
// leaves the caret.
void paintText(QPainter &painter, const QRect &box, const QFont &font, const QString &text)
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
    const int scroll = widthUsed <= lineRect.width()
                           ? (widthUsed - lineRect.width()) / 2
                           : int(std::lround(line.naturalTextWidth())) - lineRect.width() + 1;
    const QPoint topLeft =
        lineRect.topLeft() - QPoint(scroll, int(std::lround(line.ascent())) - metrics.ascent());

    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    layout.draw(&painter, topLeft);
    painter.restore();
}

} // namespace

PlatePainter::PlatePainter(const Frame &frame)
    : m_frame(frame)
{}

void PlatePainter::paint(QPainter &painter) const
{
    painter.fillRect(QRect(QPoint(), plateSize()), Qt::black);
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
    paintText(painter, box, lineFont(m_frame, line), m_frame.text(line));
}

QImage PlatePainter::render(int scale) const
{
    return render(QRect(QPoint(), plateSize()), scale);
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
