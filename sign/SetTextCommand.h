#pragma once

#include "sign/FrameCommand.h"

// Typing into one line. Keystrokes in the same line merge into one step until the user leaves
// the line; a step that ends where it began drops out of the history.
class SetTextCommand final : public FrameCommand
{
public:
    SetTextCommand(SignDocument &document, SignLine line, const QString &text);

    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    SignLine m_line;
    int m_session;
};
