#pragma once

class CommonDialog;
class SignTextBox;

// The sign font command: the font dialog opens on the box's face, size, style and text colour,
// and OK gives the box all of them back as chosen. Cancel, or anything failing once the dialog
// is armed, ends the command quietly; what was already written stays.
class FontCommand
{
public:
    explicit FontCommand(CommonDialog &dialog);

    void run(SignTextBox &box);

private:
    CommonDialog &m_dialog;
};
