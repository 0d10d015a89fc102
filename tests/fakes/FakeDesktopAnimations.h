#pragma once

#include "platform/DesktopAnimations.h"

// Effects off unless a test turns them on, so that no test waits on a moving picture.
class FakeDesktopAnimations final : public DesktopAnimations
{
public:
    bool enabled() const override { return on; }

    bool on = false;
};
