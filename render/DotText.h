#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Text as the dots of an LED panel: one byte a dot, 0 dark and 1 lit, exactly height rows tall,
// never anti-aliased. Where Debian has a pixel font drawn for the height it is used (8 rows
// 美咲ゴシック, 16 rows DotGothic16, 24 rows efont); any other height is the fallback font
// rasterised without anti-aliasing. Chinese and Korean lines have faces of their own (see
// Script).
namespace DotText {

// What a line is written in, which picks its faces. Japanese lines, the English ones with them,
// take the faces above. Chinese (simplified) and Korean lines take efont at 16 and 24 rows, whose
// faces hold every character of GB 2312 and KS X 1001 (DotGothic16 and 美咲 hold neither script,
// and a line would mix their glyphs with another face's), and at any other height Noto Sans CJK
// SC or KR, bold, rasterised without anti-aliasing: the Japanese fallback would draw Chinese
// characters in Japanese forms.
enum class Script { Japanese, Chinese, Korean };

// A line of dots that knows its characters, so that it can be narrowed character by character,
// split into rows or cut at a character.
struct Run
{
    QImage dots; // Format_Grayscale8; at least one column wide, even for no text
    QStringList characters;
    QList<int> ends; // the column after each character

    int width() const { return ends.isEmpty() ? 0 : ends.constLast(); }
    int height() const { return dots.height(); }
    // The dots from one character's start to another's.
    Run cut(qsizetype from, qsizetype to) const;
};

Run set(const QString &text, int height, const QFont &fallback, Script script = Script::Japanese);

// The run fitted into width columns, for a line too wide for its window. First the room between
// characters is taken in to one dark column (more at a space), as a panel sets a long line
// tight; then every character is narrowed alike: its columns merge where they differ least (a
// thick stroke, a long bar, blank room first), a dot lit where any merged dot was, so every
// stroke keeps its dots and no character runs into the next. Nothing where a character would
// have to go below narrowest of its width, or below three columns.
std::optional<Run> fitted(const Run &run, int width, qreal narrowest);

} // namespace DotText
