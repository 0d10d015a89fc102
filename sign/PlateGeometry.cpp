#include "sign/PlateGeometry.h"

#include "sign/SignFonts.h"

namespace {

const QColor kBlack(0x00, 0x00, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);

// Plates lighter than this (as grey) hardly stand apart from the white separator.
constexpr int kLightestUnruled = 192;
constexpr int kRuleWidthPixels = 2;

// The heights never change; the destination boxes keep their place and only show or hide.
const LayoutTable kSignName{
    {{0, 240, 3615, 630}, true, kBlack, 0},
    {{0, 960, 3615, 255}, true, QColor(), 9},
    {{1440, 240, 2055, 615}, false, kBlack, 24},
    {{1440, 800, 2055, 180}, false, kBlack, 9},
    24,
    kBlack,
};

const LayoutTable kTypeAndDestination{
    {{150, 350, 1100, 630}, true, kBlack, 0},
    {{150, 800, 1100, 255}, true, QColor(), 6},
    {{1440, 240, 2055, 615}, true, kBlack, 24},
    {{1440, 800, 2055, 180}, true, kBlack, 9},
    16,
    kWhite,
};

} // namespace

const LineBox &LayoutTable::box(SignLine line) const
{
    switch (line) {
    case SignLine::Main:
        return main;
    case SignLine::English:
        return english;
    case SignLine::Destination:
        return destination;
    case SignLine::DestinationSmall:
        break;
    }
    return destinationSmall;
}

const LayoutTable &layoutTable(SignLayout layout)
{
    return layout == SignLayout::TypeAndDestination ? kTypeAndDestination : kSignName;
}

QSize plateSize()
{
    return twipsToPixels(kPlateTwips).size();
}

QRect separatorRect()
{
    const int x = twipsToPixels(kSeparatorX);
    const int top = twipsToPixels(kSeparatorTop);
    return {x - kSeparatorWidthPixels / 2, top, kSeparatorWidthPixels,
            twipsToPixels(kSeparatorBottom) - top};
}

bool needsSeparatorRule(const QColor &typePlate)
{
    return qGray(typePlate.rgb()) >= kLightestUnruled;
}

QRect separatorRuleRect()
{
    const QRect separator = separatorRect();
    return {separator.left() - kRuleWidthPixels, separator.top(), kRuleWidthPixels,
            separator.height()};
}

QRect lineRect(SignLayout layout, SignLine line)
{
    return twipsToPixels(layoutTable(layout).box(line).rect);
}

QFont lineFont(const Frame &frame, SignLine line)
{
    const LineBox &box = layoutTable(frame.layout).box(line);
    if (line == SignLine::Main)
        return frame.mainFont;
    QFont font(kUiGothicFace);
    font.setPointSizeF(box.pointSize);
    font.setBold(true);
    return font;
}

QColor lineBackground(const Frame &frame, SignLine line)
{
    const bool onTypePlate = line == SignLine::Main || line == SignLine::English;
    if (frame.layout == SignLayout::TypeAndDestination && onTypePlate)
        return frame.typePlate;
    const QColor fixed = layoutTable(frame.layout).box(line).background;
    return fixed.isValid() ? fixed : frame.englishBand;
}

QColor lineForeground(const Frame &frame, SignLine line)
{
    switch (line) {
    case SignLine::Main:
        return frame.mainColour;
    case SignLine::English:
        return frame.englishColour;
    case SignLine::Destination:
    case SignLine::DestinationSmall:
        break;
    }
    return kWhite;
}
