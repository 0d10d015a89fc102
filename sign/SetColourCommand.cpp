#include "sign/SetColourCommand.h"

#include "sign/SignDocument.h"

namespace {

Frame recoloured(Frame frame, SetColourCommand::Target target, const QColor &colour)
{
    switch (target) {
    case SetColourCommand::Target::MainText:
        frame.mainColour = colour;
        break;
    case SetColourCommand::Target::EnglishText:
        frame.englishColour = colour;
        break;
    case SetColourCommand::Target::EnglishBand:
        frame.englishBand = colour;
        frame.signNameBand = colour;
        break;
    }
    return frame;
}

QString describe(SetColourCommand::Target target)
{
    switch (target) {
    case SetColourCommand::Target::MainText:
        return QStringLiteral("文字色の変更");
    case SetColourCommand::Target::EnglishText:
        return QStringLiteral("英字文字色の変更");
    case SetColourCommand::Target::EnglishBand:
        break;
    }
    return QStringLiteral("英表示背景色の変更");
}

} // namespace

SetColourCommand::SetColourCommand(SignDocument &document, Target target, const QColor &colour)
    : FrameCommand(document, document.currentIndex(),
                   recoloured(document.currentFrame(), target, colour), describe(target))
{}
