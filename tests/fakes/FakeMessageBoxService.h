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
        QString text;
        Icon icon;
    };

    void answerYes() { m_answers.push_back(true); }
    void answerNo() { m_answers.push_back(false); }

    bool askYesNo(const QString &title, const QString &text, Icon icon) override
    {
        tell(title, text, icon);
        const bool yes = !m_answers.empty() && m_answers.front();
        if (!m_answers.empty())
            m_answers.pop_front();
        return yes;
    }
    void tell(const QString &, const QString &text, Icon icon) override
    {
        shown.append({text, icon});
    }

    QList<Shown> shown;

private:
    std::deque<bool> m_answers;
};
