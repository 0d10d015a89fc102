#include "files/SaveJournal.h"

#include "files/RegularFileReader.h"
#include "files/ReplaceFile.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>

#include <cerrno>
#include <utility>

namespace {

// A copy is the header line, the target's path as the system spells it, the old file's size and
// then its bytes: complete only when all of them are there.
const QByteArray kMagic = "quintelo-journal 1\n";
const QString kSuffix = QStringLiteral(".journal");
const QString kLockSuffix = QStringLiteral(".lock");
// The largest file a copy is made of: the size a save itself allows, with room to spare.
constexpr qint64 kLargestCopy = qint64(1) << 30;

std::unique_ptr<QLockFile> lockFor(const QString &entry)
{
    auto lock = std::make_unique<QLockFile>(entry + kLockSuffix);
    // Only a lock whose program has gone is stale, however long the save takes.
    lock->setStaleLockTime(0);
    return lock;
}

struct Parsed
{
    bool complete = false;
    QString target;
    QByteArray old;
};

Parsed parse(const QByteArray &bytes)
{
    Parsed parsed;
    if (!bytes.startsWith(kMagic))
        return parsed;
    const qsizetype pathEnd = bytes.indexOf('\n', kMagic.size());
    const qsizetype sizeEnd = pathEnd < 0 ? -1 : bytes.indexOf('\n', pathEnd + 1);
    if (sizeEnd < 0)
        return parsed;
    bool ok = false;
    const qint64 size = bytes.mid(pathEnd + 1, sizeEnd - pathEnd - 1).toLongLong(&ok);
    if (!ok || size < 0 || bytes.size() - sizeEnd - 1 != size)
        return parsed;
    parsed.target = QFile::decodeName(bytes.mid(kMagic.size(), pathEnd - kMagic.size()));
    parsed.old = bytes.mid(sizeEnd + 1);
    parsed.complete = true;
    return parsed;
}

} // namespace

SaveJournal::SaveJournal(QString folder)
    : m_folder(std::move(folder))
{}

QString SaveJournal::defaultFolder(const QString &dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("journal"));
}

SaveJournal::Entry::Entry(QString path, std::unique_ptr<QLockFile> lock)
    : m_path(std::move(path))
    , m_lock(std::move(lock))
{}

SaveJournal::Entry::~Entry()
{
    // Not dropped: the old bytes could not be put back, and the next start tries again.
    if (!m_dropped)
        m_lock->unlock();
}

void SaveJournal::Entry::drop()
{
    if (m_dropped)
        return;
    m_dropped = true;
    QFile::remove(m_path);
    m_lock->unlock();
}

SaveJournal::Begun SaveJournal::begin(const QString &target, const QByteArray &old) const
{
    if (!QDir().mkpath(m_folder))
        return {nullptr, EACCES};
    const QDir folder(m_folder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = folder.filePath(
            QString::number(QRandomGenerator::global()->generate64(), 36) + kSuffix);
        std::unique_ptr<QLockFile> lock = lockFor(path);
        if (QFile::exists(path) || !lock->tryLock(0))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            lock->unlock();
            if (file.exists())
                continue;
            return {nullptr, file.error() == QFile::OpenError ? EACCES : EIO};
        }
        const QByteArray copy =
            kMagic + QFile::encodeName(target) + '\n' + QByteArray::number(old.size()) + '\n' + old;
        int error = writeWhole(file.handle(), copy);
        if (error == 0)
            error = syncToDisk(file.handle());
        file.close();
        if (error == 0)
            error = syncFolder(m_folder);
        if (error != 0) {
            QFile::remove(path);
            lock->unlock();
            return {nullptr, error};
        }
        return {std::make_unique<Entry>(path, std::move(lock)), 0};
    }
    return {nullptr, EEXIST};
}

QList<SaveJournal::Restored> SaveJournal::restoreLeftovers() const
{
    QList<Restored> restored;
    const QDir folder(m_folder);
    QStringList entries =
        folder.entryList({QLatin1Char('*') + kSuffix}, QDir::Files | QDir::Hidden);
    // A lock left without its copy, by a program killed between the two, goes too.
    for (const QString &lock :
         folder.entryList({QLatin1Char('*') + kSuffix + kLockSuffix}, QDir::Files | QDir::Hidden))
        if (const QString entry = lock.chopped(kLockSuffix.size()); !entries.contains(entry))
            entries << entry;
    for (const QString &name : std::as_const(entries)) {
        const QString path = folder.filePath(name);
        std::unique_ptr<QLockFile> lock = lockFor(path);
        if (!lock->tryLock(0))
            continue; // a save in progress in another copy of the program
        const RegularFileRead read = readRegularFile(path, kLargestCopy + (1 << 16));
        const Parsed parsed = parse(read.bytes);
        // A copy cut off itself was made before the target was touched: nothing to put back.
        if (!parsed.complete) {
            QFile::remove(path);
            lock->unlock();
            continue;
        }
        Restored back{parsed.target, {}, {}};
        constexpr auto kWrite = FileFailure::Action::Write;
        if (const FileKind kind = fileKindOf(parsed.target); kind != FileKind::Regular)
            back.failure = FileFailure::notRegular(kind, kWrite, parsed.target);
        else if (const int error = overwriteInPlace(parsed.target, parsed.old); error != 0)
            back.failure =
                FileFailure::of(FileFailure::Kind::WriteFailed, kWrite, parsed.target, error);
        if (back.failure.ok())
            QFile::remove(path);
        else
            back.copy = path;
        lock->unlock();
        restored << back;
    }
    return restored;
}
