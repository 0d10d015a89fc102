#include "sign/MoveFrameCommand.h"

#include "sign/SignDocument.h"

#include <QCoreApplication>

MoveFrameCommand::MoveFrameCommand(SignDocument &document, int from, int to)
    : QUndoCommand(QCoreApplication::translate("SignDocument", "コマの移動"))
    , m_document(document)
    , m_from(from)
    , m_to(to)
    , m_currentBefore(document.currentIndex())
{}

void MoveFrameCommand::redo()
{
    m_document.moveFrameAt({}, m_from, m_to);
}

void MoveFrameCommand::undo()
{
    m_document.moveFrameAt({}, m_to, m_from);
    m_document.setCurrentIndex(m_currentBefore);
}
