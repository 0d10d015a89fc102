#include "render/DotText.h"

#include "codec/PcfFont.h"
#include "sign/Frame.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <bitset>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>

namespace {

// efont's faces of one height, half-width and full-width, read once: they are files of the
// system's that never change while the program runs, and unpacking them takes longer than
// drawing a whole frame.
struct Efont
{
    explicit Efont(int height)
        : half(PcfFont::load(QStringLiteral("/usr/share/fonts/X11/misc/h%1.pcf.gz").arg(height)))
        , full(PcfFont::load(QStringLiteral("/usr/share/fonts/X11/misc/f%1.pcf.gz").arg(height)))
    {}

    std::optional<PcfFont> half;
    std::optional<PcfFont> full;

    std::optional<PcfFont::Glyph> glyph(char32_t c) const
    {
        std::optional<PcfFont::Glyph> g = half ? half->glyph(c) : std::nullopt;
        if (!g)
            g = full->glyph(c);
        return g ? g : full->defaultGlyph();
    }
};

// The faces for height, where efont has them: 24 rows for every script, 16 for Chinese and
// Korean.
const Efont *efont(int height, DotText::Script script)
{
    if (height == 24) {
        static const Efont faces(24);
        return faces.full ? &faces : nullptr;
    }
    if (height == 16 && script != DotText::Script::Japanese) {
        static const Efont faces(16);
        return faces.full ? &faces : nullptr;
    }
    return nullptr;
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

DotText::Run fromPcf(const Efont &faces, const QStringList &characters, int height)
{
    const PcfFont &font = *faces.full;
    std::vector<PcfFont::Glyph> glyphs;
    std::vector<int> lastGlyphOf;
    DotText::Run run;
    run.characters = characters;
    int width = 0;
    for (const QString &character : characters) {
        for (const char32_t c : character.toUcs4())
            if (std::optional<PcfFont::Glyph> g = faces.glyph(c)) {
                width += g->advance;
                glyphs.push_back(std::move(*g));
            }
        run.ends << width;
    }
    run.dots = blank(width, height);
    const int baseline = font.ascent() + (height - font.ascent() - font.descent()) / 2;
    int pen = 0;
    for (const PcfFont::Glyph &g : glyphs) {
        for (int y = 0; y < g.ink.height(); ++y) {
            const int row = baseline - g.ascent + y;
            if (row < 0 || row >= height)
                continue;
            const uchar *in = g.ink.constScanLine(y);
            uchar *out = run.dots.scanLine(row);
            for (int x = 0; x < g.ink.width(); ++x) {
                const int column = pen + g.left + x;
                if (in[x] && column >= 0 && column < run.dots.width())
                    out[column] = 1;
            }
        }
        pen += g.advance;
    }
    return run;
}

DotText::Run fromOutline(QFont font, const QStringList &characters, int height)
{
    font.setPixelSize(height);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    const QFontMetrics metrics(font);
    // Fonts reserve more than their em above and below; the line is centred on the ink of a
    // full-height ideograph and a capital instead, which a pixel font draws on its own grid.
    const QRect ink = metrics.tightBoundingRect(QStringLiteral("国M"));
    const int baseline = -ink.top() + (height - ink.height()) / 2;
    DotText::Run run;
    run.characters = characters;
    int width = 0;
    for (const QString &character : characters)
        run.ends << (width += metrics.horizontalAdvance(character));
    QImage canvas(std::max(width, 1), height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::white);
        for (qsizetype i = 0; i < characters.size(); ++i)
            painter.drawText(QPoint(i == 0 ? 0 : run.ends[i - 1], baseline), characters[i]);
    }
    run.dots = blank(canvas.width(), height);
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        uchar *out = run.dots.scanLine(y);
        for (int x = 0; x < canvas.width(); ++x)
            out[x] = qAlpha(in[x]) >= 128 ? 1 : 0;
    }
    return run;
}

// A character narrowed to fewer columns than this stops being one.
constexpr int kFewestColumns = 3;

// One dot column, a bit a row: a face is never taller than the tallest panel.
using Column = std::bitset<128>;

Column columnOf(const QImage &dots, int x)
{
    Column column;
    for (int y = 0; y < std::min<int>(dots.height(), int(column.size())); ++y)
        column[std::size_t(y)] = dots.constScanLine(y)[x] != 0;
    return column;
}

// The columns [left, right) of a character narrowed to width: the two neighbouring columns that
// differ in fewest dots merge, the narrower pair first among equals so that a long bar gives up
// its length evenly, until the character is width wide.
std::vector<Column> narrowed(const QImage &dots, int left, int right, int width)
{
    struct Merged
    {
        Column dots;
        int span;
    };
    std::vector<Merged> columns;
    for (int x = left; x < right; ++x)
        columns.push_back({columnOf(dots, x), 1});
    while (int(columns.size()) > std::max(width, 1)) {
        std::size_t best = 0;
        std::size_t bestCost = std::numeric_limits<std::size_t>::max();
        for (std::size_t i = 0; i + 1 < columns.size(); ++i) {
            const std::size_t cost = (columns[i].dots ^ columns[i + 1].dots).count() * 1024 +
                                     std::size_t(columns[i].span + columns[i + 1].span);
            if (cost < bestCost) {
                bestCost = cost;
                best = i;
            }
        }
        columns[best].dots |= columns[best + 1].dots;
        columns[best].span += columns[best + 1].span;
        columns.erase(columns.begin() + std::ptrdiff_t(best) + 1);
    }
    std::vector<Column> out;
    out.reserve(columns.size());
    for (const Merged &column : columns)
        out.push_back(column.dots);
    return out;
}

