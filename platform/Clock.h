#pragma once

#include <QtGlobal>

// Time for what moves on screen in real time: a clock that only runs forward, read in
// milliseconds from a start that means nothing by itself, so only differences count. Playing
// the roll reads it; tests hand in a clock they set by hand.
class Clock
{
public:
    virtual ~Clock() = default;

    virtual qreal nowMs() const = 0;
};
