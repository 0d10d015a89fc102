#include "apps/cli/TerminalProgress.h"

#include <QString>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int kBarWidth = 30;
constexpr qint64 kQuietMs = 1000;

} // namespace

TerminalProgress::TerminalProgress(QTextStream &err, bool shown, Count count)
    : m_err(err)
    , m_shown(shown)
    , m_count(count)
{
    m_clock.start();
}

void TerminalProgress::update(qint64 done, qint64 total)
{
    if (m_shown && m_clock.elapsed() >= kQuietMs)
        draw(done, total);
}

void TerminalProgress::finish(qint64 done, qint64 total)
{
    if (m_line.isEmpty())
        return;
    draw(done, total);
    m_err << Qt::endl;
}

void TerminalProgress::draw(qint64 done, qint64 total)
{
    done = std::clamp<qint64>(done, 0, std::max<qint64>(total, 0));
    const int filled = total > 0 ? int(done * kBarWidth / total) : 0;
    QString line = u'[' + QString(filled, u'#') + QString(kBarWidth - filled, u'.') + "] ";
    if (m_count == Count::Files)
        line += QStringLiteral("%1/%2").arg(done).arg(total);
    else if (total > 0)
        line += QString::number(done * 100 / total).rightJustified(3) + u'%';
    if (line == m_line)
        return;
    m_err << '\r' << line << Qt::flush;
    m_line = line;
}
