#pragma once

#include "export/JobProgress.h"

#include <QDeadlineTimer>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QWaitCondition>

#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

template <typename Result> class Job;

// Runs long work off the thread that asks for it: the window's saves, so that the window keeps
// answering, and quintelo-render's outputs, so that it can draw a progress bar and stop on a
// signal. A job is a function of its JobProgress, which it advances and looks at for a cancel;
// its result comes back on the thread the runner lives in, by waiting for it (Job::wait) or in
// that thread's event loop (Job::whenFinished). Destroying the runner cancels what still runs
// and waits for it.
class JobRunner : public QObject
{
public:
    // threads: how many jobs, or pieces of one (startEach), run at once.
    explicit JobRunner(int threads = 1, QObject *parent = nullptr);
    ~JobRunner() override;

    JobRunner(const JobRunner &) = delete;
    JobRunner &operator=(const JobRunner &) = delete;

    // work(progress) on one of the runner's threads.
    template <typename Work> Job<std::invoke_result_t<Work, JobProgress &>> start(Work work);
    // One job of count pieces, each piece(index) on its own, as many at once as the runner has
    // threads. The progress counts the pieces done; once cancelled, no piece begins (those
    // running finish). The result is how many pieces ran.
    Job<int> startEach(int count, std::function<void(int)> piece);

private:
    template <typename Result> friend class Job;

    // Remembered to be cancelled should the runner go first.
    void keep(const std::shared_ptr<JobProgress> &progress);

    QThreadPool m_pool;
    QList<std::weak_ptr<JobProgress>> m_jobs;
};

// One job of a JobRunner, as its caller holds it; copies are the same job.
template <typename Result> class Job
{
public:
    JobProgress &progress() const { return m_state->progress; }
    // See JobProgress::cancel().
    bool cancel() const { return m_state->progress.cancel(); }

    // Blocks this thread until the job ends, calling poll every pollMs meanwhile (a terminal's
    // progress bar, a look at whether a signal asked to stop), and answers the job's result.
    Result wait(const std::function<void()> &poll = {}, int pollMs = 100) const
    {
        QMutexLocker lock(&m_state->mutex);
        while (!m_state->result) {
            if (m_state->ended.wait(&m_state->mutex, QDeadlineTimer(pollMs)) || !poll)
                continue;
            lock.unlock();
            poll();
            lock.relock();
        }
        return *m_state->result;
    }

    // Calls done with the result in the event loop of the runner's thread once the job has
    // ended (later still where it has already), unless context is gone by then. Call it on the
    // runner's thread.
    void whenFinished(QObject *context, std::function<void(const Result &)> done) const
    {
        QMutexLocker lock(&m_state->mutex);
        m_state->context = context;
        m_state->done = std::move(done);
        if (m_state->result)
            deliver(m_state);
    }

private:
    friend class JobRunner;

    struct State
    {
        explicit State(JobRunner *runner)
            : runner(runner)
        {}

        JobProgress progress;
        // Whatever follows guards what the job and its caller share.
        QMutex mutex;
        QWaitCondition ended;
        std::optional<Result> result;
        // The runner outlives its jobs and lives on the caller's thread: the one object a
        // worker can post the result to that is sure to be there.
        JobRunner *runner;
        QPointer<QObject> context;
        std::function<void(const Result &)> done;
    };

    explicit Job(std::shared_ptr<State> state)
        : m_state(std::move(state))
    {}

    // On the worker thread.
    static void finish(const std::shared_ptr<State> &state, Result result)
    {
        QMutexLocker lock(&state->mutex);
        state->result = std::move(result);
        state->ended.wakeAll();
        if (state->done)
            deliver(state);
    }

    // With state's mutex held.
    static void deliver(const std::shared_ptr<State> &state)
    {
        QMetaObject::invokeMethod(
            state->runner,
            [state] {
                if (state->context)
                    state->done(*state->result);
            },
            Qt::QueuedConnection);
    }

    std::shared_ptr<State> m_state;
};

template <typename Work> Job<std::invoke_result_t<Work, JobProgress &>> JobRunner::start(Work work)
{
    using Result = std::invoke_result_t<Work, JobProgress &>;
    auto state = std::make_shared<typename Job<Result>::State>(this);
    keep(std::shared_ptr<JobProgress>(state, &state->progress));
    m_pool.start([state, work = std::move(work)]() mutable {
        Job<Result>::finish(state, work(state->progress));
    });
    return Job<Result>(state);
}
