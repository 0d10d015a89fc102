#pragma once

#include "sign/FrameCommand.h"

// The font dialog's choice for the main line: face, size, style and text colour in one step.
class SetFontCommand final : public FrameCommand
{
public:
    SetFontCommand(SignDocument &document, const QFont &font, const QColor &colour);
};
