#include "platform/LogonNameService.h"

QString LogonNameService::greetingName() const
{
    return readLogonName().value_or(QString());
}
