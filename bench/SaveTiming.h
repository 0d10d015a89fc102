#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

// Shared by the program's save benchmark and the bare window's: both time one save after
// another in a process whose window is up. The first save pays for whatever the process
// sets up on first use; the later ones are what the user waits for every time after that.

// Returns once the window is on screen and has painted, as a user would first press a key.
inline void waitUntilShown(QWidget &window)
{
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
           waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QCoreApplication::processEvents();
}

// Times save count times and writes the durations, in nanoseconds and in order, to the file
// the driver named in QUINTELO_BENCH_REPORT.
template <typename Save> int timeSaves(int count, int width, int height, Save save)
{
    std::vector<long long> durations;
    durations.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!save()) {
            std::fputs("save failed\n", stderr);
            return EXIT_FAILURE;
        }
        durations.push_back(timer.nsecsElapsed());
    }

    const char *reportPath = std::getenv("QUINTELO_BENCH_REPORT");
    if (!reportPath)
        return EXIT_SUCCESS;
    std::ofstream report(reportPath);
    report << "width=" << width << "\nheight=" << height << "\n";
    for (std::size_t i = 0; i < durations.size(); ++i)
        report << "save_" << i << "_ns=" << durations[i] << "\n";
    return report ? EXIT_SUCCESS : EXIT_FAILURE;
}
