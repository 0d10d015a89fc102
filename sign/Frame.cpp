#include "sign/Frame.h"

#include "sign/SignFonts.h"

Frame::Frame()
    : texts{QStringLiteral("幕名"), QStringLiteral("英語文字"), QStringLiteral("行き先"),
            QStringLiteral("行き先")}
    , mainColour(Qt::white)
    , englishColour(Qt::white)
    , englishBand(Qt::blue)
    , signNameBand(Qt::blue)
    , mainFont(kSignFace)
    , typePlate(Qt::black)
{
    mainFont.setPointSizeF(24);
    mainFont.setBold(true);
}
