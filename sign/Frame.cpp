#include "sign/Frame.h"

#include "sign/SignFonts.h"

#include <QTextBoundaryFinder>

Frame::Frame()
    : texts{QStringLiteral("幕名"), QStringLiteral("英語文字"), QStringLiteral("行き先"),
            QStringLiteral("行き先")}
    , mainColour(Qt::white)
    , englishColour(Qt::white)
    , englishBand(Qt::blue)
    , signNameBand(Qt::blue)
    , mainFont(kSignFace)
    , typePlate(Qt::black)
{
    mainFont.setPointSizeF(24);
    mainFont.setBold(true);
}

QString Frame::automaticName() const
{
    if (layout == SignLayout::SignName)
        return text(SignLine::Main);
    QStringList parts{text(SignLine::Main).simplified(), text(SignLine::Destination).simplified()};
    parts.removeAll(QString());
    return parts.join(u' ');
}

const QString &Frame::translation(PanelLanguage language, SignLine line) const
{
    const Translation &in = translations[std::size_t(language)];
    return line == SignLine::Destination ? in.destination : in.main;
}

QString &Frame::translation(PanelLanguage language, SignLine line)
{
    Translation &in = translations[std::size_t(language)];
    return line == SignLine::Destination ? in.destination : in.main;
}

bool hasLanguage(const Frame &frame, PanelLanguage language)
{
    const auto shows = [&](SignLine line) {
        return !frame.translation(language, line).trimmed().isEmpty();
    };
    return shows(SignLine::Main) ||
           (frame.layout == SignLayout::TypeAndDestination && shows(SignLine::Destination));
}

QStringList charactersOf(const QString &text)
{
    QStringList characters;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype from = 0, to = graphemes.toNextBoundary(); to > 0;
         from = to, to = graphemes.toNextBoundary())
        characters << text.mid(from, to - from);
    return characters;
}

namespace {

bool spreadable(const Frame &frame, SignLine line)
{
    const bool spreadsIn =
        line == SignLine::Main ||
        (line == SignLine::Destination && frame.layout == SignLayout::TypeAndDestination);
    const qsizetype count = charactersOf(frame.text(line)).size();
    return spreadsIn && count >= 2 && count <= 4;
}

} // namespace

bool spreadsLine(const Frame &frame, SignLine line)
{
    return frame.justify && spreadable(frame, line);
}

bool canSpread(const Frame &frame)
{
    return spreadable(frame, SignLine::Main) || spreadable(frame, SignLine::Destination);
}
