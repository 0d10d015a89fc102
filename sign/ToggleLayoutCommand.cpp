#include "sign/ToggleLayoutCommand.h"

#include "sign/PlateGeometry.h"
#include "sign/SignDocument.h"

namespace {

Frame toggled(Frame frame)
{
    frame.layout = frame.layout == SignLayout::SignName ? SignLayout::TypeAndDestination
                                                        : SignLayout::SignName;
    frame.mainFont.setPointSizeF(layoutTable(frame.layout).mainPointSize);
    frame.englishBand = frame.layout == SignLayout::SignName ? frame.signNameBand : Qt::black;
    return frame;
}

} // namespace

ToggleLayoutCommand::ToggleLayoutCommand(SignDocument &document)
    : FrameCommand(document, document.currentIndex(), toggled(document.currentFrame()),
                   QStringLiteral("レイアウトの切り替え"))
    , m_restoredBefore(document.signNameRestored())
    , m_restoredAfter(m_restoredBefore || m_after.layout == SignLayout::SignName)
{}

void ToggleLayoutCommand::redo()
{
    m_document.setSignNameRestored(m_restoredAfter);
    FrameCommand::redo();
}

void ToggleLayoutCommand::undo()
{
    m_document.setSignNameRestored(m_restoredBefore);
    FrameCommand::undo();
}
