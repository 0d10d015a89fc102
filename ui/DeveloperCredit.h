#pragma once

#include <QCoreApplication>
#include <QString>

// Who made the program, as the splash and the About box both credit it.
inline QString developerCredit()
{
    return QCoreApplication::translate("DeveloperCredit", "開発者：T.Aoki");
}
