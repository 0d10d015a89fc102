#include "io/AutosaveStore.h"

#include "io/RollFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace {

// More copies than anyone runs at once; the bound keeps a folder of stuck locks from looping.
constexpr int kSlots = 64;

QString slotName(int slot)
{
    return QStringLiteral("autosave-%1.quintelo").arg(slot);
}

} // namespace

AutosaveStore::AutosaveStore(QString folder)
    : m_folder(std::move(folder))
{}

AutosaveStore::~AutosaveStore() = default;

bool AutosaveStore::claim()
{
    if (!QDir().mkpath(m_folder))
        return false;
    const QDir folder(m_folder);
    for (int slot = 1; slot <= kSlots; ++slot) {
        const QString fileName = folder.filePath(slotName(slot));
        auto lock = std::make_unique<QLockFile>(fileName + QStringLiteral(".lock"));
        // Only a lock whose copy has gone is stale, however long that copy has been running.
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        m_fileName = fileName;
        m_lock = std::move(lock);
        // Set aside at the last start and kept for this one: now it goes.
        const QString aside =
            QFileInfo(fileName).completeBaseName() + QStringLiteral("-*.quintelo");
        for (const QString &old : folder.entryList({aside}, QDir::Files))
            QFile::remove(folder.filePath(old));
        return true;
    }
    return false;
}

bool AutosaveStore::hasLeftover() const
{
    return !m_fileName.isEmpty() && QFile::exists(m_fileName);
}

RollFile::Loaded AutosaveStore::leftover() const
{
    return RollFile::load(m_fileName);
}

void AutosaveStore::setLeftoverAside()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QFileInfo file(m_fileName);
    QFile::rename(
        m_fileName,
        file.dir().filePath(QStringLiteral("%1-%2.quintelo").arg(file.completeBaseName(), stamp)));
}

QString AutosaveStore::write(const QList<Frame> &frames, const SignLook &look)
{
    return m_fileName.isEmpty() ? QString() : RollFile::save(frames, m_fileName, look);
}

void AutosaveStore::discard()
{
    if (!m_fileName.isEmpty())
        QFile::remove(m_fileName);
}
