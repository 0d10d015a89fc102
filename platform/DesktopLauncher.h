#pragma once

#include "platform/ProcessLauncher.h"

class DesktopLauncher final : public ProcessLauncher
{
public:
    bool open(const QString &target) override;
};
