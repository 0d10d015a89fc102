#include "sign/InsertFrameCommand.h"

#include "sign/SignDocument.h"

#include <QCoreApplication>

#include <utility>

InsertFrameCommand::InsertFrameCommand(SignDocument &document, int index, Frame frame,
                                       const QString &text)
    : QUndoCommand(text)
    , m_document(document)
    , m_index(index)
    , m_frame(std::move(frame))
    , m_currentBefore(document.currentIndex())
{}

InsertFrameCommand *InsertFrameCommand::removal(SignDocument &document, int index)
{
    auto *command =
        new InsertFrameCommand(document, index, document.frame(index),
                               QCoreApplication::translate("SignDocument", "コマの削除"));
    command->m_inserts = false;
    return command;
}

void InsertFrameCommand::insert()
{
    m_document.insertFrameAt({}, m_index, m_frame);
}

void InsertFrameCommand::remove()
{
    m_document.removeFrameAt({}, m_index);
}

void InsertFrameCommand::redo()
{
    m_inserts ? insert() : remove();
}

void InsertFrameCommand::undo()
{
    m_inserts ? remove() : insert();
    m_document.setCurrentIndex(m_currentBefore);
}
