#pragma once

#include <QString>

// Modal message boxes. Logic asks through this service and never opens a box itself.
class MessageBoxService
{
public:
    enum class Icon { Exclamation, Question, Critical, Information };

    virtual ~MessageBoxService() = default;

    // Yes/No with Yes as the default button; true means Yes.
    virtual bool askYesNo(const QString &title, const QString &text, Icon icon) = 0;
    virtual void tell(const QString &title, const QString &text, Icon icon) = 0;
};
