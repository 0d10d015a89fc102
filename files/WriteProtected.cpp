#include "files/WriteProtected.h"

#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QStorageInfo>
#else
#include <QFile>

#include <sys/statvfs.h>
#endif

bool isWriteProtected(const QString &path)
{
    const QFile::Permissions permissions = QFileInfo(path).permissions();
    return !permissions.testFlag(QFile::WriteUser) ||
           !(permissions & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

bool onReadOnlyFileSystem(const QString &path)
{
#ifdef Q_OS_WIN
    return QStorageInfo(path).isReadOnly();
#else
    struct statvfs status = {};
    return ::statvfs(QFile::encodeName(path).constData(), &status) == 0 &&
           (status.f_flag & ST_RDONLY) != 0;
#endif
}
