#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <array>

// The two ways the plate is laid out: one sign name across it, or a small service-type plate
// beside the destination.
enum class SignLayout { SignName, TypeAndDestination };

// The four lines typed onto the plate, in the order they are first reached with Tab.
enum class SignLine {
    Main,             // the sign name, or the service type beside the destination
    English,          // the English line beneath it
    Destination,      // the destination, shown beside the service type only
    DestinationSmall, // the destination's small line
};
inline constexpr std::array kSignLines{SignLine::Main, SignLine::English, SignLine::Destination,
                                       SignLine::DestinationSmall};

// The languages an LED panel pages through after Japanese and English, as panels in large cities
// do: Chinese in simplified characters, then Korean. The plate is bilingual and shows neither.
enum class PanelLanguage { Chinese, Korean };
inline constexpr std::array kPanelLanguages{PanelLanguage::Chinese, PanelLanguage::Korean};
// The lines that have a Chinese and a Korean line: the sign name, or in the type layout the
// service type (both SignLine::Main), and the destination. English lines have none.
inline constexpr std::array kTranslatedLines{SignLine::Main, SignLine::Destination};

// A frame's lines in one PanelLanguage; empty where the frame has none.
struct Translation
{
    QString main; // the sign name, or the service type
    QString destination;

    bool operator==(const Translation &) const = default;
};

// One frame (コマ) of a roll: everything that decides what its plate looks like.
struct Frame
{
    Frame();

    // The most characters (UTF-16 units) a line of the sign holds: more than any real sign, and
    // few enough that every line draws at once.
    static constexpr qsizetype kMaxLineLength = 1000;

    SignLayout layout = SignLayout::SignName;
    std::array<QString, 4> texts;
    QColor mainColour;
    QColor englishColour;
    // The English line's band as shown, and the band the sign-name layout brings back: the
    // type layout paints the band black while the chosen colour waits.
    QColor englishBand;
    QColor signNameBand;
    QFont mainFont;
    // The service type's plate, left of the separator, in the type layout.
    QColor typePlate;
    // 均等割り付け (see spreadsLine).
    bool justify = false;
    // The frame's name in the roll; empty while it goes by its texts (see displayName).
    QString name;
    // Its lines in each PanelLanguage, in that order, for the LED panel's pages.
    std::array<Translation, 2> translations;

    const QString &text(SignLine line) const { return texts[std::size_t(line)]; }
    QString &text(SignLine line) { return texts[std::size_t(line)]; }
    // A line of kTranslatedLines in language; any other line reads as its sign name's.
    const QString &translation(PanelLanguage language, SignLine line) const;
    QString &translation(PanelLanguage language, SignLine line);

    // What a frame with no name of its own goes by: its sign name, or in the type layout its
    // service type and destination (快速 高尾), since the type alone names many frames.
    QString automaticName() const;
    QString displayName() const { return name.isEmpty() ? automaticName() : name; }

    bool operator==(const Frame &) const = default;
};

// A text's characters as a reader counts them: が, a letter with its accents, a family of
// joined emoji are one each.
QStringList charactersOf(const QString &text);

// 均等割り付け spreads a name of two to four characters across its line (前　橋): the sign
// name, or in the type layout the service type and the destination. Whether it spreads this
// line of the frame:
bool spreadsLine(const Frame &frame, SignLine line);
// Whether it would spread any line of the frame, were it on.
bool canSpread(const Frame &frame);

// Whether the frame has a page in language: a line of it that the frame's layout shows (the sign
// name; or the service type and the destination) holds more than spaces.
bool hasLanguage(const Frame &frame, PanelLanguage language);
