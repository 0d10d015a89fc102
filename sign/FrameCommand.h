#pragma once

#include "sign/Frame.h"

#include <QUndoCommand>

#include <functional>

class SignDocument;

// One edit of one frame: one of the frame's rules (FrameRules.h) applied to it, kept as the frame
// before and after. Frames share their strings, so a step costs little more than the line it
// changed.
class FrameCommand : public QUndoCommand
{
public:
    using Edit = std::function<void(Frame &)>;

    FrameCommand(SignDocument &document, int index, const QString &text, const Edit &edit);

    void redo() override;
    void undo() override;

protected:
    SignDocument &m_document;
    int m_index;
    Frame m_before;
    Frame m_after;
};
