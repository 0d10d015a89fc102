#pragma once

#include <QFont>
#include <QImage>
#include <QString>

// One line of text as the dots of an LED panel: one byte a dot, 0 dark and 1 lit, exactly
// height rows tall and as wide as the text runs, never anti-aliased. Where Debian has a pixel
// font drawn for the height it is used (8 rows 美咲ゴシック, 16 rows DotGothic16, 24 rows
// efont); any other height is the fallback font rasterised without anti-aliasing.
namespace DotText {

QImage render(const QString &text, int height, const QFont &fallback);

// Squeezes a line wider than width sideways (長体), a dot lit where half of what it gathers was;
// below half its width it shrinks evenly as well, so the whole text always shows. The answer
// keeps the line's height and is at most width wide.
QImage fitted(const QImage &dots, int width);

} // namespace DotText
