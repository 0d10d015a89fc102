#pragma once

#include "sign/Frame.h"

#include <QUndoCommand>

class SignDocument;

// One edit of one frame, kept as the frame before and after it. Frames share their strings, so
// a step costs little more than the line it changed.
class FrameCommand : public QUndoCommand
{
public:
    FrameCommand(SignDocument &document, int index, Frame after, const QString &text,
                 QUndoCommand *parent = nullptr);

    void redo() override;
    void undo() override;

protected:
    SignDocument &m_document;
    int m_index;
    Frame m_before;
    Frame m_after;
};
