#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>

class QWidget;

// Watches a process's windows through an application-wide event filter and writes, for the
// benchmark driver, the moments they were painted. It changes nothing the program does: it
// only looks at events on their way and ends the process once it has what it came for.
class StartupProbe : public QObject
{
    Q_OBJECT

public:
    enum class Until {
        // The first window has painted: the start-up figure.
        FirstPaint,
        // The splash's timer has ticked and the window it hands over to has painted.
        HandOver,
    };

    StartupProbe(QString reportPath, Until until, QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void painted(QWidget *window);
    void report();

    QString m_reportPath;
    Until m_until;
    QPointer<QWidget> m_firstWindow;
    QPointer<QWidget> m_pendingWindow;
    std::int64_t m_firstPaintNs = 0;
    long long m_firstPaintRssKb = 0;
    std::int64_t m_tickNs = 0;
    std::int64_t m_handOverPaintNs = 0;
};
