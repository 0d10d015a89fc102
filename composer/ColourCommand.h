#pragma once

#include <QColor>

#include <functional>
#include <initializer_list>

class CommonDialog;

// One press of a colour button: the colour dialog of the shared dialog object opens on the
// colour chosen last in any colour command, and OK hands the choice to each target in turn.
// Cancel, or anything failing once the dialog is armed, ends the command quietly; targets
// already given the colour keep it.
class ColourCommand
{
public:
    using Target = std::function<void(const QColor &)>;

    explicit ColourCommand(CommonDialog &dialog);

    void run(std::initializer_list<Target> targets);

private:
    CommonDialog &m_dialog;
};
