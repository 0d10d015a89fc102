#include "composer/FontCommand.h"

#include "composer/CommonDialog.h"
#include "composer/SignTextBox.h"

#include <exception>

namespace {
// Screen and printer fonts, with the effects section: strikeout, underline and text colour.
constexpr qint32 kFontFlags = 0x1 | 0x2 | 0x100;
} // namespace

FontCommand::FontCommand(CommonDialog &dialog)
    : m_dialog(dialog)
{}

void FontCommand::run(SignTextBox &box)
{
    m_dialog.CancelError = true;
    try {
        m_dialog.Flags = kFontFlags;
        m_dialog.FontName = box.FontName();
        m_dialog.FontSize = box.FontSize();
        m_dialog.FontBold = box.FontBold();
        m_dialog.FontItalic = box.FontItalic();
        m_dialog.FontUnderline = box.FontUnderline();
        m_dialog.FontStrikethru = box.FontStrikethru();
        m_dialog.Color = box.ForeColor();
        m_dialog.ShowFont();
        box.setFontName(m_dialog.FontName);
        box.setFontSize(m_dialog.FontSize);
        box.setFontBold(m_dialog.FontBold);
        box.setFontItalic(m_dialog.FontItalic);
        box.setFontUnderline(m_dialog.FontUnderline);
        box.setFontStrikethru(m_dialog.FontStrikethru);
        box.setForeColor(m_dialog.Color);
    } catch (const std::exception &) {
        // Cancel is reported as an exception; neither it nor a failure is worth a message.
    }
}
