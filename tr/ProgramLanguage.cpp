#include "tr/ProgramLanguage.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace {

const QString kLanguageKey = QStringLiteral("language");
const QString kEnglishKey = QStringLiteral("en");

} // namespace

ProgramLanguage languageOfEnvironment()
{
    return languageOfLocale([](const char *name) { return qEnvironmentVariable(name); });
}

ProgramLanguage chosenLanguage(const QSettings &settings)
{
    return settings.value(kLanguageKey).toString() == kEnglishKey ? ProgramLanguage::English
                                                                  : ProgramLanguage::Japanese;
}

void rememberLanguage(QSettings &settings, ProgramLanguage language)
{
    settings.setValue(kLanguageKey,
                      language == ProgramLanguage::English ? kEnglishKey : QStringLiteral("ja"));
}

QTranslator *installProgramTranslation(QCoreApplication &app, ProgramLanguage language)
{
    if (language == ProgramLanguage::Japanese)
        return nullptr;
    auto *translator = new QTranslator(&app);
    // Built into the program as a resource, so an installed copy and the tests find it alike.
    if (!translator->load(QStringLiteral(":/i18n/quintelo_en.qm"))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}
