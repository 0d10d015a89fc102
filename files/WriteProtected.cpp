#include "files/WriteProtected.h"

#include <QFileInfo>

bool isWriteProtected(const QString &path)
{
    const QFile::Permissions permissions = QFileInfo(path).permissions();
    return !permissions.testFlag(QFile::WriteUser) ||
           !(permissions & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}
