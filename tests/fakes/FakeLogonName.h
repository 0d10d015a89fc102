#pragma once

#include "platform/LogonNameService.h"

// A logon name a test chooses; nullopt stands for a name the system could not give.
class FakeLogonName final : public LogonNameService
{
public:
    explicit FakeLogonName(std::optional<QString> name = QStringLiteral("tester"))
        : name(std::move(name))
    {}

    std::optional<QString> name;

protected:
    std::optional<QString> readLogonName() const override { return name; }
};
