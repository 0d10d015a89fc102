#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

// The median of 20 runs of work, in milliseconds: what the benchmarks without a window report.
template <typename Work> double medianMs(Work work)
{
    constexpr int kRuns = 20;
    std::vector<qint64> ns;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        ns.push_back(timer.nsecsElapsed());
    }
    std::sort(ns.begin(), ns.end());
    return double(ns[ns.size() / 2]) / 1e6;
}
