#include "sign/SetFontCommand.h"

#include "sign/SignDocument.h"

namespace {

Frame refonted(Frame frame, const QFont &font, const QColor &colour)
{
    frame.mainFont = font;
    frame.mainColour = colour;
    return frame;
}

} // namespace

SetFontCommand::SetFontCommand(SignDocument &document, const QFont &font, const QColor &colour)
    : FrameCommand(document, document.currentIndex(),
                   refonted(document.currentFrame(), font, colour),
                   QStringLiteral("フォントの変更"))
{}
