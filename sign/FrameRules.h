#pragma once

#include "sign/Frame.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <array>

// Every edit of a frame, written once: the document's undo commands, the rows of a table and the
// tests all change frames through these, so a frame made any way holds the same fields.

// What a colour button recolours.
enum class ColourTarget { MainText, EnglishText, EnglishBand };

// The other layout. The main line takes the new layout's size, whatever the font dialog chose; the
// English band shows black in the type layout and the sign-name layout's own band again on the
// way back. Texts, colours and the face stay.
void toggleLayout(Frame &frame);
// The layout given: toggled there where the frame is in the other.
void setLayout(Frame &frame, SignLayout layout);

// A text colour, or the English band. The band is the sign-name layout's: the type layout's band
// stays black, and the colour chosen there waits for the way back.
void setColour(Frame &frame, ColourTarget target, const QColor &colour);

// The font dialog's choice for the main line: face, size, style and its text colour.
void setMainFont(Frame &frame, const QFont &font, const QColor &colour);

// A service-type preset: the type plate's colour and the text colour of the type and its
// English line.
void applyServiceType(Frame &frame, const QColor &plate, const QColor &text);

// 均等割り付け on or off. Turned on where no line can spread (see canSpread), it stays off.
void setJustify(Frame &frame, bool on);

// A line's text, its Chinese or Korean line, the frame's name: each cut at
// Frame::kMaxLineLength, never between the halves of a surrogate pair, as the line edit cuts a
// paste.
void setLineText(Frame &frame, SignLine line, const QString &text);
void setTranslation(Frame &frame, PanelLanguage language, SignLine line, const QString &text);
void setTranslations(Frame &frame, const std::array<Translation, 2> &translations);
// An empty name lets the frame go by its texts again.
void setName(Frame &frame, const QString &name);
