#include "cli/RenderCommand.h"
#include "platform/AppIdentity.h"
#include "sign/SignFonts.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // Drawing needs the window system's fonts but never a window: the offscreen platform
    // serves on a server or in a file manager's thumbnailer, where no display is.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The same name as the window's, so both read the user's own presets from one place.
    QGuiApplication::setApplicationName(kAppTitle);
    QGuiApplication::setApplicationVersion(kAppVersion);
    installFontSubstitutes();

    QTextStream out(stdout);
    QTextStream err(stderr);
    RenderCommand command(out, err, isatty(fileno(stderr)) != 0);
    return command.run(QCoreApplication::arguments().mid(1));
}
