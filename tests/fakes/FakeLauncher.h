#pragma once

#include "platform/ProcessLauncher.h"

#include <QStringList>

class FakeLauncher final : public ProcessLauncher
{
public:
    bool open(const QString &target) override
    {
        opened.append(target);
        return succeeds;
    }

    QStringList opened;
    bool succeeds = true;
};
