#pragma once

#include "export/JobRunner.h"

#include <QProgressDialog>

#include <functional>
#include <optional>

class QProgressBar;
class QPushButton;

// The window waiting for a job. For a moment it only repaints and takes no input (most saves
// are done by then, and a dialog flashing up and away would only startle); then a window-modal
// dialog shows how far the job has come, with キャンセル. Cancel asks the job to stop and keeps
// the dialog up, its button off, until the job has: nothing changes under the job or starts
// another meanwhile. The window repaints throughout.
class JobProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    // Answers the job's result once it has ended. label: what the job does, for the user.
    template <typename Result>
    static Result waitFor(const Job<Result> &job, const QString &label, QWidget *window)
    {
        std::optional<Result> result;
        std::function<void()> ended;
        QObject receiver;
        job.whenFinished(&receiver, [&result, &ended](const Result &finished) {
            result = finished;
            if (ended)
                ended();
        });
        wait(job.progress(), label, window, ended, [&result] { return result.has_value(); });
        // Event loops end early when the program quits: the job stops and is waited for.
        if (!result) {
            job.cancel();
            return job.wait();
        }
        return *result;
    }

protected:
    void reject() override;

private:
    JobProgressDialog(JobProgress &progress, const QString &label, QWidget *window);

    // Runs the event loop until hasEnded(); ended is set to what makes the loop under way end.
    static void wait(JobProgress &progress, const QString &label, QWidget *window,
                     std::function<void()> &ended, const std::function<bool()> &hasEnded);
    void follow();
    void cancelJob();

    JobProgress &m_progress;
    QString m_label;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
};
