#include "composer/CommonDialog.h"

#include "composer/DialogCancelled.h"
#include "platform/DialogService.h"

CommonDialog::CommonDialog(DialogService &service)
    : m_service(service)
{}

void CommonDialog::cancelled() const
{
    if (CancelError)
        throw DialogCancelled();
}

void CommonDialog::ShowColor()
{
    const std::optional<QColor> chosen = m_service.chooseColor(Color, Flags);
    if (!chosen)
        return cancelled();
    Color = *chosen;
}

void CommonDialog::ShowFont()
{
    const DialogService::FontChoice initial{FontName,      FontSize,       FontBold, FontItalic,
                                            FontUnderline, FontStrikethru, Color};
    const std::optional<DialogService::FontChoice> chosen = m_service.chooseFont(initial, Flags);
    if (!chosen)
        return cancelled();
    FontName = chosen->name;
    FontSize = chosen->size;
    FontBold = chosen->bold;
    FontItalic = chosen->italic;
    FontUnderline = chosen->underline;
    FontStrikethru = chosen->strikethru;
    Color = chosen->color;
}

void CommonDialog::ShowSave()
{
    const std::optional<QString> chosen =
        m_service.chooseSaveFileName({DialogTitle, Filter, DefaultExt, FileName, Flags});
    if (!chosen || chosen->isEmpty()) {
        // An empty name is how callers that do not ask for CancelError recognise a Cancel.
        FileName.clear();
        return cancelled();
    }
    FileName = *chosen;
}
