// Runs the program and a bare Qt window side by side, alternating, and prints what a user
// waits for: every figure beside the same figure of the bare window, so that each is read as
// a ratio taken on one machine in one run.

#include "bench/BenchRunner.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Report = BenchRunner::Report;

// The sign plate's size in pixels at 96 dots per inch; the bare window is saved at this size.
constexpr long long kPlateWidth = 241;
constexpr long long kPlateHeight = 81;

struct Options
{
    int runs = 20;
    bool verbose = false;
    bool start = true;
    bool saves = true;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

// Which program a sample came from: the index into each pair of sample lists.
enum Side { Program, Bare, Fonts };

struct Figure
{
    std::string name;
    double value;
    double baseline;
    std::string unit;
    std::string target; // empty where the figure has none
    bool met = true;
};

void printFigures(const std::vector<Figure> &figures)
{
    std::printf("%-42s %13s %13s %8s   %s\n", "", "Quintelo", "bare window", "ratio", "target");
    for (const Figure &f : figures) {
        std::printf("%-42s %9.2f %-3s %9.2f %-3s %7.2fx   %s\n", f.name.c_str(), f.value,
                    f.unit.c_str(), f.baseline, f.unit.c_str(), f.value / f.baseline,
                    f.target.empty() ? "-" : (f.target + (f.met ? "  met" : "  MISSED")).c_str());
    }
}

// Start-up, hand-over and memory. Both sides run until their splash timer has handed over,
// so these figures come from the same processes; the order alternates so that neither side
// always runs on the heels of the other.
std::vector<Figure> startFigures(const BenchRunner &runner, int runs, bool verbose)
{
    std::array<std::vector<double>, 3> startMs, handOverMs, rssKb;
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 3; ++k) {
            const auto side = Side((i + k) % 3);
            const std::optional<Report> report =
                side == Program
                    ? runner.run("quintelo_probed", {}, {"QUINTELO_BENCH_UNTIL=hand-over"})
                : side == Bare ? runner.run("baseline_window", {"--hand-over"},
                                            {"QUINTELO_BENCH_UNTIL=hand-over"})
                               : runner.run("baseline_window", {"--hand-over", "--fonts"},
                                            {"QUINTELO_BENCH_UNTIL=hand-over"});
            if (!report)
                return {};
            const Report &r = *report;
            startMs[side].push_back(double(r.at("first_paint_ns") - r.at("spawn_ns")) / 1e6);
            handOverMs[side].push_back(double(r.at("hand_over_paint_ns") - r.at("tick_ns")) / 1e6);
            // The program with its main window up, the bare program with its one window up.
            rssKb[side].push_back(
                double(side == Program ? r.at("peak_rss_kb") : r.at("first_paint_peak_rss_kb")));
            if (verbose)
                std::printf("run %2d %-8s start %7.1f ms  hand-over %6.1f ms  peak %7.0f kB\n", i,
                            side == Program ? "quintelo"
                            : side == Bare  ? "bare"
                                            : "fonts",
                            startMs[side].back(), handOverMs[side].back(), rssKb[side].back());
        }
    }

    const double start = median(startMs[Program]);
    const double bareStart = median(startMs[Bare]);
    const double handOver = median(handOverMs[Program]);
    const double rss = median(rssKb[Program]) / 1024.0;
    const double bareRss = median(rssKb[Bare]) / 1024.0;
    const double fontsStart = median(startMs[Fonts]);
    const double fontsRss = median(rssKb[Fonts]) / 1024.0;
    return {
        {"start -> splash painted", start, bareStart, "ms", "<= 1.2x", start <= 1.2 * bareStart},
        {"splash tick -> main window painted", handOver, median(handOverMs[Bare]), "ms", "<= 50 ms",
         handOver <= 50.0},
        {"peak resident memory, main window up", rss, bareRss, "MiB", "<= 1.2x",
         rss <= 1.2 * bareRss},
        {"start, against a window with the fonts", start, fontsStart, "ms", "<= 1.2x",
         start <= 1.2 * fontsStart},
        {"memory, against a window with the fonts", rss, fontsRss, "MiB", "<= 1.1x",
         rss <= 1.1 * fontsRss},
    };
}

