#include "files/RegularFileReader.h"

#include "files/SystemReason.h"

#include <QFile>
#include <QLocale>

#include <algorithm>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

RegularFileRead failed(RegularFileRead::Problem problem, FileKind kind, int error, qint64 largest)
{
    RegularFileRead read;
    read.problem = problem;
    read.kind = kind;
    read.error = error;
    read.largest = largest;
    return read;
}

} // namespace

QString RegularFileRead::problemText() const
{
    switch (problem) {
    case Problem::None:
        return {};
    case Problem::Missing:
        return QStringLiteral("ファイルが見つかりません。");
    case Problem::NotRegular:
        return QStringLiteral("%1で、普通のファイルではありません。").arg(fileKindName(kind));
    case Problem::TooLarge:
        return QStringLiteral("ファイルが大きすぎます（%1 バイトまで）。")
            .arg(QLocale::c().toString(largest));
    case Problem::CannotRead:
        return systemReason(error);
    }
    return {};
}

RegularFileRead readRegularFile(const QString &path, qint64 largest)
{
    using enum RegularFileRead::Problem;
    // Asked first, so that a device is not even opened: opening one can have effects of its own.
    const FileKind kind = fileKindOf(path);
    if (kind == FileKind::Missing)
        return failed(Missing, kind, ENOENT, largest);
    if (kind != FileKind::Regular)
        return failed(NotRegular, kind, 0, largest);
#ifdef Q_OS_WIN
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(CannotRead, kind, 0, largest);
    if (file.size() > largest)
        return failed(TooLarge, kind, 0, largest);
    RegularFileRead read;
    read.bytes = file.read(largest + 1);
#else
    // Without blocking, and asked again once open: the name may have been given to a pipe in
    // between.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failed(CannotRead, kind, errno, largest);
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int error = errno;
        ::close(fd);
        return status.st_mode != 0 ? failed(NotRegular, fileKindOfMode(status.st_mode), 0, largest)
                                   : failed(CannotRead, kind, error, largest);
    }
    if (status.st_size > largest) {
        ::close(fd);
        return failed(TooLarge, kind, 0, largest);
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
            return failed(CannotRead, kind, error, largest);
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
        return failed(TooLarge, kind, 0, largest);
    return read;
}
