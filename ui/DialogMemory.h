#pragma once

#include "platform/DialogService.h"

#include <QColor>

#include <optional>

// What the window's dialogs carry from one opening to the next, exactly as far as a user sees
// it: the colour dialog opens on the last colour chosen in any of the colour commands (black
// before the first), and once a colour dialog has been shown, cancelled or not, the picture save
// dialog shows its read-only box ticked instead of hiding it. Nothing else carries over.
class DialogMemory
{
public:
    // Shows the colour dialog for a colour command.
    std::optional<QColor> chooseColour(DialogService &dialogs);
    // For the save dialog of the plate's and the destination's pictures.
    DialogService::ReadOnlyBox pictureSaveReadOnlyBox() const;

private:
    QColor m_lastColour = Qt::black;
    bool m_colourDialogShown = false;
};
