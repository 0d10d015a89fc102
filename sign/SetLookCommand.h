#pragma once

#include "sign/SignLook.h"

#include <QUndoCommand>

class SignDocument;

// A new look for the whole roll: 幕 or LED, or other LED settings. The frames stay as they are.
class SetLookCommand final : public QUndoCommand
{
public:
    SetLookCommand(SignDocument &document, const SignLook &after);

    void redo() override;
    void undo() override;

private:
    SignDocument &m_document;
    SignLook m_before;
    SignLook m_after;
};
