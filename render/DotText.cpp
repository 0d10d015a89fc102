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

// efont's 24-dot faces, half-width and full-width, read once: they are files of the system's
// that never change while the program runs, and unpacking them takes longer than drawing a
// whole frame.
struct Efont24
{
    std::optional<PcfFont> half =
        PcfFont::load(QStringLiteral("/usr/share/fonts/X11/misc/h24.pcf.gz"));
    std::optional<PcfFont> full =
        PcfFont::load(QStringLiteral("/usr/share/fonts/X11/misc/f24.pcf.gz"));

    std::optional<PcfFont::Glyph> glyph(char32_t c) const
    {
        std::optional<PcfFont::Glyph> g = half ? half->glyph(c) : std::nullopt;
        if (!g)
            g = full->glyph(c);
        return g ? g : full->defaultGlyph();
    }
};

const Efont24 *efont24()
{
    static const Efont24 faces;
    return faces.full ? &faces : nullptr;
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

QImage fromPcf(const Efont24 &faces, const QString &text, int height)
{
    const PcfFont &font = *faces.full;
    std::vector<PcfFont::Glyph> glyphs;
    int width = 0;
    for (const char32_t c : text.toUcs4())
        if (std::optional<PcfFont::Glyph> g = faces.glyph(c)) {
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
    const qreal columnSpan = 1 / across;
    const qreal rowSpan = qreal(dots.height()) / rows;
    // A dot lights where at least half of what it gathers was lit: a stroke keeps a dot of its
    // own, and squeezed strokes merge no more than they must.
    QImage out = blank(width, dots.height());
    for (int y = 0; y < rows; ++y) {
        uchar *line = out.scanLine(top + y);
        for (int x = 0; x < width; ++x) {
            qreal lit = 0;
            const qreal left = x * columnSpan;
            const qreal right = left + columnSpan;
            const qreal upper = y * rowSpan;
            const qreal lower = upper + rowSpan;
            for (int sy = int(upper); sy < std::min(dots.height(), int(std::ceil(lower))); ++sy) {
                const qreal h = std::min<qreal>(sy + 1, lower) - std::max<qreal>(sy, upper);
                const uchar *in = dots.constScanLine(sy);
                for (int sx = int(left); sx < std::min(dots.width(), int(std::ceil(right))); ++sx)
                    if (in[sx])
                        lit += h * (std::min<qreal>(sx + 1, right) - std::max<qreal>(sx, left));
            }
            line[x] = lit * 2 >= columnSpan * rowSpan ? 1 : 0;
        }
    }
    return out;
}
