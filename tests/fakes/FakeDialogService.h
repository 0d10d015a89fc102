#pragma once

#include "platform/DialogService.h"

#include <QList>

#include <deque>
#include <variant>

// Answers each dialog from a script, OK with a value or Cancel (std::monostate); a dialog the
// script did not expect is cancelled. Every request is recorded with its flags.
class FakeDialogService final : public DialogService
{
public:
    using Answer = std::variant<std::monostate, QColor, FontChoice, QString>;
    template <class T> struct Call
    {
        T initial;
        qint32 flags;
    };

    void answer(const Answer &a) { m_answers.push_back(a); }
    void cancel() { m_answers.emplace_back(); }

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
        saveCalls.append({request.fileName, request.flags});
        return next<QString>();
    }

    std::optional<QString> chooseOpenFileName(const QString &, const QString &) override
    {
        return next<QString>();
    }

    QList<Call<QColor>> colorCalls;
    QList<Call<FontChoice>> fontCalls;
    QList<Call<QString>> saveCalls;

private:
    template <class T> std::optional<T> next()
    {
        const Answer a = m_answers.empty() ? Answer() : m_answers.front();
        if (!m_answers.empty())
            m_answers.pop_front();
        const T *value = std::get_if<T>(&a);
        return value ? std::optional<T>(*value) : std::nullopt;
    }

    std::deque<Answer> m_answers;
};
