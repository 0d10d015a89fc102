#include "io/AutosaveStore.h"

#include "files/SafeFileWriter.h"
#include "files/SameFile.h"
#include "io/RollFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <utility>

namespace {

// More copies than anyone runs at once; the bound keeps a folder of stuck locks from looping.
constexpr int kSlots = 64;
// The roll file a slot names is a path: anything longer is not ours.
constexpr qint64 kMaxSlotInfoBytes = qint64(64) * 1024;

const QString kRollKey = QStringLiteral("rollFile");
const QString kReadOnlyKey = QStringLiteral("readOnly");

std::unique_ptr<QLockFile> lockFor(const QString &rollFileName)
{
    auto lock = std::make_unique<QLockFile>(rollFileName + QStringLiteral(".lock"));
    // Only a lock whose copy has gone is stale, however long that copy has been running.
    lock->setStaleLockTime(0);
    return lock;
}

// The slot's autosave-N.json beside its autosave-N.quintelo.
QString infoFileOf(const QString &rollFileName)
{
    return rollFileName.chopped(int(qstrlen(".quintelo"))) + QStringLiteral(".json");
}

struct SlotInfo
{
    QString rollFile;
    bool readOnly = false;
};

SlotInfo readInfo(const QString &infoFile)
{
    QFile file(infoFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject info = QJsonDocument::fromJson(file.read(kMaxSlotInfoBytes)).object();
    return {info.value(kRollKey).toString(), info.value(kReadOnlyKey).toBool()};
}

const QString kSlotPrefix = QStringLiteral("autosave-");
const QString kSlotSuffix = QStringLiteral(".quintelo");

// The files in folder whose names begin with prefix and end with suffix. Matched by hand: a
// name filter is matched through a regular expression, whose library would load and compile
// as the window opens.
QStringList namesBetween(const QDir &folder, const QString &prefix, const QString &suffix,
                         Qt::CaseSensitivity cases)
{
    QStringList names = folder.entryList(QDir::Files);
    names.removeIf([&](const QString &name) {
        return name.size() < prefix.size() + suffix.size() || !name.startsWith(prefix, cases) ||
               !name.endsWith(suffix, cases);
    });
    return names;
}

QString middleOf(const QString &name, const QString &prefix, const QString &suffix)
{
    return name.mid(prefix.size(), name.size() - prefix.size() - suffix.size());
}

} // namespace

AutosaveStore::AutosaveStore(QString folder)
    : m_folder(std::move(folder))
{}

AutosaveStore::~AutosaveStore() = default;

QString AutosaveStore::keptFolder() const
{
    return QDir(m_folder).filePath(QStringLiteral("declined"));
}

bool AutosaveStore::claim()
{
    if (!QDir().mkpath(m_folder))
        return false;
    const QDir folder(m_folder);
    // Set aside by earlier versions at a start, and kept only for the start after.
    for (const QString &old : namesBetween(folder, kSlotPrefix, kSlotSuffix, Qt::CaseInsensitive))
        if (middleOf(old, kSlotPrefix, kSlotSuffix).contains(u'-'))
            QFile::remove(folder.filePath(old));
    // Declined work past its time.
    const QDir kept(keptFolder());
    const QDateTime expiry = QDateTime::currentDateTime().addDays(-kKeptDays);
    for (const QString &old : namesBetween(kept, QString(), kSlotSuffix, Qt::CaseInsensitive))
        if (QFileInfo(kept.filePath(old)).lastModified() < expiry)
            QFile::remove(kept.filePath(old));

    for (const QString &name : namesBetween(folder, kSlotPrefix, kSlotSuffix, Qt::CaseSensitive)) {
        const QString number = middleOf(name, kSlotPrefix, kSlotSuffix);
        if (number.isEmpty() ||
            !std::all_of(number.begin(), number.end(), [](QChar c) { return c.isDigit(); }))
            continue;
        const QString fileName = folder.filePath(name);
        std::unique_ptr<QLockFile> lock = lockFor(fileName);
        if (!lock->tryLock(0))
            continue; // its copy is running
        m_leftovers.append({fileName, readInfo(infoFileOf(fileName)).rollFile,
                            QFileInfo(fileName).lastModified()});
        m_leftoverLocks[fileName] = std::move(lock);
    }
    std::sort(m_leftovers.begin(), m_leftovers.end(),
              [](const Leftover &a, const Leftover &b) { return a.lastChange > b.lastChange; });

    for (int slot = 1; slot <= kSlots; ++slot) {
        const QString fileName = folder.filePath(QStringLiteral("autosave-%1.quintelo").arg(slot));
        if (m_leftoverLocks.count(fileName) != 0)
            continue;
        std::unique_ptr<QLockFile> lock = lockFor(fileName);
        // A roll that turned up since the scan is a leftover for the next start.
        if (!lock->tryLock(0) || QFile::exists(fileName))
            continue;
        m_fileName = fileName;
        m_lock = std::move(lock);
        // Named by a copy that ended with nothing unsaved.
        QFile::remove(infoFileOf(fileName));
        return true;
    }
    return false;
}

void AutosaveStore::release(const Leftover &leftover)
{
    m_leftovers.removeIf([&](const Leftover &l) { return l.fileName == leftover.fileName; });
    m_leftoverLocks.erase(leftover.fileName);
}

void AutosaveStore::forget(const Leftover &leftover)
{
    QFile::remove(leftover.fileName);
    QFile::remove(infoFileOf(leftover.fileName));
    release(leftover);
}

QString AutosaveStore::keep(const Leftover &leftover)
{
    const QDir kept(keptFolder());
    if (!QDir().mkpath(kept.path()))
        return {};
    // Named so that a list of them reads as when and what.
    const QString base = QStringLiteral("%1-%2").arg(
        leftover.lastChange.toString(QStringLiteral("yyyyMMdd-HHmmss")),
        leftover.rollFile.isEmpty() ? QCoreApplication::translate("AutosaveStore", "無題")
                                    : QFileInfo(leftover.rollFile).completeBaseName().left(60));
    QString target = kept.filePath(base + QStringLiteral(".quintelo"));
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = kept.filePath(QStringLiteral("%1-%2.quintelo").arg(base).arg(n));
    if (!QFile::rename(leftover.fileName, target))
        return {};
    // Its days are counted from now, not from its last change.
    QFile moved(target);
    if (moved.open(QIODevice::WriteOnly | QIODevice::Append))
        moved.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    QFile::remove(infoFileOf(leftover.fileName));
    release(leftover);
    return target;
}

void AutosaveStore::setRollFile(const QString &rollFile, bool readOnly)
{
    if (m_fileName.isEmpty())
        return;
    const QString infoFile = infoFileOf(m_fileName);
    if (rollFile.isEmpty()) {
        QFile::remove(infoFile);
        return;
    }
    const QJsonObject info{{kRollKey, QFileInfo(rollFile).absoluteFilePath()},
                           {kReadOnlyKey, readOnly}};
    // A failure leaves the other copies less warned, and is no reason to interrupt the user.
    SafeFileWriter::write(QJsonDocument(info).toJson(QJsonDocument::Compact), infoFile, nullptr);
}

bool AutosaveStore::openElsewhere(const QString &rollFile) const
{
    const QDir folder(m_folder);
    for (const QString &name : folder.entryList({QStringLiteral("autosave-*.json")}, QDir::Files)) {
        const QString slotFile =
            folder.filePath(name.chopped(int(qstrlen(".json"))) + QStringLiteral(".quintelo"));
        if (slotFile == m_fileName || m_leftoverLocks.count(slotFile) != 0)
            continue;
        const SlotInfo info = readInfo(folder.filePath(name));
        if (info.readOnly || !sameFile(info.rollFile, rollFile))
            continue;
        // Taken only to see whether its copy still runs; let go at once.
        const std::unique_ptr<QLockFile> lock = lockFor(slotFile);
        if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError)
            return true;
    }
    return false;
}

FileFailure AutosaveStore::write(const QList<Frame> &frames, const SignLook &look)
{
    return m_fileName.isEmpty() ? FileFailure() : RollFile::save(frames, m_fileName, look);
}

void AutosaveStore::clear()
{
    if (!m_fileName.isEmpty())
        QFile::remove(m_fileName);
}

void AutosaveStore::discard()
{
    if (m_fileName.isEmpty())
        return;
    QFile::remove(m_fileName);
    QFile::remove(infoFileOf(m_fileName));
}
