#pragma once

#include "platform/LogonNameService.h"

class SystemLogonName final : public LogonNameService
{
protected:
    std::optional<QString> readLogonName() const override;
};
