#pragma once

#include "sign/Frame.h"
#include "ui/TwipsControl.h"

#include <QCoreApplication>
#include <QLineEdit>

// One line of the sign, typed straight onto the plate: borderless, centred, holding at most a
// line's most characters (Frame::kMaxLineLength). While the user edits it, it shows itself as a
// text box, with the caret, selection and input method's text; otherwise it shows what the plate
// painter draws for it, so the screen and the pictures never disagree.
class SignLineEdit : public TwipsControl<QLineEdit>
{
    Q_DECLARE_TR_FUNCTIONS(SignLineEdit)

public:
    SignLineEdit(SignLine line, QWidget *parent = nullptr);

    SignLine line() const { return m_line; }
    // Shown as a tip under the line when typing or pasting reaches its most characters.
    static QString lengthLimitNotice();

    // Takes this line's place, font, colours and text from the frame. The text is set only when
    // it differs, so the caret stays where the user left it while typing.
    void showFrame(const Frame &frame);
    // Over the LED panel a line edit shows nothing until it is typed into.
    void setOverLed(bool overLed);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool beingEdited() const;

    SignLine m_line;
    Frame m_frame;
    bool m_overLed = false;
};
