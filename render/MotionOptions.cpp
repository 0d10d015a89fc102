#include "render/MotionOptions.h"

RollTimeline::Options MotionOptions::roll() const
{
    RollTimeline::Options options;
    options.holdMs = holdMs;
    options.passMs = passMs;
    options.rampMs = rampMs;
    options.first = first;
    options.last = last;
    return options;
}

LedTimeline::Options MotionOptions::led() const
{
    return {pageMs, scrollDotsPerSecond, first, last};
}

std::unique_ptr<Timeline> timelineFor(const QList<Frame> &frames, const SignLook &look,
                                      const MotionOptions &options)
{
    if (look.isLed())
        return std::make_unique<LedTimeline>(frames, look.led, options.led());
    return std::make_unique<RollTimeline>(frames, options.roll());
}
