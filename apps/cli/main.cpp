#include "apps/cli/RenderCommand.h"
#include "files/SaveJournal.h"
#include "identity/AppIdentity.h"
#include "sign/SignFonts.h"
#include "tr/ProgramLanguage.h"

#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTextStream>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <string_view>
#include <unistd.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// The signal that asked the run to stop, 0 while none has. A signal handler can reach nothing
// but a variable of this kind, and the command is handed it.
std::atomic<int> g_interruption = 0;

extern "C" void askToStop(int signal)
{
    g_interruption = signal;
}

// An argument the system encoding cannot spell as it came: bytes that are not UTF-8 on a UTF-8
// system. Qt stands U+FFFD in for them, and a file written under that name would be another
// than the one asked for.
const char *unspellableArgument(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        if (QString::fromLocal8Bit(raw).toLocal8Bit() != raw)
            return argv[i];
    }
    return nullptr;
}

// --quiet asks for errors alone: Qt's own notes (a missing runtime folder, a font it stands
// in for) are not. Told apart before the command reads its options, since Qt speaks as soon as
// the application starts.
bool quietAsked(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--")
            return false;
        if (argument == "-q" || argument == "--quiet")
            return true;
    }
    return false;
}

void errorsOnly(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

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
    if (quietAsked(argc, argv))
        qInstallMessageHandler(errorsOnly);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The same name as the window's, so both read the user's own presets and keep the save
    // journal in one place.
    QGuiApplication::setApplicationName(kAppTitle);
    QGuiApplication::setApplicationVersion(kAppVersion);
    installFontSubstitutes();
    // Japanese, the language its texts are written in, unless the locale asks for English.
    installProgramTranslation(app, languageOfEnvironment());

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const char *argument = unspellableArgument(argc, argv)) {
        err << "quintelo-render: "
            << QCoreApplication::translate(
                   "main", "「%1」にはこのシステムの文字コードで表せないバイトがあり"
                           "ます。その名前のファイルは読み書きできません。")
                   .arg(QString::fromLocal8Bit(argument))
            << Qt::endl;
        return RenderCommand::BadUsage;
    }
    // Ctrl+C, a closed terminal and SIGTERM let the files being written finish: none is left
    // half-made or as a temporary file.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signal, askToStop);

    const SaveJournal journal(SaveJournal::defaultFolder(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    RenderCommand command(out, err, isatty(fileno(stderr)) != 0, journal,
                          QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                              .filePath(QStringLiteral("presets.json")));
    command.setInterruption(&g_interruption);
    const int status = command.run(QCoreApplication::arguments().mid(1));
    if (const int signal = g_interruption; signal != 0) {
        // Ended by the signal as the shell expects, now that nothing is left half-done.
        err.flush();
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
    return status;
}
