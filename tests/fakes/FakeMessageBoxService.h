#pragma once

#include "platform/MessageBoxService.h"

#include <QList>

#include <deque>
#include <functional>

// Records every message box and answers questions from a script: No, or the last button (the
// one that changes nothing), when the script is empty.
class FakeMessageBoxService final : public MessageBoxService
{
public:
    struct Shown
    {
        QString text;
        Icon icon;
        QStringList buttons; // empty for a box that only tells
    };

    void answerYes() { m_answers.push_back(0); }
    void answerNo() { m_answers.push_back(1); }
    // The index of the button to press in the next question.
    void answer(int button) { m_answers.push_back(button); }

    bool askYesNo(const QString &title, const QString &text, Icon icon) override
    {
        return ask(title, text, icon, {QStringLiteral("はい"), QStringLiteral("いいえ")}, 0) == 0;
    }
    int ask(const QString &, const QString &text, Icon icon, const QStringList &buttons,
            int) override
    {
        shown.append({text, icon, buttons});
        if (whenShown)
            whenShown();
        const int pressed = m_answers.empty() ? int(buttons.size()) - 1 : m_answers.front();
        if (!m_answers.empty())
            m_answers.pop_front();
        return pressed;
    }
    void tell(const QString &, const QString &text, Icon icon) override
    {
        shown.append({text, icon, {}});
        if (whenShown)
            whenShown();
    }

    QList<Shown> shown;
    // Called as each box comes up, to look at the screen as the user sees it then.
    std::function<void()> whenShown;

private:
    std::deque<int> m_answers;
};
