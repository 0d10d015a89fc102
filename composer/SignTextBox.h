#pragma once

#include "composer/TwipsControl.h"

#include <QColor>
#include <QLineEdit>

// One line of the sign typed straight onto the plate: borderless, centred, no length limit,
// with its own background and text colour.
class SignTextBox : public TwipsControl<QLineEdit>
{
public:
    SignTextBox(const TwipRect &rect, const QString &text, QWidget *parent = nullptr);

    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &color);
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor &color);

    QString FontName() const { return font().family(); }
    void setFontName(const QString &name);
    float FontSize() const { return float(font().pointSizeF()); }
    void setFontSize(float points);
    bool FontBold() const { return font().bold(); }
    void setFontBold(bool on);
    bool FontItalic() const { return font().italic(); }
    void setFontItalic(bool on);
    bool FontUnderline() const { return font().underline(); }
    void setFontUnderline(bool on);
    bool FontStrikethru() const { return font().strikeOut(); }
    void setFontStrikethru(bool on);

private:
    void applyColors();

    QColor m_backColor = Qt::white;
    QColor m_foreColor = Qt::black;
};
