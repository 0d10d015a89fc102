#pragma once

#include "platform/DialogService.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <variant>

// Answers each dialog from a script, OK with a value or Cancel (std::monostate); a dialog the
// script did not expect is cancelled. Every request is recorded.
class FakeDialogService final : public DialogService
{
public:
    using Answer = std::variant<std::monostate, QColor, FontChoice, QString>;

    void answer(const Answer &a) { m_answers.push_back(a); }
    void cancel() { m_answers.emplace_back(); }

    std::optional<QColor> chooseColour(const ColourRequest &request) override
    {
        colourRequests.append(request);
        return next<QColor>();
    }
    std::optional<FontChoice> chooseFont(const FontRequest &request) override
    {
        fontRequests.append(request);
        return next<FontChoice>();
    }
    std::optional<QString> chooseSaveFileName(const SaveRequest &request) override
    {
        saveRequests.append(request);
        return next<QString>();
    }

    std::optional<QString> chooseOpenFileName(const QString &, const QString &) override
    {
        return next<QString>();
    }
    std::optional<QString> chooseFolder(const QString &title) override
    {
        folderRequests.append(title);
        return next<QString>();
    }

    QList<ColourRequest> colourRequests;
    QList<FontRequest> fontRequests;
    QList<SaveRequest> saveRequests;
    QStringList folderRequests;

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
