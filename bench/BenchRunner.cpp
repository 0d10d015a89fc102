#include "bench/BenchRunner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>
#include <utility>

extern char **environ;

namespace {

namespace fs = std::filesystem;
using Report = BenchRunner::Report;

// The clock the probe inside the child reads too.
long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

Report readReport(const fs::path &path)
{
    Report report;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos)
            report[line.substr(0, eq)] = std::atoll(line.c_str() + eq + 1);
    }
    return report;
}

} // namespace

BenchRunner::BenchRunner(fs::path binDir, fs::path scratchDir, bool verbose)
    : m_binDir(std::move(binDir))
    , m_scratchDir(std::move(scratchDir))
    , m_verbose(verbose)
{}

std::optional<BenchRunner::Report> BenchRunner::run(const std::string &program,
                                                    const std::vector<std::string> &args,
                                                    const std::vector<std::string> &extraEnv) const
{
    const fs::path reportPath = m_scratchDir / "report.txt";
    fs::remove(reportPath);

    std::vector<std::string> env;
    for (char **e = environ; *e; ++e)
        env.emplace_back(*e);
    env.push_back("QUINTELO_BENCH_REPORT=" + reportPath.string());
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    std::vector<char *> envp;
    envp.reserve(env.size() + 1);
    for (auto &entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    const std::string path = (m_binDir / program).string();
    std::vector<std::string> argStore{path};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char *> argv;
    argv.reserve(argStore.size() + 1);
    for (auto &arg : argStore)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!m_verbose) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = 0;
    const long long spawnNs = nowNs();
    const int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        std::fprintf(stderr, "quintelo_bench: cannot start %s: %s\n", path.c_str(),
                     std::strerror(rc));
        return std::nullopt;
    }

    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            std::fprintf(stderr, "quintelo_bench: %s did not finish\n", program.c_str());
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "quintelo_bench: %s failed (status %d)\n", program.c_str(), status);
        return std::nullopt;
    }
    Report report = readReport(reportPath);
    if (report.empty()) {
        std::fprintf(stderr, "quintelo_bench: %s reported nothing\n", program.c_str());
        return std::nullopt;
    }
    report["spawn_ns"] = spawnNs;
    return report;
}
