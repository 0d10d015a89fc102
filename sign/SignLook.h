#pragma once

#include <QColor>
#include <QList>
#include <QSize>

// How a roll is shown: as the printed plate (幕) or as a dot-matrix LED display drawn from the
// same frames.
enum class LookKind { Plate, Led };

// The LED grids: a side display of 128 × 32 dots, a front display of 16 or 24 rows as wide as
// the user sets, or any size.
enum class LedGrid { Side, Front, Custom };

// Which colours the panel's dots can light.
enum class LedColours {
    Amber,       // one colour
    ThreeColour, // red, yellow-green, and orange from both lit
    FullColour,  // three bits a channel: the 512 colours full-colour panels pick from
};

struct LedSettings
{
    static constexpr int kSideColumns = 128;
    static constexpr int kSideRows = 32;
    // In the type layout the side display gives the service type 48 of its 128 columns.
    static constexpr int kSideTypeColumns = 48;
    static constexpr int kMinColumns = 8;
    static constexpr int kMaxColumns = 384;
    static constexpr int kMinRows = 8;
    static constexpr int kMaxRows = 96;
    static constexpr int kMaxDotSize = 16;
    static constexpr int kMaxGap = 8;

    LedGrid grid = LedGrid::Side;
    // The user's columns and rows; the side grid ignores both and a front grid its rows unless
    // they are 24.
    int columns = kSideColumns;
    int rows = kSideRows;
    LedColours colours = LedColours::ThreeColour;
    int dotSize = 6; // pixels across one dot
    int gap = 2;     // pixels between two dots
    int glow = 50;   // 0 to 100: how far a lit dot's halo reaches into its own gap

    // The grid in dots, as the grid kind decides it.
    QSize gridSize() const;
    // One dot and the gap after it.
    int pitch() const { return dotSize + gap; }
    // The columns the service type takes in the type layout: 48 of the side display's 128, and
    // the same share of any other width.
    int typeColumns() const;
    // The same settings with every number inside its range.
    LedSettings bounded() const;

    bool operator==(const LedSettings &) const = default;
};

struct SignLook
{
    LookKind kind = LookKind::Plate;
    LedSettings led;

    bool isLed() const { return kind == LookKind::Led; }

    bool operator==(const SignLook &) const = default;
};

// The colours a panel lights, brightest first; the amber and three-colour panels list them
// all, the full-colour panel's 512 are not listed.
QList<QColor> ledPanelColours(LedColours colours);
// What a dot shows for a chosen colour: the nearest the panel can light. Dark colours, which a
// panel cannot show on its dark face, light as white would.
QColor ledColour(LedColours colours, const QColor &wanted);
// An unlit dot.
inline const QColor kUnlitDot(0x30, 0x30, 0x30);
