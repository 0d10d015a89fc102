#include "composer/ColourCommand.h"

#include "composer/CommonDialog.h"

#include <exception>

namespace {
constexpr qint32 kStartWithColor = 0x1;
}

ColourCommand::ColourCommand(CommonDialog &dialog)
    : m_dialog(dialog)
{}

void ColourCommand::run(std::initializer_list<Target> targets)
{
    // Left set afterwards on purpose: the save dialog of the same object inherits both.
    m_dialog.CancelError = true;
    try {
        m_dialog.Flags = kStartWithColor;
        m_dialog.ShowColor();
        for (const Target &assign : targets)
            assign(m_dialog.Color);
    } catch (const std::exception &) {
        // Cancel is reported as an exception; neither it nor a failure is worth a message.
    }
}
