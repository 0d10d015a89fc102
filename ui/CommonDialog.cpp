#include "ui/CommonDialog.h"

#include "platform/DialogService.h"

CommonDialog::CommonDialog(DialogService &service)
    : m_service(service)
{}

bool CommonDialog::ShowColor()
{
    const std::optional<QColor> chosen = m_service.chooseColor(Color, Flags);
    if (!chosen)
        return false;
    Color = *chosen;
    return true;
}

bool CommonDialog::ShowFont()
{
    const DialogService::FontChoice initial{FontName,      FontSize,       FontBold, FontItalic,
                                            FontUnderline, FontStrikethru, Color};
    const std::optional<DialogService::FontChoice> chosen = m_service.chooseFont(initial, Flags);
    if (!chosen)
        return false;
    FontName = chosen->name;
    FontSize = chosen->size;
    FontBold = chosen->bold;
    FontItalic = chosen->italic;
    FontUnderline = chosen->underline;
    FontStrikethru = chosen->strikethru;
    Color = chosen->color;
    return true;
}

bool CommonDialog::ShowSave()
{
    const std::optional<QString> chosen =
        m_service.chooseSaveFileName({DialogTitle, Filter, DefaultExt, FileName, Flags});
    if (!chosen || chosen->isEmpty()) {
        // The next save dialog starts from an empty name, whatever this one was given.
        FileName.clear();
        return false;
    }
    FileName = *chosen;
    return true;
}
