#include "ui/DialogMemory.h"

std::optional<QColor> DialogMemory::chooseColour(DialogService &dialogs)
{
    m_colourDialogShown = true;
    const std::optional<QColor> chosen = dialogs.chooseColour({m_lastColour});
    if (chosen)
        m_lastColour = *chosen;
    return chosen;
}

DialogService::ReadOnlyBox DialogMemory::pictureSaveReadOnlyBox() const
{
    return m_colourDialogShown ? DialogService::ReadOnlyBox::Ticked
                               : DialogService::ReadOnlyBox::Hidden;
}
