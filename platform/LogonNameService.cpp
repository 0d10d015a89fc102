#include "platform/LogonNameService.h"

QString LogonNameService::GetCurrentUserName() const
{
    return readLogonName().value_or(QString());
}
