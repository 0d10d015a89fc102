#include "files/SaveJournal.h"
#include "identity/AppIdentity.h"
#include "messages/FailureMessage.h"
#include "platform/FontSubstitutes.h"
#include "platform/QtTranslations.h"
#include "platform/SettingsFile.h"
#include "ui/AppController.h"
#include "ui/BuiltInIconStyle.h"
#include "ui/QtServices.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>
#include <QStyle>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Without a display Qt's window-system plugin aborts with a page of warnings; one line that
// says what is missing serves the user better.
bool displayMissing()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return false;
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return !(x11 && *x11) && !(wayland && *wayland);
#else
    return false;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", qPrintable(kAppTitle), qPrintable(kAppVersion));
            return EXIT_SUCCESS;
        }
    }
    if (displayMissing()) {
        std::fputs("quintelo: 画面がありません（DISPLAY が設定されていません）。デスクトップ上で、"
                   "または xvfb-run を付けて起動してください。\n",
                   stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationVersion(kAppVersion);
    QGuiApplication::setDesktopFileName(kDesktopFileName);
    installFonts();
    // Before the settings are first read.
    moveEarlierSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const SaveJournal journal(SaveJournal::defaultFolder(dataFolder));
    QtServices platform(journal);
    // The window speaks Japanese unless the user chose English, never after the desktop's
    // language; before the first text is made.
    installTranslations(app, chosenLanguage(platform.services().settings));
    QApplication::setStyle(new BuiltInIconStyle(QApplication::style()->name()));

    // `quintelo FILE`, as the desktop opens a roll file; anything else Qt has not taken is
    // ignored, as before.
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "開く幕データ (.quintelo)"));
    parser.parse(QCoreApplication::arguments());

    // A save cut off while overwriting a file where it stands is put back before anything else.
    const QString restored = FailureMessage::journalReport(journal.restoreLeftovers());

    AppController controller(platform.services(), dataFolder);
    controller.tellOnStart(restored);
    if (!parser.positionalArguments().isEmpty())
        controller.openOnStart(parser.positionalArguments().constFirst());
    QObject::connect(&controller, &AppController::finishedWithoutMainWindow, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    controller.start();
    return app.exec();
}
