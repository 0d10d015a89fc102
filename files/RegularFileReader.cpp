#include "files/RegularFileReader.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using Kind = FileFailure::Kind;
constexpr auto kRead = FileFailure::Action::Read;

RegularFileRead failed(FileFailure failure)
{
    RegularFileRead read;
    read.failure = std::move(failure);
    return read;
}

RegularFileRead cannotRead(const QString &path, int error)
{
    return failed(FileFailure::of(Kind::CannotRead, kRead, path, error));
}

RegularFileRead tooLarge(const QString &path, qint64 largest)
{
    return failed(FileFailure::of(Kind::TooLarge, kRead, path)
                      .withProblem(FileFailure::Problem::TooManyBytes)
                      .withRange(0, largest));
}

} // namespace

RegularFileRead readRegularFile(const QString &path, qint64 largest)
{
    // Asked first, so that a device is not even opened: opening one can have effects of its own.
    const FileKind kind = fileKindOf(path);
    if (kind != FileKind::Regular)
        return failed(FileFailure::notRegular(kind, kRead, path));
#ifdef Q_OS_WIN
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cannotRead(path, EACCES);
    if (file.size() > largest)
        return tooLarge(path, largest);
    RegularFileRead read;
    read.bytes = file.read(largest + 1);
#else
    // Without blocking, and asked again once open: the name may have been given to a pipe in
    // between.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return cannotRead(path, errno);
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int error = errno;
        ::close(fd);
        return status.st_mode != 0
                   ? failed(FileFailure::notRegular(fileKindOfMode(status.st_mode), kRead, path))
                   : cannotRead(path, error);
    }
    if (status.st_size > largest) {
        ::close(fd);
        return tooLarge(path, largest);
    }
    RegularFileRead read;
    // One byte more than taken, to see a file that grew since it was asked.
    read.bytes.resize(qsizetype(std::min<qint64>(status.st_size, largest) + 1));
    qsizetype done = 0;
    while (done < read.bytes.size()) {
        const ssize_t got =
            ::read(fd, read.bytes.data() + done, std::size_t(read.bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return cannotRead(path, error);
        }
        if (got == 0)
            break;
        done += got;
        if (done == read.bytes.size() && done <= largest)
            read.bytes.resize(std::min<qsizetype>(done * 2, qsizetype(largest) + 1));
    }
    ::close(fd);
    read.bytes.truncate(done);
#endif
    if (read.bytes.size() > largest)
        return tooLarge(path, largest);
    return read;
}
