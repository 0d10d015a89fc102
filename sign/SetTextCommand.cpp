#include "sign/SetTextCommand.h"

#include "sign/FrameRules.h"
#include "sign/SignDocument.h"

#include <QCoreApplication>

SetTextCommand::SetTextCommand(SignDocument &document, SignLine line, const QString &text)
    : FrameCommand(document, document.currentIndex(),
                   QCoreApplication::translate("SignDocument", "文字の入力"),
                   [line, &text](Frame &frame) { setLineText(frame, line, text); })
    , m_line(line)
    , m_session(document.typingSession())
{}

int SetTextCommand::id() const
{
    return 1;
}

bool SetTextCommand::mergeWith(const QUndoCommand *other)
{
    const auto *typed = static_cast<const SetTextCommand *>(other);
    if (typed->m_index != m_index || typed->m_line != m_line || typed->m_session != m_session)
        return false;
    m_after = typed->m_after;
    setObsolete(m_after == m_before);
    return true;
}
