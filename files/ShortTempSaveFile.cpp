#include "files/ShortTempSaveFile.h"

#include "files/ReplaceFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <utility>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr int kNameAttempts = 100;
// Marks the name as ours among a folder's hidden files: ".~q" and five letters or digits.
const QString kNamePrefix = QStringLiteral(".~q");
const QString kNameLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");

QString randomTempName()
{
    QString name = kNamePrefix;
    while (name.size() < ShortTempSaveFile::kTempNameLength)
        name +=
            kNameLetters.at(int(QRandomGenerator::global()->bounded(quint32(kNameLetters.size()))));
    return name;
}

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

} // namespace

ShortTempSaveFile::ShortTempSaveFile(QString target)
    : m_target(std::move(target))
{}

ShortTempSaveFile::~ShortTempSaveFile()
{
    discard();
}

bool ShortTempSaveFile::isTempName(const QString &name)
{
    if (name.size() != kTempNameLength || !name.startsWith(kNamePrefix))
        return false;
    for (qsizetype i = kNamePrefix.size(); i < name.size(); ++i)
        if (!kNameLetters.contains(name.at(i)))
            return false;
    return true;
}

QString ShortTempSaveFile::reopenablePath() const
{
    if (m_handle < 0)
        return {};
    if (!m_tempPath.isEmpty())
        return m_tempPath;
    // An unnamed file is reached through the link the process holds to it.
    return QStringLiteral("/proc/self/fd/%1").arg(m_handle);
}

int ShortTempSaveFile::write(const QByteArray &bytes)
{
    return m_handle < 0 ? EBADF : writeWhole(m_handle, bytes);
}

#ifdef Q_OS_WIN

int ShortTempSaveFile::open()
{
    const QDir folder = QFileInfo(m_target).dir();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QString path = folder.filePath(randomTempName());
        m_handle = _wopen(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()),
                          _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (m_handle >= 0) {
            m_tempPath = path;
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

int ShortTempSaveFile::commit(bool sync)
{
    if (m_handle < 0)
        return EBADF;
    int error = sync ? syncToDisk(m_handle) : 0;
    if (_close(std::exchange(m_handle, -1)) != 0 && error == 0)
        error = errno;
    if (error == 0)
        error = replaceFile(m_tempPath, m_target);
    if (error == 0)
        m_tempPath.clear();
    discard();
    return error;
}

void ShortTempSaveFile::discard()
{
    if (m_handle >= 0)
        _close(std::exchange(m_handle, -1));
    if (!m_tempPath.isEmpty())
        QFile::remove(std::exchange(m_tempPath, QString()));
}

void ShortTempSaveFile::removeLeftovers(const QString &)
{
    // A file Windows has open cannot be removed, and a killed process's file is closed: nothing
    // can tell them apart here, and the few left stay hidden.
}

#else

int ShortTempSaveFile::open()
{
    const QString folder = QFileInfo(m_target).absolutePath();
    // The new file takes the old one's place, and with it the old one's permissions; a new one
    // gets the usual, less the user's umask.
    struct stat old = {};
    const bool replacing = ::stat(native(m_target).constData(), &old) == 0;
    const mode_t mode = replacing ? (old.st_mode & 07777) : 0666;
#ifdef O_TMPFILE
    m_handle = ::open(native(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    // A file system without unnamed files says so in one of these; it gets a named one.
    if (m_handle < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return errno;
#endif
    for (int attempt = 0; m_handle < 0 && attempt < kNameAttempts; ++attempt) {
        const QString path = QDir(folder).filePath(randomTempName());
        m_handle = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_handle >= 0)
            m_tempPath = path;
        else if (errno != EEXIST)
            return errno;
    }
    if (m_handle < 0)
        return EEXIST;
    // Held until the file is in place or gone: a lock nobody holds marks a killed save's file.
    ::flock(m_handle, LOCK_EX);
    if (replacing)
        ::fchmod(m_handle, mode);
    return 0;
}

int ShortTempSaveFile::commit(bool sync)
{
    if (m_handle < 0)
        return EBADF;
    if (const int error = sync ? syncToDisk(m_handle) : 0; error != 0) {
        discard();
        return error;
    }
    const QString folder = QFileInfo(m_target).absolutePath();
    if (m_tempPath.isEmpty()) {
        // The unnamed file gets a name through the link the process has to it; a new target
        // takes it straight away, an old one is replaced through a temporary name.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_handle);
        const auto link = [&self](const QString &to) {
            return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, native(to).constData(),
                            AT_SYMLINK_FOLLOW) == 0
                       ? 0
                       : errno;
        };
        int error = link(m_target);
        if (error == EEXIST) {
            for (int attempt = 0; attempt < kNameAttempts && error == EEXIST; ++attempt) {
                const QString path = QDir(folder).filePath(randomTempName());
                error = link(path);
                if (error == 0)
                    m_tempPath = path;
            }
        } else if (error == 0) {
            ::close(std::exchange(m_handle, -1));
            return sync ? syncFolder(folder) : 0;
        }
        if (error != 0) {
            discard();
            return error;
        }
    }
    int error = replaceFile(m_tempPath, m_target);
    if (error == 0) {
        m_tempPath.clear();
        if (sync)
            error = syncFolder(folder);
    }
    discard();
    return error;
}

void ShortTempSaveFile::discard()
{
    // Removed before the lock goes with the handle, so that nobody clears a file still in use.
    if (!m_tempPath.isEmpty())
        ::unlink(native(std::exchange(m_tempPath, QString())).constData());
    if (m_handle >= 0)
        ::close(std::exchange(m_handle, -1));
}

void ShortTempSaveFile::removeLeftovers(const QString &folder)
{
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({kNamePrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!isTempName(name))
            continue;
        const QByteArray path = native(dir.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened = {}, named = {};
        // Only a file of this user's that no save holds, and still the one the name gives.
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.constData(), &named) == 0 &&
            named.st_ino == opened.st_ino && named.st_dev == opened.st_dev)
            ::unlink(path.constData());
        ::close(fd);
    }
}

#endif
