#pragma once

#include "platform/DialogService.h"

#include <QList>

#include <deque>
#include <variant>

// Answers each dialog as a user would, from a script: OK with a value, or Cancel. Every request
// is recorded so a test can check what the dialog was opened with.
class FakeDialogService final : public DialogService
{
public:
    struct Cancel
    {};
    using Answer = std::variant<Cancel, QColor, FontChoice, QString>;

    struct ColorCall
    {
        QColor initial;
        qint32 flags;
    };
    struct FontCall
    {
        FontChoice initial;
        qint32 flags;
    };

    void answer(const Answer &a) { m_answers.push_back(a); }
    void cancel() { m_answers.push_back(Cancel{}); }
    bool scriptUsedUp() const { return m_answers.empty(); }

    std::optional<QColor> chooseColor(const QColor &initial, qint32 flags) override
    {
        colorCalls.append({initial, flags});
        return next<QColor>();
    }
    std::optional<FontChoice> chooseFont(const FontChoice &initial, qint32 flags) override
    {
        fontCalls.append({initial, flags});
        return next<FontChoice>();
    }
    std::optional<QString> chooseSaveFileName(const SaveRequest &request) override
    {
        saveCalls.append(request);
        return next<QString>();
    }

    QList<ColorCall> colorCalls;
    QList<FontCall> fontCalls;
    QList<SaveRequest> saveCalls;

private:
    template <class T> std::optional<T> next()
    {
        // A dialog the test did not expect counts as cancelled, which changes nothing.
        if (m_answers.empty())
            return std::nullopt;
        const Answer a = m_answers.front();
        m_answers.pop_front();
        if (const T *value = std::get_if<T>(&a))
            return *value;
        return std::nullopt;
    }

    std::deque<Answer> m_answers;
};
