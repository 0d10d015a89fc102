#pragma once

#include <QtGlobal>

#include <atomic>

// How far a job has come and whether it should stop: advanced by the job on its worker thread,
// read and cancelled by whoever waits for it on another. Every member may be called from any
// thread. Steps are the job's own (frames drawn, pictures encoded); a total of 0 means the job
// cannot tell how far along it is.
//
// A job that writes a file asks commit() just before putting the finished file in place.
// From then on cancel() is refused, so a cancel either comes first and nothing is written, or
// comes too late and the file is written whole: never half of each.
class JobProgress
{
public:
    void setTotal(qint64 total) { m_total = total; }
    void setDone(qint64 done) { m_done = done; }
    void advance(qint64 steps = 1) { m_done += steps; }
    // setDone(done), answering whether the job should go on: the shape of a codec's progress
    // callback (AnimationWriter::write, writeAnimatedGif).
    bool reached(qint64 done);

    qint64 done() const { return m_done; }
    qint64 total() const { return m_total; }

    // Asks the job to stop; answers false when it is too late, the job having committed.
    bool cancel();
    bool cancelled() const { return m_state == State::Cancelled; }
    // Answers false when the job was cancelled first: then it must stop without the step.
    bool commit();
    bool committed() const { return m_state == State::Committed; }

private:
    enum class State { Running, Cancelled, Committed };

    std::atomic<qint64> m_done = 0;
    std::atomic<qint64> m_total = 0;
    std::atomic<State> m_state = State::Running;
};
