#include "render/LedLineSet.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The dot faces a panel steps down to, largest first.
constexpr std::array kSmallerFaces{24, 16};

// Characters after which a name breaks well into two rows.
bool breaksAfter(const QString &character)
{
    static const QSet<QString> marks{
        QStringLiteral("・"), QStringLiteral("･"), QStringLiteral("、"), QStringLiteral("，"),
        QStringLiteral(","),  QStringLiteral("/"), QStringLiteral("／"), QStringLiteral("-"),
        QStringLiteral("‐"),  QStringLiteral("～")};
    return character.trimmed().isEmpty() || marks.contains(character);
}

bool isSpace(const QString &character)
{
    return character.trimmed().isEmpty();
}

// How well a name breaks before each of its characters: 2 after a mark or at a space, 1 where
// the script changes (東京|ディズニー, ディズニー|駅), 0 elsewhere.
std::vector<int> breakQualities(const QStringList &characters)
{
    std::vector<int> quality(std::size_t(characters.size()), 0);
    QChar::Script last = QChar::Script_Unknown;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        QChar::Script script = QChar::script(characters[i].toUcs4().value(0));
        // ー and the like belong to the script around them.
        if (script == QChar::Script_Common || script == QChar::Script_Inherited)
            script = last;
        if (i > 0 && (breaksAfter(characters[i - 1]) || isSpace(characters[i])))
            quality[std::size_t(i)] = 2;
        else if (i > 0 && script != last)
            quality[std::size_t(i)] = 1;
        last = script;
    }
    return quality;
}

// The run as it goes into columns: as it is, or fitted; nothing where it cannot go.
std::optional<DotText::Run> into(const DotText::Run &run, int columns)
{
    if (run.width() <= columns)
        return run;
    return DotText::fitted(run, columns, LedLineSet::kNarrowest);
}

// The two rows a name breaks into: at the best break that lets both rows fit (see
// breakQualities), among equals the most even.
std::optional<QList<DotText::Run>> twoRows(const DotText::Run &whole, int columns)
{
    struct Break
    {
        qsizetype at;
        int quality;
        int wider;
    };
    const QStringList &characters = whole.characters;
    const std::vector<int> quality = breakQualities(characters);
    std::vector<Break> breaks;
    for (qsizetype at = 1; at < characters.size(); ++at) {
        const int first = whole.ends[at - 1];
        breaks.push_back({at, quality[std::size_t(at)], std::max(first, whole.width() - first)});
    }
    std::stable_sort(breaks.begin(), breaks.end(), [](const Break &a, const Break &b) {
        return a.quality != b.quality ? a.quality > b.quality : a.wider < b.wider;
    });
    for (const Break &b : breaks) {
        // Spaces at the break belong to neither row.
        qsizetype firstEnd = b.at;
        while (firstEnd > 0 && isSpace(characters[firstEnd - 1]))
            --firstEnd;
        qsizetype secondStart = b.at;
        while (secondStart < characters.size() && isSpace(characters[secondStart]))
            ++secondStart;
        if (firstEnd == 0 || secondStart == characters.size())
            continue;
        const std::optional<DotText::Run> first = into(whole.cut(0, firstEnd), columns);
        const std::optional<DotText::Run> second =
            first ? into(whole.cut(secondStart, characters.size()), columns) : std::nullopt;
        if (second)
            return QList<DotText::Run>{*first, *second};
    }
    return std::nullopt;
}

} // namespace

LedLineSet LedLineSet::set(const QString &text, const QFont &fallback, int columns, int rows,
                           int twoRowRoom, DotText::Script script)
{
    std::vector<int> faces{rows};
    for (const int face : kSmallerFaces)
        if (face < rows)
            faces.push_back(face);
    DotText::Run smallest;
    for (const int face : faces) {
        smallest = DotText::set(text, face, fallback, script);
        if (const std::optional<DotText::Run> run = into(smallest, columns))
            return {{*run}, face, true};
    }
    for (const int face : kSmallerFaces) {
        if (face >= rows || 2 * face > twoRowRoom)
            continue;
        if (const auto both = twoRows(DotText::set(text, face, fallback, script), columns))
            return {*both, face, true};
    }
    return {{smallest}, faces.back(), false};
}

std::optional<LedLineSet> LedLineSet::spread(const QString &text, const QFont &fallback,
                                             int columns, int rows)
{
    const DotText::Run run = DotText::set(text, rows, fallback);
    const qsizetype count = run.characters.size();
    if (count < 2 || run.width() > columns)
        return std::nullopt;
    const qreal gap = qreal(columns - run.width()) / qreal(count - 1);
    DotText::Run spread;
    spread.characters = run.characters;
    spread.dots = QImage(columns, rows, QImage::Format_Grayscale8);
    spread.dots.fill(0);
    qreal x = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const DotText::Run character = run.cut(i, i + 1);
        const int left = int(std::lround(x));
        for (int y = 0; y < rows; ++y) {
            const uchar *in = character.dots.constScanLine(y);
            uchar *out = spread.dots.scanLine(y);
            for (int c = 0; c < character.width() && left + c < columns; ++c)
                out[left + c] |= in[c];
        }
        x += character.width() + gap;
        spread.ends << std::min(columns, int(std::lround(x - gap)));
    }
    spread.ends.last() = columns;
    return LedLineSet{{spread}, rows, true};
}
