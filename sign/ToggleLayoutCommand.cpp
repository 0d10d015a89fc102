#include "sign/ToggleLayoutCommand.h"

#include "sign/FrameRules.h"
#include "sign/SignDocument.h"

#include <QCoreApplication>

ToggleLayoutCommand::ToggleLayoutCommand(SignDocument &document)
    : FrameCommand(document, document.currentIndex(),
                   QCoreApplication::translate("SignDocument", "レイアウトの切り替え"),
                   toggleLayout)
    , m_restoredBefore(document.signNameRestored())
    , m_restoredAfter(m_restoredBefore || m_after.layout == SignLayout::SignName)
{}

void ToggleLayoutCommand::redo()
{
    m_document.setSignNameRestored({}, m_restoredAfter);
    FrameCommand::redo();
}

void ToggleLayoutCommand::undo()
{
    m_document.setSignNameRestored({}, m_restoredBefore);
    FrameCommand::undo();
}
