#include "sign/SignFonts.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutes()
{
    // A heavy gothic first for the sign face; the UD gothic is the closest to the proportional
    // MS gothic in metrics. Each list ends in faces most Japanese desktops have.
    QFont::insertSubstitutions(
        kSignFace, {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Source Han Sans JP"),
                    QStringLiteral("BIZ UDPGothic"), QStringLiteral("IPAexGothic"),
                    QStringLiteral("IPAPGothic")});
    QFont::insertSubstitutions(kUiGothicFace,
                               {QStringLiteral("BIZ UDPGothic"), QStringLiteral("IPAPGothic"),
                                QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans CJK JP")});
}
