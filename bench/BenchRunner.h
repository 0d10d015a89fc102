#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Starts the benchmark's programs one at a time, waits for each to end by itself and reads
// back the figures it wrote to the report file named in QUINTELO_BENCH_REPORT.
class BenchRunner
{
public:
    using Report = std::map<std::string, long long>;

    BenchRunner(std::filesystem::path binDir, std::filesystem::path scratchDir, bool verbose);

    // What program, found in binDir, reported, with the moment it was started (on the clock
    // the probe reads) under "spawn_ns"; nothing if it failed or reported nothing.
    std::optional<Report> run(const std::string &program, const std::vector<std::string> &args,
                              const std::vector<std::string> &extraEnv) const;

private:
    std::filesystem::path m_binDir;
    std::filesystem::path m_scratchDir;
    bool m_verbose;
};
