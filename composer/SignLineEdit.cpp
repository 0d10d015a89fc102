#include "composer/SignLineEdit.h"

#include "render/PlatePainter.h"
#include "sign/PlateGeometry.h"

#include <QPainter>

#include <limits>

SignLineEdit::SignLineEdit(SignLine line, QWidget *parent)
    : TwipsControl<QLineEdit>(TwipRect(), parent)
    , m_line(line)
{
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    // Sign texts have no length limit; the line edit would otherwise stop at 32767.
    setMaxLength(std::numeric_limits<int>::max());
    setAutoFillBackground(true);
}

void SignLineEdit::showFrame(const Frame &frame)
{
    m_frame = frame;
    const LineBox &box = layoutTable(frame.layout).box(m_line);
    setTwips(box.rect);
    setFont(lineFont(frame, m_line));
    QPalette p = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, lineBackground(frame, m_line));
        p.setColor(group, QPalette::Window, lineBackground(frame, m_line));
        p.setColor(group, QPalette::Text, lineForeground(frame, m_line));
        p.setColor(group, QPalette::WindowText, lineForeground(frame, m_line));
    }
    setPalette(p);
    if (text() != frame.text(m_line))
        setText(frame.text(m_line));
    setVisible(box.visible);
    update();
}

void SignLineEdit::setOverLed(bool overLed)
{
    m_overLed = overLed;
    setAutoFillBackground(!overLed);
    update();
}

bool SignLineEdit::beingEdited() const
{
    return window()->focusWidget() == this;
}

void SignLineEdit::paintEvent(QPaintEvent *event)
{
    if (beingEdited()) {
        QLineEdit::paintEvent(event);
        return;
    }
    if (m_overLed)
        return;
    QPainter painter(this);
    painter.translate(-geometry().topLeft());
    PlatePainter(m_frame).paintLine(painter, m_line);
}
