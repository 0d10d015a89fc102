#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QtGlobal>

class QTextStream;

// The progress bar quintelo-render draws on a terminal for work that lasts: nothing in the first
// second, when most outputs are done already, then one line redrawn in place.
class TerminalProgress
{
public:
    // Files: the bar counts files as done/total; Steps: it shows how far along as a percentage.
    enum class Count { Files, Steps };

    // shown: whether the stream is a terminal that asked to see progress.
    TerminalProgress(QTextStream &err, bool shown, Count count);

    void update(qint64 done, qint64 total);
    // Ends the bar's line, if it was drawn, so that what follows starts on a line of its own.
    void finish(qint64 done, qint64 total);

private:
    void draw(qint64 done, qint64 total);

    QTextStream &m_err;
    bool m_shown;
    Count m_count;
    QElapsedTimer m_clock;
    QString m_line; // as last drawn; empty until it is
};
