#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QLabel;
class QPushButton;
class QWidget;

// The font dialog the sign needs: Qt's font chooser with a text colour beside it. A face the
// system lacks under its own name (a Windows name standing in for a substitute) is shown as
// the font that really draws it, and comes back under its own name unless another face is
// picked; the chooser opens on the font's style, so OK without changes returns the font
// unchanged. The font chosen carries its weight and slant but no style name.
class FontColorDialog : public QDialog
{
    Q_OBJECT

public:
    FontColorDialog(const QFont &font, const QColor &color, bool offerColor,
                    QWidget *parent = nullptr);

    QFont selectedFont() const;
    QColor selectedColor() const { return m_color; }
    void setSelectedColor(const QColor &color);

    QFontDialog *fontChooser() const { return m_fontChooser; }
    QPushButton *colorButton() const { return m_colorButton; }
    QLabel *colorSwatch() const { return m_colorSwatch; }

    // Opens the colour dialog on the current text colour; OK there takes the new one.
    void chooseColor();

private:
    QFont m_requested;
    QString m_shownFamily;
    QFont m_shown;
    QColor m_color;
    QFontDialog *m_fontChooser = nullptr;
    QPushButton *m_colorButton = nullptr;
    QLabel *m_colorSwatch = nullptr;
};
