#include "ui/ColourAndFontCommands.h"

#include "platform/DialogService.h"
#include "sign/SignDocument.h"
#include "ui/DialogMemory.h"

ColourAndFontCommands::ColourAndFontCommands(SignDocument &document, DialogService &dialogs,
                                             DialogMemory &dialogMemory, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_dialogs(dialogs)
    , m_dialogMemory(dialogMemory)
{}

std::optional<QColor> ColourAndFontCommands::chooseColour()
{
    return m_dialogMemory.chooseColour(m_dialogs);
}

void ColourAndFontCommands::changeMainColour()
{
    if (const std::optional<QColor> colour = chooseColour())
        m_document.editMainColour(*colour);
}

void ColourAndFontCommands::changeEnglishColour()
{
    if (const std::optional<QColor> colour = chooseColour())
        m_document.editEnglishColour(*colour);
}

void ColourAndFontCommands::changeEnglishBand()
{
    if (const std::optional<QColor> colour = chooseColour())
        m_document.editEnglishBand(*colour);
}

void ColourAndFontCommands::changeMainFont()
{
    const Frame &frame = m_document.currentFrame();
    const QFont &current = frame.mainFont;
    const DialogService::FontChoice initial{
        current.family(),    float(current.pointSizeF()), current.bold(),  current.italic(),
        current.underline(), current.strikeOut(),         frame.mainColour};
    const std::optional<DialogService::FontChoice> chosen = m_dialogs.chooseFont({initial, true});
    if (!chosen)
        return;
    QFont font = frame.mainFont;
    font.setFamily(chosen->family);
    // Qt takes no size of 0 or less; the dialog never gives one, a script might.
    if (chosen->pointSize > 0)
        font.setPointSizeF(chosen->pointSize);
    font.setBold(chosen->bold);
    font.setItalic(chosen->italic);
    font.setUnderline(chosen->underline);
    font.setStrikeOut(chosen->strikeOut);
    m_document.editMainFont(font, chosen->colour);
}
