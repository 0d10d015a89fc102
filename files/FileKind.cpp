#include "files/FileKind.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <utility>

#ifndef Q_OS_WIN
#include <cerrno>
#include <sys/stat.h>
#endif

FileKind fileKindOf(const QString &path)
{
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (info.isSymLink() && !info.exists())
        return FileKind::DanglingLink;
    if (!info.exists())
        return FileKind::Missing;
    if (info.isDir())
        return FileKind::Folder;
    return info.isFile() ? FileKind::Regular : FileKind::Other;
#else
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    if (::stat(name.constData(), &status) != 0) {
        struct stat link = {};
        if (errno == ENOENT && ::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode))
            return FileKind::DanglingLink;
        return FileKind::Missing;
    }
    return fileKindOfMode(status.st_mode);
#endif
}

#ifndef Q_OS_WIN
FileKind fileKindOfMode(unsigned int mode)
{
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Folder;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileKind::Device;
    if (S_ISFIFO(mode))
        return FileKind::Fifo;
    if (S_ISSOCK(mode))
        return FileKind::Socket;
    return FileKind::Other;
}
#endif

QString fileKindName(FileKind kind)
{
    static const std::array<std::pair<FileKind, const char *>, 8> kNames{{
        {FileKind::Missing, "存在しない名前"},
        {FileKind::Regular, "普通のファイル"},
        {FileKind::Folder, "フォルダ"},
        {FileKind::Device, "デバイスファイル"},
        {FileKind::Fifo, "名前付きパイプ (FIFO)"},
        {FileKind::Socket, "ソケット"},
        {FileKind::DanglingLink, "リンク先のないシンボリックリンク"},
        {FileKind::Other, "特殊なファイル"},
    }};
    for (const auto &[each, name] : kNames)
        if (each == kind)
            return QString::fromUtf8(name);
    return QString::fromUtf8(kNames.back().second);
}