// How wide each character is made so that they fill budget columns together: each narrowed
// alike, the least narrowed first, but never below narrowest of its width nor below three
// columns, the fewest a letter reads in; nothing where that leaves them too wide.
std::optional<std::vector<int>> shares(const std::vector<int> &widths, int budget, qreal narrowest)
{
    std::vector<int> out = widths;
    std::vector<int> least;
    int used = 0;
    int fewest = 0;
    for (const int w : widths) {
        least.push_back(std::min(w, std::max(kFewestColumns, int(std::ceil(w * narrowest)))));
        used += w;
        fewest += least.back();
    }
    if (fewest > budget)
        return std::nullopt;
    while (used > budget) {
        std::optional<std::size_t> best;
        for (std::size_t i = 0; i < out.size(); ++i)
            if (out[i] > least[i] &&
                (!best || out[i] * widths[*best] > out[*best] * widths[i] ||
                 (out[i] * widths[*best] == out[*best] * widths[i] && out[i] > out[*best])))
                best = i;
        if (!best)
            return std::nullopt;
        --out[*best];
        --used;
    }
    return out;
}

// One character of a run as a panel sets a long line: where its ink lies, and whether it is
// a space between words.
struct Inked
{
    int left = 0;  // first lit column; left == right for a character with no ink
    int right = 0; // past the last
    bool space = false;
};

std::vector<Inked> inkedCharacters(const DotText::Run &run)
{
    std::vector<Inked> inked;
    int start = 0;
    for (qsizetype i = 0; i < run.characters.size(); ++i) {
        const int end = run.ends[i];
        Inked character{end, end, false};
        for (int x = start; x < end; ++x) {
            bool lit = false;
            for (int y = 0; y < run.height() && !lit; ++y)
                lit = run.dots.constScanLine(y)[x] != 0;
            if (lit) {
                character.left = std::min(character.left, x);
                character.right = x + 1;
            }
        }
        if (character.right == end && character.left == end)
            character.left = character.right = start;
        character.space = run.characters[i].trimmed().isEmpty();
        inked.push_back(character);
        start = end;
    }
    return inked;
}

} // namespace

DotText::Run DotText::Run::cut(qsizetype from, qsizetype to) const
{
    Run part;
    const int left = from > 0 ? ends[from - 1] : 0;
    const int right = to > 0 ? ends[to - 1] : 0;
    part.characters = characters.mid(from, to - from);
    for (qsizetype i = from; i < to; ++i)
        part.ends << ends[i] - left;
    part.dots = dots.copy(left, 0, std::max(right - left, 1), height());
    if (right <= left)
        part.dots.fill(0);
    return part;
}

DotText::Run DotText::set(const QString &rawText, int height, const QFont &fallback, Script script)
{
    const QStringList characters = charactersOf(displayed(rawText));
    if (characters.isEmpty())
        return {blank(0, height), {}, {}};
    if (const Efont *faces = efont(height, script))
        return fromPcf(*faces, characters, height);
    if (script != Script::Japanese) {
        QFont face(script == Script::Chinese ? QStringLiteral("Noto Sans CJK SC")
                                             : QStringLiteral("Noto Sans CJK KR"));
        face.setBold(true);
        return fromOutline(face, characters, height);
    }
    const QString pixelFace = height == 8    ? QStringLiteral("MisakiGothic")
                              : height == 16 ? QStringLiteral("DotGothic16")
                                             : QString();
    if (!pixelFace.isEmpty() && QFontDatabase::hasFamily(pixelFace))
        return fromOutline(QFont(pixelFace), characters, height);
    return fromOutline(fallback, characters, height);
}

std::optional<DotText::Run> DotText::fitted(const Run &run, int width, qreal narrowest)
{
    const std::vector<Inked> inked = inkedCharacters(run);
    // The dark columns kept before each character: none before the first, one between two
    // characters (none where they touched already), a quarter of the height at a space.
    const int wordSpace = std::max(kFewestColumns, run.height() / 4);
    std::vector<int> before(inked.size(), 0);
    int lastRight = -1;
    bool spaceSince = false;
    int inkWidth = 0;
    int room = 0; // the dark columns between characters
    for (std::size_t i = 0; i < inked.size(); ++i) {
        spaceSince = spaceSince || inked[i].space;
        if (inked[i].left == inked[i].right)
            continue;
        if (lastRight >= 0) {
            before[i] =
                std::min(std::max(inked[i].left - lastRight, 0), spaceSince ? wordSpace : 1);
            room += before[i];
        }
        inkWidth += inked[i].right - inked[i].left;
        lastRight = inked[i].right;
        spaceSince = false;
    }
    if (inkWidth == 0 || width < room + 1)
        return std::nullopt;
    std::vector<int> inks;
    inks.reserve(inked.size());
    for (const Inked &c : inked)
        inks.push_back(c.right - c.left);
    const std::optional<std::vector<int>> widths = shares(inks, width - room, narrowest);
    if (!widths)
        return std::nullopt;

    Run out;
    out.characters = run.characters;
    out.dots = blank(width, run.height());
    int x = 0;
    for (std::size_t i = 0; i < inked.size(); ++i) {
        const Inked &c = inked[i];
        x += before[i];
        if (c.left < c.right) {
            const std::vector<Column> columns = narrowed(run.dots, c.left, c.right, (*widths)[i]);
            for (std::size_t column = 0; column < columns.size(); ++column)
                for (int y = 0; y < run.height() && y < int(columns[column].size()); ++y)
                    if (columns[column][std::size_t(y)])
                        out.dots.scanLine(y)[x + int(column)] = 1;
            x += int(columns.size());
        }
        out.ends << x;
    }
    out.dots = out.dots.copy(0, 0, std::max(x, 1), run.height());
    return out;
}