// Capture, encoding and file replacement of the plate, against a bare window of the plate's
// size grabbed and saved through Qt's own writer (PNG where Qt has no writer: GIF). Every
// process saves a series: its first save is one sample of the first save in a process, the
// rest are warm saves, pooled over all processes.
std::vector<Figure> saveFigures(const BenchRunner &runner, int runs, const fs::path &scratch,
                                bool verbose)
{
    struct Format
    {
        std::string name;
        std::string bareName;
        double warmTargetMs;
    };
    const std::vector<Format> formats{
        {"bmp", "bmp", 2.0}, {"png", "png", 2.0}, {"gif", "png", 5.0}};
    constexpr int kSeries = 51;
    const std::string width = std::to_string(kPlateWidth);
    const std::string height = std::to_string(kPlateHeight);

    std::vector<Figure> figures;
    for (const Format &format : formats) {
        std::array<std::vector<double>, 2> firstMs, warmMs;
        for (int i = 0; i < runs; ++i) {
            for (int k = 0; k < 2; ++k) {
                const Side side = (i + k) % 2 == 0 ? Program : Bare;
                const std::string count = std::to_string(kSeries);
                const std::optional<Report> report =
                    side == Program
                        ? runner.run("save_bench", {format.name, count, scratch.string()}, {})
                        : runner.run(
                              "baseline_window",
                              {"--save", format.bareName, count, scratch.string(), width, height},
                              {});
                if (!report)
                    return {};
                const Report &r = *report;
                if (side == Program &&
                    (r.at("width") != kPlateWidth || r.at("height") != kPlateHeight)) {
                    std::fprintf(stderr, "quintelo_bench: the plate is %lld x %lld pixels\n",
                                 r.at("width"), r.at("height"));
                    return {};
                }
                firstMs[side].push_back(double(r.at("save_0_ns")) / 1e6);
                for (int n = 1; n < kSeries; ++n)
                    warmMs[side].push_back(double(r.at("save_" + std::to_string(n) + "_ns")) / 1e6);
                if (verbose)
                    std::printf("run %2d %-8s %s first save %6.2f ms\n", i,
                                side == Program ? "quintelo" : "bare", format.name.c_str(),
                                firstMs[side].back());
            }
        }
        const std::string label = format.name == format.bareName
                                      ? format.name
                                      : format.name + " (bare: " + format.bareName + ")";
        const double warm = median(warmMs[Program]);
        const std::string target = "<= " + std::to_string(int(format.warmTargetMs)) + " ms";
        figures.push_back({"first save in a process, " + label, median(firstMs[Program]),
                           median(firstMs[Bare]), "ms", "", true});
        figures.push_back({"warm save (median), " + label, warm, median(warmMs[Bare]), "ms", target,
                           warm <= format.warmTargetMs});
    }
    return figures;
}

std::optional<Options> parseOptions(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            options.runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--start-only") {
            options.saves = false;
        } else if (arg == "--saves-only") {
            options.start = false;
        } else {
            std::fprintf(
                stderr,
                "usage: quintelo_bench [--runs N] [--start-only | --saves-only] [--verbose]\n");
            return std::nullopt;
        }
    }
    return options;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options)
        return 2;

    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const char *display = std::getenv("DISPLAY");
    if (!(platform && *platform) && !(display && *display)) {
        std::fprintf(stderr, "quintelo_bench: no display; run it as\n"
                             "  xvfb-run -a -s '-screen 0 1280x1024x24' quintelo_bench\n");
        return 2;
    }

    std::string scratchTemplate = "/tmp/quintelo-bench-XXXXXX";
    if (!mkdtemp(scratchTemplate.data())) {
        std::perror("quintelo_bench: mkdtemp");
        return 1;
    }
    const fs::path scratch(scratchTemplate);
    const BenchRunner runner(fs::read_symlink("/proc/self/exe").parent_path(), scratch,
                             options->verbose);

    std::printf("Quintelo benchmarks: %d runs of each side, alternating; Qt platform %s%s%s\n\n",
                options->runs, platform && *platform ? platform : "xcb",
                display && *display ? ", DISPLAY=" : "", display && *display ? display : "");
    std::fflush(stdout);

    std::vector<Figure> figures;
    bool complete = true;
    if (options->start) {
        const std::vector<Figure> start = startFigures(runner, options->runs, options->verbose);
        complete = !start.empty();
        figures.insert(figures.end(), start.begin(), start.end());
    }
    if (complete && options->saves) {
        const std::vector<Figure> saves =
            saveFigures(runner, options->runs, scratch, options->verbose);
        complete = !saves.empty();
        figures.insert(figures.end(), saves.begin(), saves.end());
    }
    fs::remove_all(scratch);
    if (!complete)
        return 1;
    printFigures(figures);
    return 0;
}
