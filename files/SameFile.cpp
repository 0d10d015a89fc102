#include "files/SameFile.h"

#include <QFileInfo>

bool sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo first(a);
    const QFileInfo second(b);
    const QString firstReal = first.canonicalFilePath();
    const QString secondReal = second.canonicalFilePath();
    if (!firstReal.isEmpty() && !secondReal.isEmpty())
        return firstReal == secondReal;
    return first.absoluteFilePath() == second.absoluteFilePath();
}
