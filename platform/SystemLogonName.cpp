#include "platform/SystemLogonName.h"

#ifdef Q_OS_WIN
#include <windows.h>

// Needs <windows.h> before it.
#include <lmcons.h>
#else
#include <pwd.h>
#include <unistd.h>

#include <vector>
#endif

std::optional<QString> SystemLogonName::readLogonName() const
{
#ifdef Q_OS_WIN
    // The wide call returns a Japanese name whole, whatever the ANSI code page is.
    wchar_t buffer[UNLEN + 1];
    DWORD size = UNLEN + 1;
    if (!GetUserNameW(buffer, &size) || size == 0)
        return std::nullopt;
    return QString::fromWCharArray(buffer, int(size) - 1);
#else
    long bufferSize = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(bufferSize > 0 ? std::size_t(bufferSize) : 16384);
    passwd entry{};
    passwd *found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_name)
        return std::nullopt;
    return QString::fromLocal8Bit(found->pw_name);
#endif
}
