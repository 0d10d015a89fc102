#include "platform/QtClock.h"

QtClock::QtClock()
{
    m_since.start();
}

qreal QtClock::nowMs() const
{
    return qreal(m_since.nsecsElapsed()) / 1e6;
}
