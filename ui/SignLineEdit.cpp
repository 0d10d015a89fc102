#include "ui/SignLineEdit.h"

#include "render/PlatePainter.h"
#include "sign/PlateGeometry.h"

#include <QPainter>

#include <QToolTip>

SignLineEdit::SignLineEdit(SignLine line, QWidget *parent)
    : TwipsControl<QLineEdit>(TwipRect(), parent)
    , m_line(line)
{
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    // Typing and pasting stop at a line's most characters, and say so where the user looks.
    setMaxLength(int(Frame::kMaxLineLength));
    connect(this, &QLineEdit::inputRejected, this, [this] {
        QToolTip::showText(mapToGlobal(QPoint(0, height())), lengthLimitNotice(), this);
    });
    setAutoFillBackground(true);
}

QString SignLineEdit::lengthLimitNotice()
{
    return tr("1 行に入るのは %1 文字までです。それより後ろは入りませんでした。")
        .arg(Frame::kMaxLineLength);
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
