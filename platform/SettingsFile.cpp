#include "platform/SettingsFile.h"

#include "identity/AppIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString settingsFileIn(const QString &configFolder)
{
    return QDir(configFolder)
        .filePath(kAppTitle + QLatin1Char('/') + kAppTitle + QStringLiteral(".conf"));
}

bool moveEarlierSettings(const QString &configFolder)
{
    const QString earlier = QDir(configFolder)
                                .filePath(QStringLiteral("Unknown Organization/") + kAppTitle +
                                          QStringLiteral(".conf"));
    const QString current = settingsFileIn(configFolder);
    // A link or a special file in either place is not ours to move or to write over.
    if (!QFileInfo(earlier).isFile() || QFileInfo(earlier).isSymLink() ||
        QFileInfo::exists(current) || QFileInfo(current).isSymLink())
        return false;
    // QFile::copy writes a temporary file beside the target and renames it: the new file is
    // whole or absent.
    if (!QDir().mkpath(QFileInfo(current).absolutePath()) || !QFile::copy(earlier, current))
        return false;
    QFile::remove(earlier);
    // The folder goes too, unless another program without a name of its own keeps files there.
    QDir(configFolder).rmdir(QStringLiteral("Unknown Organization"));
    return true;
}
