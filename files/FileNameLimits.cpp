#include "files/FileNameLimits.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <QDir>
#else
#include <climits>
#include <unistd.h>
#endif

namespace {

constexpr qsizetype kUsualNameLimit = 255;

} // namespace

#ifdef Q_OS_WIN

bool fileNameFits(const QString &, const QString &name)
{
    return name.size() <= kUsualNameLimit;
}

bool filePathFits(const QString &path)
{
    // Qt opens long paths through the "\\?\" prefix, which allows 32767 units in all.
    constexpr qsizetype kLongPathLimit = 32767;
    constexpr qsizetype kPrefixAndNul = 4 + 1;
    return QDir::toNativeSeparators(path).size() + kPrefixAndNul <= kLongPathLimit;
}

#else

bool fileNameFits(const QString &folder, const QString &name)
{
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return QFile::encodeName(name).size() <= (limit > 0 ? qsizetype(limit) : kUsualNameLimit);
}

bool filePathFits(const QString &path)
{
    // PATH_MAX counts the terminating NUL.
    return QFile::encodeName(path).size() < PATH_MAX;
}

#endif
