#pragma once

#include "sign/FrameCommand.h"

// Switches the current frame to the other layout (see toggleLayout). The first return to the
// sign-name layout is the document's to remember, for the English colour button's caption.
class ToggleLayoutCommand final : public FrameCommand
{
public:
    explicit ToggleLayoutCommand(SignDocument &document);

    void redo() override;
    void undo() override;

private:
    bool m_restoredBefore;
    bool m_restoredAfter;
};
