#include "sign/FrameCommand.h"

#include "sign/SignDocument.h"

FrameCommand::FrameCommand(SignDocument &document, int index, const QString &text, const Edit &edit)
    : QUndoCommand(text)
    , m_document(document)
    , m_index(index)
    , m_before(document.frame(index))
    , m_after(m_before)
{
    edit(m_after);
    // A choice that changes nothing, such as OK in a dialog left as it was, is no step.
    setObsolete(m_before == m_after);
}

void FrameCommand::redo()
{
    m_document.setFrame({}, m_index, m_after);
}

void FrameCommand::undo()
{
    m_document.setFrame({}, m_index, m_before);
}
