#pragma once

#include "sign/FrameCommand.h"

// Switches the current frame to the other layout. The main line's size and the English band
// follow the new layout's table; texts, colours and the face stay.
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
