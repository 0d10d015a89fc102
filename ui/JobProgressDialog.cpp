#include "ui/JobProgressDialog.h"

#include "identity/AppIdentity.h"
#include "platform/RunModal.h"

#include <QEventLoop>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {

constexpr int kMomentMs = 400;
constexpr int kFollowMs = 100;

} // namespace

JobProgressDialog::JobProgressDialog(JobProgress &progress, const QString &label, QWidget *window)
    : QProgressDialog(label, QString(), 0, 0, window)
    , m_progress(progress)
    , m_label(label)
    , m_bar(new QProgressBar(this))
    , m_cancel(new QPushButton(tr("キャンセル"), this))
{
    setObjectName(QStringLiteral("jobProgress"));
    setWindowTitle(kAppTitle);
    setWindowModality(Qt::WindowModal);
    setAutoClose(false);
    setAutoReset(false);
    // The bar is set directly: QProgressDialog::setValue() runs the event loop inside itself.
    setBar(m_bar);
    setCancelButton(m_cancel);
    // Cancel only asks; the dialog stays until the job has stopped.
    disconnect(this, &QProgressDialog::canceled, this, &QProgressDialog::cancel);
    connect(this, &QProgressDialog::canceled, this, &JobProgressDialog::cancelJob);
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &JobProgressDialog::follow);
    timer->start(kFollowMs);
    follow();
}

void JobProgressDialog::wait(JobProgress &progress, const QString &label, QWidget *window,
                             std::function<void()> &ended, const std::function<bool()> &hasEnded)
{
    // Input waits meanwhile, to be handled afterwards: it is not lost.
    QEventLoop loop;
    QTimer moment;
    moment.setSingleShot(true);
    QObject::connect(&moment, &QTimer::timeout, &loop, &QEventLoop::quit);
    ended = [&loop] { loop.quit(); };
    moment.start(kMomentMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    moment.stop();
    if (hasEnded()) {
        ended = nullptr;
        return;
    }
    JobProgressDialog dialog(progress, label, window);
    ended = [&dialog] { dialog.done(QDialog::Accepted); };
    runModal(dialog);
    ended = nullptr;
}

void JobProgressDialog::reject()
{
    // Escape and closing the dialog ask for a cancel as the button does.
    emit canceled();
}

void JobProgressDialog::follow()
{
    const qint64 total = std::min<qint64>(m_progress.total(), std::numeric_limits<int>::max());
    m_bar->setRange(0, int(total));
    m_bar->setValue(int(std::clamp<qint64>(m_progress.done(), 0, total)));
    if (m_progress.committed() && m_cancel->isEnabled()) {
        // Too late to cancel: the finished file is being put in place.
        setLabelText(m_label + u'\n' + tr("ファイルに書き込んでいます…"));
        m_cancel->setEnabled(false);
    }
}

void JobProgressDialog::cancelJob()
{
    if (!m_cancel->isEnabled() || !m_progress.cancel())
        return;
    setLabelText(m_label + u'\n' + tr("キャンセルしています…"));
    m_cancel->setEnabled(false);
}
