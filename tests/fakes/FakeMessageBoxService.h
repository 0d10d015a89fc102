#pragma once

#include "platform/MessageBoxService.h"

#include <QList>

#include <deque>

// Records every message box and answers questions from a script (No when the script is empty).
class FakeMessageBoxService final : public MessageBoxService
{
public:
    struct Shown
    {
        QString title;
        QString text;
        Icon icon;
        bool question;
    };

    void answerYes() { m_answers.push_back(true); }
    void answerNo() { m_answers.push_back(false); }

    bool askYesNo(const QString &title, const QString &text, Icon icon) override
    {
        shown.append({title, text, icon, true});
        if (m_answers.empty())
            return false;
        const bool yes = m_answers.front();
        m_answers.pop_front();
        return yes;
    }
    void tell(const QString &title, const QString &text, Icon icon) override
    {
        shown.append({title, text, icon, false});
    }

    QList<Shown> shown;

private:
    std::deque<bool> m_answers;
};
