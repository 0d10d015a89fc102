#include "platform/ReplaceFile.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <QDir>

#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN

namespace {

// Without the prefix the call stops at MAX_PATH characters.
std::wstring longPath(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native.startsWith(QLatin1String("\\\\?\\")))
        return native.toStdWString();
    if (native.startsWith(QLatin1String("\\\\")))
        return (QStringLiteral("\\\\?\\UNC\\") + native.mid(2)).toStdWString();
    return (QStringLiteral("\\\\?\\") + native).toStdWString();
}

} // namespace

QString syncToDisk(QFile &file)
{
    if (!file.flush())
        return file.errorString();
    if (_commit(file.handle()) != 0)
        return qt_error_string(errno);
    return {};
}

QString syncFileSystem(const QString &)
{
    // Windows flushes a volume only for its administrators; files there are synced one by one.
    return {};
}

QString replaceFile(const QString &from, const QString &to)
{
    if (MoveFileExW(longPath(from).c_str(), longPath(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return qt_error_string(int(GetLastError()));
}

#else

QString syncToDisk(QFile &file)
{
    if (!file.flush())
        return file.errorString();
    if (::fsync(file.handle()) != 0)
        return qt_error_string(errno);
    return {};
}

QString syncFileSystem(const QString &folder)
{
#ifdef Q_OS_LINUX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return qt_error_string(errno);
    const int synced = ::syncfs(fd);
    const int error = errno;
    ::close(fd);
    return synced == 0 ? QString() : qt_error_string(error);
#else
    Q_UNUSED(folder);
    ::sync();
    return {};
#endif
}

QString replaceFile(const QString &from, const QString &to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    return qt_error_string(errno);
}

#endif
