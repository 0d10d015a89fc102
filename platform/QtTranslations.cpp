#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installTranslations(QCoreApplication &app, ProgramLanguage language)
{
    installProgramTranslation(app, language);
    // Qt's texts are English of themselves.
    if (language == ProgramLanguage::English)
        return;
    auto *translator = new QTranslator(&app);
    // Without the translation package the dialogs stay in English, which is still usable.
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
