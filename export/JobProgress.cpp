#include "export/JobProgress.h"

bool JobProgress::reached(qint64 done)
{
    m_done = done;
    return !cancelled();
}

bool JobProgress::cancel()
{
    State running = State::Running;
    return m_state.compare_exchange_strong(running, State::Cancelled) ||
           running == State::Cancelled;
}

bool JobProgress::commit()
{
    State running = State::Running;
    return m_state.compare_exchange_strong(running, State::Committed) ||
           running == State::Committed;
}
