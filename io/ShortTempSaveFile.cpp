#include "io/ShortTempSaveFile.h"

#include "platform/ReplaceFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

constexpr int kNameAttempts = 100;
const QString kNamePrefix = QStringLiteral(".~");
const QString kNameLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");

QString randomTempName()
{
    QString name = kNamePrefix;
    while (name.size() < ShortTempSaveFile::kTempNameLength)
        name +=
            kNameLetters.at(int(QRandomGenerator::global()->bounded(quint32(kNameLetters.size()))));
    return name;
}

} // namespace

ShortTempSaveFile::ShortTempSaveFile(const QString &fileName, QObject *parent)
    : QFile(parent)
{
    // As with QSaveFile, a link is followed: the file it points at is the one replaced.
    const QFileInfo target(fileName);
    m_target = target.isSymLink() ? target.symLinkTarget() : target.absoluteFilePath();
}

ShortTempSaveFile::~ShortTempSaveFile()
{
    discard();
}

bool ShortTempSaveFile::open(OpenMode mode)
{
    const QDir folder = QFileInfo(m_target).dir();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        setFileName(folder.filePath(randomTempName()));
        // Only a new file will do; a name another file holds is tried again with other letters.
        if (QFile::open(mode | NewOnly)) {
            m_pending = true;
            // The new file takes the old one's place, and with it the old one's permissions.
            if (QFileInfo::exists(m_target))
                setPermissions(QFile::permissions(m_target));
            return true;
        }
        if (!exists())
            return false;
    }
    setErrorString(QStringLiteral("%1 に一時ファイルの名前を付けられませんでした。")
                       .arg(QDir::toNativeSeparators(folder.path())));
    return false;
}

void ShortTempSaveFile::cancelWriting()
{
    discard();
}

bool ShortTempSaveFile::commit()
{
    if (!m_pending)
        return false;
    if (const QString unsynced = m_sync ? syncToDisk(*this) : QString(); !unsynced.isEmpty()) {
        setErrorString(unsynced);
        discard();
        return false;
    }
    close();
    if (error() != NoError) {
        discard();
        return false;
    }
    const QString failure = replaceFile(fileName(), m_target);
    if (!failure.isEmpty()) {
        setErrorString(failure);
        discard();
        return false;
    }
    m_pending = false;
    return true;
}

void ShortTempSaveFile::discard()
{
    if (!m_pending)
        return;
    m_pending = false;
    close();
    // The static remove leaves this file's error string, the reason for giving up, alone.
    QFile::remove(fileName());
}
