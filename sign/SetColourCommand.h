#pragma once

#include "sign/FrameCommand.h"

// One colour button's choice. The English band is also kept as the band the sign-name layout
// brings back.
class SetColourCommand final : public FrameCommand
{
public:
    enum class Target { MainText, EnglishText, EnglishBand };

    SetColourCommand(SignDocument &document, Target target, const QColor &colour);
};
