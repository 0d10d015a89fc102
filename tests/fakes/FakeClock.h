#pragma once

#include "platform/Clock.h"

// A clock that stands still until a test moves it.
class FakeClock final : public Clock
{
public:
    qreal nowMs() const override { return now; }

    qreal now = 0;
};
