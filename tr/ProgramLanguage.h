#pragma once

#include <QString>

class QCoreApplication;
class QSettings;
class QTranslator;

// The two languages the programs speak. Their texts are written in Japanese; English comes
// from the translation built into both programs.
enum class ProgramLanguage { Japanese, English };

// The language a locale environment asks for: English where the first of LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG that is set names an English locale ("en", "en_GB.UTF-8", "en:ja"),
// Japanese otherwise, the C and POSIX locales included. `variable` reads one variable.
template <typename Lookup> ProgramLanguage languageOfLocale(Lookup variable)
{
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = variable(name);
        if (!value.isEmpty())
            return value.startsWith(QLatin1String("en")) ? ProgramLanguage::English
                                                         : ProgramLanguage::Japanese;
    }
    return ProgramLanguage::Japanese;
}

// The language of this process's environment.
ProgramLanguage languageOfEnvironment();

// The window's language as the user chose it in its settings; Japanese until then.
ProgramLanguage chosenLanguage(const QSettings &settings);
void rememberLanguage(QSettings &settings, ProgramLanguage language);

// Makes the application's texts speak `language`: the translator installed, owned by `app`, or
// null where none is needed (Japanese) or the English translation cannot be loaded, and the
// texts stay Japanese.
QTranslator *installProgramTranslation(QCoreApplication &app, ProgramLanguage language);
