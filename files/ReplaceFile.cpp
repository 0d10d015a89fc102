#include "files/ReplaceFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_WIN
#include <QDir>

#include <io.h>
#include <windows.h>
#else
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

int syncToDisk(int handle)
{
    return _commit(handle) == 0 ? 0 : errno;
}

int syncFolder(const QString &)
{
    // NTFS keeps its names in its journal; there is nothing to open a folder for.
    return 0;
}

int syncFileSystem(const QString &)
{
    // Windows flushes a volume only for its administrators; files there are synced one by one.
    return 0;
}

int replaceFile(const QString &from, const QString &to)
{
    if (MoveFileExW(longPath(from).c_str(), longPath(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return GetLastError() == ERROR_DISK_FULL ? ENOSPC : EACCES;
}

int writeWhole(int handle, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const int written = _write(handle, bytes.constData() + done,
                                   unsigned(std::min<qsizetype>(bytes.size() - done, 1 << 30)));
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        done += written;
    }
    return 0;
}

int overwriteInPlace(const QString &path, const QByteArray &bytes, bool *touched)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return EACCES;
    if (touched)
        *touched = true;
    if (const int error = writeWhole(file.handle(), bytes); error != 0)
        return error;
    if (!file.resize(bytes.size()))
        return EIO;
    return syncToDisk(file.handle());
}

#else

int syncToDisk(int handle)
{
    return ::fsync(handle) == 0 ? 0 : errno;
}

int syncFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    // Some file systems cannot sync a folder, and say so; their names are safe all the same.
    const int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return error;
}

int syncFileSystem(const QString &folder)
{
#ifdef Q_OS_LINUX
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::syncfs(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
#else
    Q_UNUSED(folder);
    ::sync();
    return 0;
#endif
}

int replaceFile(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0
               ? 0
               : errno;
}

int writeWhole(int handle, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written =
            ::write(handle, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        // A write that takes nothing without an error number: the disk is full.
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        done += written;
    }
    return 0;
}

int overwriteInPlace(const QString &path, const QByteArray &bytes, bool *touched)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    if (touched)
        *touched = true;
    int error = writeWhole(fd, bytes);
    if (error == 0 && ::ftruncate(fd, off_t(bytes.size())) != 0)
        error = errno;
    if (error == 0)
        error = syncToDisk(fd);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

#endif
