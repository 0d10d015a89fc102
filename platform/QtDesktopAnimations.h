#pragma once

#include "platform/DesktopAnimations.h"

#include <optional>

// Windows and macOS tell Qt whether effects are on. Linux desktops keep the choice in their own
// settings, which Qt does not read: KDE's animation speed of 0 and GNOME's enable-animations
// are asked for here, once, the first time it matters.
class QtDesktopAnimations final : public DesktopAnimations
{
public:
    bool enabled() const override;

private:
    mutable std::optional<bool> m_enabled;
};
