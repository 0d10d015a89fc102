#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

// The system's monotonic clock, which no change of the date or time zone moves.
class QtClock final : public Clock
{
public:
    QtClock();

    qreal nowMs() const override;

private:
    QElapsedTimer m_since;
};
