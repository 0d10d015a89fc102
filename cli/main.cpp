#include "cli/RenderCommand.h"
#include "platform/AppIdentity.h"
#include "sign/SignFonts.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char *argv[])
{
#ifdef __GLIBC__
    // Every frame's encoder takes and frees the same few hundred kilobytes. Left to its
    // defaults glibc hands them back to the system each time and faults them in again, which
    // costs a batch more than its drawing does; a few megabytes kept at hand spare that.
    constexpr int kKeptBytes = 32 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, kKeptBytes);
    mallopt(M_TRIM_THRESHOLD, kKeptBytes);
#endif
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
