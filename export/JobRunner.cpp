#include "export/JobRunner.h"

#include <algorithm>
#include <atomic>

JobRunner::JobRunner(int threads, QObject *parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(std::max(1, threads));
}

JobRunner::~JobRunner()
{
    for (const std::weak_ptr<JobProgress> &job : std::as_const(m_jobs))
        if (const std::shared_ptr<JobProgress> progress = job.lock())
            progress->cancel();
    m_pool.waitForDone();
}

void JobRunner::keep(const std::shared_ptr<JobProgress> &progress)
{
    m_jobs.removeIf([](const std::weak_ptr<JobProgress> &job) { return job.expired(); });
    m_jobs.append(progress);
}

Job<int> JobRunner::startEach(int count, std::function<void(int)> piece)
{
    auto state = std::make_shared<Job<int>::State>(this);
    keep(std::shared_ptr<JobProgress>(state, &state->progress));
    state->progress.setTotal(count);
    if (count <= 0) {
        Job<int>::finish(state, 0);
        return Job<int>(state);
    }
    struct Pieces
    {
        std::function<void(int)> piece;
        std::atomic<int> left = 0;
        std::atomic<int> ran = 0;
    };
    const auto pieces = std::make_shared<Pieces>();
    pieces->piece = std::move(piece);
    pieces->left = count;
    for (int index = 0; index < count; ++index) {
        m_pool.start([state, pieces, index] {
            if (!state->progress.cancelled()) {
                pieces->piece(index);
                ++pieces->ran;
                state->progress.advance();
            }
            if (--pieces->left == 0)
                Job<int>::finish(state, pieces->ran);
        });
    }
    return Job<int>(state);
}
