#pragma once

#include "render/DotText.h"

#include <QFont>
#include <QList>
#include <QString>

// One line of a frame set for a window of the panel, before it is placed there: the dots of
// each row at their whole width, and the face chosen. Kept apart from placing, so that a line
// too long for every face can run through its window instead of standing still.
struct LedLineSet
{
    // Below this share of its width a line is no longer squeezed but set in a smaller face.
    static constexpr qreal kNarrowest = 0.6;

    QList<DotText::Run> rows; // one, or two; each as wide as it runs
    int face = 0;             // how many dots a row is tall
    // False where the line is wider than its window at every face, even in two rows: a still
    // picture shows its first screenful.
    bool fits = true;

    // A long line goes down the faces as panels do: the window's own height, squeezed sideways
    // down to kNarrowest; then the next smaller dot face (24, then 16 dots), squeezed as well;
    // then, where twoRowRoom has the height, two rows of a smaller face (24 dots, else 16),
    // broken where the name breaks best (after ・, at a space, else where the script changes)
    // nearest the middle. Past that it stays one row of the smallest face tried, at its whole
    // width, and does not fit.
    static LedLineSet set(const QString &text, const QFont &fallback, int columns, int rows,
                          int twoRowRoom, DotText::Script script = DotText::Script::Japanese);
    // Two to four characters spread across the columns (均等割り付け), or nothing where they
    // do not fit.
    static std::optional<LedLineSet> spread(const QString &text, const QFont &fallback, int columns,
                                            int rows);
};
