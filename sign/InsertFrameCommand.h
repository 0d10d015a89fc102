#pragma once

#include "sign/Frame.h"

#include <QUndoCommand>

class SignDocument;

// A frame added to the roll, or, undone the other way round, one deleted from it.
class InsertFrameCommand : public QUndoCommand
{
public:
    InsertFrameCommand(SignDocument &document, int index, Frame frame, const QString &text);
    // Deleting the frame at index: its undo puts the same frame back where it was.
    static InsertFrameCommand *removal(SignDocument &document, int index);

    void redo() override;
    void undo() override;

private:
    void insert();
    void remove();

    SignDocument &m_document;
    int m_index;
    Frame m_frame;
    bool m_inserts = true;
    int m_currentBefore;
};
