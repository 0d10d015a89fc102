#pragma once

#include "render/LedTimeline.h"
#include "render/RollTimeline.h"
#include "render/Timeline.h"
#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QList>

#include <memory>

// What every moving output (playing on screen, a video, the spin) lets the user set, whichever
// the roll's look: the plate reads the hold and the turn, the LED panel the page time and the
// scroll speed, both the range of frames.
struct MotionOptions
{
    int holdMs = RollTimeline::Options().holdMs;
    int passMs = RollTimeline::Options().passMs;
    int rampMs = RollTimeline::Options().rampMs;
    int pageMs = LedTimeline::Options().pageMs;
    int scrollDotsPerSecond = LedTimeline::Options().scrollDotsPerSecond;
    // The frames shown, by index, both included; a last of -1 means to the end of the roll.
    int first = 0;
    int last = -1;

    RollTimeline::Options roll() const;
    LedTimeline::Options led() const;
};

// The one place a moving output gets its timeline from: the roll turning for the plate look,
// the panel's pages for the LED look.
std::unique_ptr<Timeline> timelineFor(const QList<Frame> &frames, const SignLook &look,
                                      const MotionOptions &options);
