#pragma once

#include <QUndoCommand>

class SignDocument;

// A frame taken out of the roll and put back at another place, the frames between closing up.
class MoveFrameCommand : public QUndoCommand
{
public:
    MoveFrameCommand(SignDocument &document, int from, int to);

    void redo() override;
    void undo() override;

private:
    SignDocument &m_document;
    int m_from;
    int m_to;
    int m_currentBefore;
};
