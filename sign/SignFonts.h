#pragma once

#include <QString>

// Face names the sign uses, as the Windows fonts are called.
inline const QString kSignFace = QStringLiteral("HGPｺﾞｼｯｸE");
inline const QString kUiGothicFace = QStringLiteral("ＭＳ Ｐゴシック");

// Points the Windows face names at installed Japanese gothic fonts where those faces are
// missing, so that Japanese text never falls back to a font without kana and kanji. Needs the
// application object.
void installFontSubstitutes();
