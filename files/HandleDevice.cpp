#include "files/HandleDevice.h"

#include "files/ReplaceFile.h"

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#include <sys/stat.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

HandleDevice::HandleDevice(int handle)
    : m_handle(handle)
{}

int HandleDevice::failed(int error)
{
    m_systemError = error;
    return -1;
}

qint64 HandleDevice::size() const
{
#ifdef Q_OS_WIN
    struct _stat64 status = {};
    return _fstat64(m_handle, &status) == 0 ? qint64(status.st_size) : 0;
#else
    struct stat status = {};
    return ::fstat(m_handle, &status) == 0 ? qint64(status.st_size) : 0;
#endif
}

bool HandleDevice::seek(qint64 position)
{
    if (!QIODevice::seek(position))
        return false;
#ifdef Q_OS_WIN
    const bool moved = _lseeki64(m_handle, position, SEEK_SET) >= 0;
#else
    const bool moved = ::lseek(m_handle, off_t(position), SEEK_SET) >= 0;
#endif
    if (!moved)
        m_systemError = errno;
    return moved;
}

qint64 HandleDevice::readData(char *data, qint64 maxSize)
{
    for (;;) {
#ifdef Q_OS_WIN
        const qint64 got = _read(m_handle, data, unsigned(std::min<qint64>(maxSize, 1 << 30)));
#else
        const qint64 got = ::read(m_handle, data, std::size_t(maxSize));
#endif
        if (got >= 0)
            return got;
        if (errno != EINTR)
            return failed(errno);
    }
}

qint64 HandleDevice::writeData(const char *data, qint64 length)
{
    if (const int error = writeWhole(m_handle, QByteArray::fromRawData(data, qsizetype(length)));
        error != 0)
        return failed(error);
    return length;
}

int systemErrorOf(const QIODevice &device)
{
    const auto *handle = dynamic_cast<const HandleDevice *>(&device);
    return handle ? handle->systemError() : 0;
}
