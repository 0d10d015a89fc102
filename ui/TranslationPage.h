#pragma once

#include <QString>

// The web translation page offered for the sign's English line: Japanese to English, with the
// page itself in Japanese.
inline const QString kTranslationPageUrl =
    QStringLiteral("https://translate.google.co.jp/?hl=ja&sl=ja&tl=en&op=translate");
