#include "render/DotText.h"

#include "render/PcfFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr qreal kNarrowest = 0.5;

// efont's 24-dot face, read once: it is a file of the system's and never changes while the
// program runs, and unpacking it takes longer than drawing a whole frame.
const std::optional<PcfFont> &efont24()
{
    static const std::optional<PcfFont> font =
        PcfFont::load(QStringLiteral("/usr/share/fonts/X11/misc/f24.pcf.gz"));
    return font;
}

// Control characters would draw as boxes; like the plate's text boxes, the panel shows spaces.
QString displayed(QString text)
{
    for (QChar &c : text)
        if (c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
            c == QChar::ObjectReplacementCharacter)
            c = QChar(u' ');
    return text;
}

QImage blank(int width, int height)
{
    QImage dots(std::max(width, 1), height, QImage::Format_Grayscale8);
    dots.fill(0);
    return dots;
}

QImage fromPcf(const PcfFont &font, const QString &text, int height)
{
    std::vector<PcfFont::Glyph> glyphs;
    int width = 0;
    for (const char32_t c : text.toUcs4())
        if (std::optional<PcfFont::Glyph> g = font.glyph(c)) {
            width += g->advance;
            glyphs.push_back(std::move(*g));
        }
    QImage dots = blank(width, height);
    const int baseline = font.ascent() + (height - font.ascent() - font.descent()) / 2;
    int pen = 0;
    for (const PcfFont::Glyph &g : glyphs) {
        for (int y = 0; y < g.ink.height(); ++y) {
            const int row = baseline - g.ascent + y;
            if (row < 0 || row >= height)
                continue;
            const uchar *in = g.ink.constScanLine(y);
            uchar *out = dots.scanLine(row);
            for (int x = 0; x < g.ink.width(); ++x) {
                const int column = pen + g.left + x;
                if (in[x] && column >= 0 && column < dots.width())
                    out[column] = 1;
            }
        }
        pen += g.advance;
    }
    return dots;
}

QImage fromOutline(QFont font, const QString &text, int height)
{
    font.setPixelSize(height);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    const QFontMetrics metrics(font);
    // Fonts reserve more than their em above and below; the line is centred on the ink of a
    // full-height ideograph and a capital instead, which a pixel font draws on its own grid.
    const QRect ink = metrics.tightBoundingRect(QStringLiteral("国M"));
    const int baseline = -ink.top() + (height - ink.height()) / 2;
    const int width = metrics.horizontalAdvance(text);
    QImage canvas(std::max(width, 1), height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QPoint(0, baseline), text);
    }
    QImage dots = blank(canvas.width(), height);
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        uchar *out = dots.scanLine(y);
        for (int x = 0; x < canvas.width(); ++x)
            out[x] = qAlpha(in[x]) >= 128 ? 1 : 0;
    }
    return dots;
}

} // namespace

QImage DotText::render(const QString &rawText, int height, const QFont &fallback)
{
    const QString text = displayed(rawText);
    if (text.isEmpty())
        return blank(0, height);
    if (height == 24 && efont24())
        return fromPcf(*efont24(), text, height);
    const QString pixelFace = height == 8    ? QStringLiteral("MisakiGothic")
                              : height == 16 ? QStringLiteral("DotGothic16")
                                             : QString();
    if (!pixelFace.isEmpty() && QFontDatabase::hasFamily(pixelFace))
        return fromOutline(QFont(pixelFace), text, height);
    return fromOutline(fallback, text, height);
}

QImage DotText::fitted(const QImage &dots, int width)
{
    if (dots.width() <= width || width < 1)
        return dots;
    const qreal across = qreal(width) / dots.width();
    const int rows =
        std::max(1, int(std::lround(dots.height() * std::min(1.0, across / kNarrowest))));
    const int top = (dots.height() - rows) / 2;
    QImage out = blank(width, dots.height());
    for (int y = 0; y < rows; ++y) {
        const int fromRow = y * dots.height() / rows;
        const int toRow = std::max(fromRow + 1, (y + 1) * dots.height() / rows);
        uchar *line = out.scanLine(top + y);
        for (int x = 0; x < width; ++x) {
            const int fromColumn = int(qint64(x) * dots.width() / width);
            const int toColumn =
                std::max(fromColumn + 1, int(qint64(x + 1) * dots.width() / width));
            for (int sy = fromRow; sy < toRow && !line[x]; ++sy) {
                const uchar *in = dots.constScanLine(sy);
                line[x] =
                    std::any_of(in + fromColumn, in + toColumn, [](uchar d) { return d; }) ? 1 : 0;
            }
        }
    }
    return out;
}
