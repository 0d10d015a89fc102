#include "platform/ShellOpenCommand.h"

QString shellOpenCommandLine(const QString &target)
{
    return kShellOpenPrefix + target;
}
