#include "apps/cli/FileNamePattern.h"

#include <QRegularExpression>

namespace {

const QRegularExpression &placeholder()
{
    static const QRegularExpression pattern(QStringLiteral("\\{([^{}]*)\\}"));
    return pattern;
}

const QRegularExpression &numberPlaceholder()
{
    static const QRegularExpression pattern(QStringLiteral("^n(?::0?([1-9]))?$"));
    return pattern;
}

// Room for the number and the extension within the 255 bytes most file systems take, with
// Japanese names at three bytes a character.
constexpr qsizetype kLongestName = 60;

} // namespace

FileNamePattern::FileNamePattern(const QString &pattern)
    : m_pattern(pattern)
{
    if (pattern.isEmpty() || pattern.contains(u'/') || pattern.contains(u'\\')) {
        m_problem = tr("--name のパターン「%1」はファイル名にしてください"
                       "（フォルダは含められません）。")
                        .arg(pattern);
        return;
    }
    for (QRegularExpressionMatchIterator it = placeholder().globalMatch(pattern); it.hasNext();) {
        const QString inside = it.next().captured(1);
        if (inside != QLatin1String("name") && !numberPlaceholder().match(inside).hasMatch()) {
            m_problem = tr("--name のパターンの {%1} は使えません。"
                           "使えるのは {n}、{n:03}、{name} です。")
                            .arg(inside);
            return;
        }
    }
}

QString FileNamePattern::fileName(int number, const QString &name) const
{
    QString out;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = placeholder().globalMatch(m_pattern); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        out += m_pattern.mid(from, match.capturedStart() - from);
        from = match.capturedEnd();
        const QString inside = match.captured(1);
        if (inside == QLatin1String("name")) {
            out += safe(name);
            continue;
        }
        const QRegularExpressionMatch digits = numberPlaceholder().match(inside);
        const int width = digits.captured(1).isEmpty() ? 0 : digits.captured(1).toInt();
        out += QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
    }
    return out + m_pattern.mid(from);
}

QString FileNamePattern::safe(const QString &name)
{
    QString out;
    for (const QChar c : name) {
        const bool refused = c.unicode() < 0x20 || c == QChar(0x7F) ||
                             QStringLiteral("/\\:*?\"<>|").contains(c) ||
                             c.category() == QChar::Other_Format;
        out += refused ? QChar(u'_') : c;
    }
    // A name of dots would climb folders; a leading dot hides the file; Windows drops
    // trailing dots and spaces.
    while (out.startsWith(u'.') || out.startsWith(u' '))
        out.remove(0, 1);
    out.truncate(kLongestName);
    if (!out.isEmpty() && out.back().isHighSurrogate())
        out.chop(1);
    while (out.endsWith(u'.') || out.endsWith(u' '))
        out.chop(1);
    return out.isEmpty() ? QStringLiteral("_") : out;
}
