#include "bench/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>

namespace {

// The same clock as the driver's, so moments taken in two processes can be subtracted.
std::int64_t monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The peak resident set so far, as the kernel counts it.
long long peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atoll(line.c_str() + 6);
    }
    return -1;
}

// The splash's hand-over timer, by the object name the program gives it.
const QString kHandOverTimer = QStringLiteral("Timer1");

void installStartupProbe()
{
    const QString reportPath = qEnvironmentVariable("QUINTELO_BENCH_REPORT");
    if (reportPath.isEmpty())
        return;
    const auto until = qEnvironmentVariable("QUINTELO_BENCH_UNTIL") == QLatin1String("hand-over")
                           ? StartupProbe::Until::HandOver
                           : StartupProbe::Until::FirstPaint;
    auto *probe = new StartupProbe(reportPath, until, QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installStartupProbe)

StartupProbe::StartupProbe(QString reportPath, Until until, QObject *parent)
    : QObject(parent)
    , m_reportPath(std::move(reportPath))
    , m_until(until)
{}

bool StartupProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Timer) {
        if (m_firstPaintNs != 0 && m_tickNs == 0 && watched->objectName() == kHandOverTimer)
            m_tickNs = monotonicNs();
        return false;
    }
    if (event->type() != QEvent::Paint || !watched->isWidgetType() || m_pendingWindow)
        return false;

    QWidget *window = static_cast<QWidget *>(watched)->window();
    const bool awaited = m_firstPaintNs == 0 || (m_tickNs != 0 && window != m_firstWindow);
    if (!awaited)
        return false;
    // A paint event opens a pass that paints the window's widgets and flushes them to the
    // screen; a queued call runs once that pass is over, when the user sees the window.
    m_pendingWindow = window;
    QMetaObject::invokeMethod(
        this, [this, window] { painted(window); }, Qt::QueuedConnection);
    return false;
}

void StartupProbe::painted(QWidget *window)
{
    m_pendingWindow = nullptr;
    if (m_firstPaintNs == 0) {
        m_firstPaintNs = monotonicNs();
        m_firstPaintRssKb = peakResidentKb();
        m_firstWindow = window;
        if (m_until == Until::FirstPaint)
            report();
        return;
    }
    m_handOverPaintNs = monotonicNs();
    report();
}

void StartupProbe::report()
{
    QFile file(m_reportPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        file.write(QStringLiteral("first_paint_ns=%1\nfirst_paint_peak_rss_kb=%2\ntick_ns=%3\n"
                                  "hand_over_paint_ns=%4\npeak_rss_kb=%5\n")
                       .arg(m_firstPaintNs)
                       .arg(m_firstPaintRssKb)
                       .arg(m_tickNs)
                       .arg(m_handOverPaintNs)
                       .arg(peakResidentKb())
                       .toUtf8());
    }
    // exit() rather than quit(): quit() asks every window to close, and the main window asks
    // the user before it lets go.
    QCoreApplication::exit(0);
}
