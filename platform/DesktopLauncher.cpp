#include "platform/DesktopLauncher.h"

#ifdef Q_OS_WIN
#include "platform/ShellOpenCommand.h"

#include <windows.h>

#include <string>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

#ifdef Q_OS_WIN

bool DesktopLauncher::open(const QString &target)
{
    // rundll32 is taken from the system folder by full path, so that a program of the same
    // name in the current folder is never started in its place.
    wchar_t systemDir[MAX_PATH];
    const UINT length = GetSystemDirectoryW(systemDir, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    std::wstring application(systemDir, length);
    application += L"\\rundll32.exe";

    // CreateProcessW may write into the command line, so it gets a buffer of its own.
    std::wstring commandLine = shellOpenCommandLine(target).toStdWString();

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = WORD(kShellOpenWindowStyle);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

#else

bool DesktopLauncher::open(const QString &target)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

#endif
