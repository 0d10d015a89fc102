#pragma once

#include <QString>

#include <optional>

// Where the name of the user logged on to this session comes from.
class LogonNameService
{
public:
    virtual ~LogonNameService() = default;

    // The name to greet the user with. A name that cannot be read is shown as an empty
    // text: a greeting is not worth stopping the program for.
    QString greetingName() const;

protected:
    virtual std::optional<QString> readLogonName() const = 0;
};
