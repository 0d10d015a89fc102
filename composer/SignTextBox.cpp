#include "composer/SignTextBox.h"

#include <limits>

SignTextBox::SignTextBox(const TwipRect &rect, const QString &text, QWidget *parent)
    : TwipsControl<QLineEdit>(rect, text, parent)
{
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    // Sign texts have no length limit; the line edit would otherwise stop at 32767.
    setMaxLength(std::numeric_limits<int>::max());
    setAutoFillBackground(true);
    applyColors();
}

void SignTextBox::setBackColor(const QColor &color)
{
    m_backColor = color;
    applyColors();
}

void SignTextBox::setForeColor(const QColor &color)
{
    m_foreColor = color;
    applyColors();
}

void SignTextBox::applyColors()
{
    QPalette p = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, m_backColor);
        p.setColor(group, QPalette::Window, m_backColor);
        p.setColor(group, QPalette::Text, m_foreColor);
        p.setColor(group, QPalette::WindowText, m_foreColor);
    }
    setPalette(p);
}

void SignTextBox::setFontName(const QString &name)
{
    QFont f = font();
    f.setFamily(name);
    setFont(f);
}

void SignTextBox::setFontSize(float points)
{
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

void SignTextBox::setFontBold(bool on)
{
    QFont f = font();
    f.setBold(on);
    setFont(f);
}

void SignTextBox::setFontItalic(bool on)
{
    QFont f = font();
    f.setItalic(on);
    setFont(f);
}

void SignTextBox::setFontUnderline(bool on)
{
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void SignTextBox::setFontStrikethru(bool on)
{
    QFont f = font();
    f.setStrikeOut(on);
    setFont(f);
}
