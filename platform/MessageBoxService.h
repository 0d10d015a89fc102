#pragma once

#include <QString>
#include <QStringList>

// Modal message boxes. Logic asks through this service and never opens a box itself.
class MessageBoxService
{
public:
    enum class Icon { Exclamation, Question, Critical, Information };

    virtual ~MessageBoxService() = default;

    // Yes/No with Yes as the default button; true means Yes.
    virtual bool askYesNo(const QString &title, const QString &text, Icon icon) = 0;
    // A question with buttons of its own, answered with the index of the one pressed. Enter
    // presses defaultButton; the last button is the one Esc and the close button press, so it
    // should be the one that changes nothing.
    virtual int ask(const QString &title, const QString &text, Icon icon,
                    const QStringList &buttons, int defaultButton) = 0;
    virtual void tell(const QString &title, const QString &text, Icon icon) = 0;
};
