#include "files/MakeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <cerrno>
#include <sys/stat.h>
#endif

FileFailure makeFolder(const QString &path)
{
    constexpr auto kWrite = FileFailure::Action::Write;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const FileKind kind = fileKindOf(absolute);
    if (kind == FileKind::Folder)
        return {};
    if (kind != FileKind::Missing)
        return FileFailure::notRegular(kind, kWrite, path);
#ifdef Q_OS_WIN
    if (!QDir().mkpath(absolute))
        return FileFailure::of(FileFailure::Kind::FolderNotMade, kWrite, path);
#else
    // Each folder on the way, from the top: the first the system refuses says why.
    const QStringList parts = QDir::cleanPath(absolute).split(u'/', Qt::SkipEmptyParts);
    QString made;
    for (const QString &part : parts) {
        made += u'/' + part;
        if (::mkdir(QFile::encodeName(made).constData(), 0777) == 0 || errno == EEXIST) {
            if (fileKindOf(made) == FileKind::Folder)
                continue;
            return FileFailure::of(FileFailure::Kind::FolderNotMade, kWrite, path, ENOTDIR);
        }
        return FileFailure::of(FileFailure::Kind::FolderNotMade, kWrite, path, errno);
    }
#endif
    return {};
}
