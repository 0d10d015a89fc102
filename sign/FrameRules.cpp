#include "sign/FrameRules.h"

#include "sign/PlateGeometry.h"

namespace {

// The band the English line shows: the sign-name layout's own, or black beside the service type.
void showBand(Frame &frame)
{
    frame.englishBand =
        frame.layout == SignLayout::SignName ? frame.signNameBand : QColor(Qt::black);
}

QString fitted(const QString &text)
{
    if (text.size() <= Frame::kMaxLineLength)
        return text;
    qsizetype length = Frame::kMaxLineLength;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

} // namespace

void toggleLayout(Frame &frame)
{
    frame.layout = frame.layout == SignLayout::SignName ? SignLayout::TypeAndDestination
                                                        : SignLayout::SignName;
    frame.mainFont.setPointSizeF(layoutTable(frame.layout).mainPointSize);
    showBand(frame);
}

void setLayout(Frame &frame, SignLayout layout)
{
    if (frame.layout != layout)
        toggleLayout(frame);
}

void setColour(Frame &frame, ColourTarget target, const QColor &colour)
{
    switch (target) {
    case ColourTarget::MainText:
        frame.mainColour = colour;
        return;
    case ColourTarget::EnglishText:
        frame.englishColour = colour;
        return;
    case ColourTarget::EnglishBand:
        frame.signNameBand = colour;
        showBand(frame);
        return;
    }
}

void setMainFont(Frame &frame, const QFont &font, const QColor &colour)
{
    frame.mainFont = font;
    frame.mainColour = colour;
}

void applyServiceType(Frame &frame, const QColor &plate, const QColor &text)
{
    frame.typePlate = plate;
    frame.mainColour = text;
    frame.englishColour = text;
}

void setJustify(Frame &frame, bool on)
{
    // Turned on where nothing spreads it would change nothing but the tick.
    if (!on || canSpread(frame))
        frame.justify = on;
}

void setLineText(Frame &frame, SignLine line, const QString &text)
{
    frame.text(line) = fitted(text);
}

void setTranslation(Frame &frame, PanelLanguage language, SignLine line, const QString &text)
{
    frame.translation(language, line) = fitted(text);
}

void setTranslations(Frame &frame, const std::array<Translation, 2> &translations)
{
    for (const PanelLanguage language : kPanelLanguages) {
        const Translation &lines = translations[std::size_t(language)];
        setTranslation(frame, language, SignLine::Main, lines.main);
        setTranslation(frame, language, SignLine::Destination, lines.destination);
    }
}

void setName(Frame &frame, const QString &name)
{
    frame.name = fitted(name);
}
