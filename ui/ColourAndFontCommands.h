#pragma once

#include <QColor>
#include <QObject>

#include <optional>

class DialogMemory;
class DialogService;
class SignDocument;

// The buttons that recolour the sign text, the English text and the English band, and the one
// that changes the sign font. Each opens its dialog and changes the current frame on OK, through
// the document's undo history; Cancel changes nothing.
class ColourAndFontCommands : public QObject
{
public:
    ColourAndFontCommands(SignDocument &document, DialogService &dialogs,
                          DialogMemory &dialogMemory, QObject *parent = nullptr);

    void changeMainColour();
    void changeEnglishColour();
    void changeEnglishBand();
    // The font dialog opens on the sign text's font and colour.
    void changeMainFont();

private:
    std::optional<QColor> chooseColour();

    SignDocument &m_document;
    DialogService &m_dialogs;
    DialogMemory &m_dialogMemory;
};
