#pragma once

// Whether the desktop wants moving effects: a user who has turned them off gets every change
// at once.
class DesktopAnimations
{
public:
    virtual ~DesktopAnimations() = default;

    virtual bool enabled() const = 0;
};
