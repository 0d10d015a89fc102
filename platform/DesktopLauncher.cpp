#include "platform/DesktopLauncher.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopLauncher::open(const QString &target)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(target));
}
