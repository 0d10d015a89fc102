#include "ui/FontColorDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QSize kSwatchSize(48, 20);
}

FontColorDialog::FontColorDialog(const QFont &font, const QColor &color, bool offerColor,
                                 QWidget *parent)
    : QDialog(parent)
    , m_requested(font)
    , m_color(color)
{
    setWindowTitle(tr("フォント"));

    // The chooser's lists only hold installed families; given a name they lack, they would
    // settle on an unrelated face.
    m_shownFamily =
        QFontDatabase::hasFamily(font.family()) ? font.family() : QFontInfo(font).family();
    QFont shown = font;
    shown.setFamily(m_shownFamily);
    // The chooser looks for the style under the name Qt's catalogue gives it ("太字") in a list
    // of the names the fonts give them ("Bold"), and settles on the first when it misses. The
    // face that really draws the font names its own style.
    shown.setStyleName(QFontInfo(shown).styleName());

    m_fontChooser = new QFontDialog(this);
    m_fontChooser->setWindowFlags(Qt::Widget);
    m_fontChooser->setSizeGripEnabled(false);
    m_fontChooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fontChooser->setCurrentFont(shown);
    m_shown = m_fontChooser->currentFont();
    // The embedded chooser still answers Enter in its lists and Escape as a dialog would.
    connect(m_fontChooser, &QDialog::accepted, this, &QDialog::accept);
    connect(m_fontChooser, &QDialog::rejected, this, &QDialog::reject);

    auto *colorRow = new QWidget(this);
    auto *colorLayout = new QHBoxLayout(colorRow);
    colorLayout->setContentsMargins(0, 0, 0, 0);
    auto *colorLabel = new QLabel(tr("文字色:"), colorRow);
    m_colorSwatch = new QLabel(colorRow);
    m_colorSwatch->setFixedSize(kSwatchSize);
    m_colorSwatch->setFrameShape(QFrame::Box);
    m_colorSwatch->setAutoFillBackground(true);
    m_colorButton = new QPushButton(tr("色の選択(&C)..."), colorRow);
    colorLayout->addWidget(colorLabel);
    colorLayout->addWidget(m_colorSwatch);
    colorLayout->addWidget(m_colorButton);
    colorLayout->addStretch();
    colorRow->setVisible(offerColor);
    connect(m_colorButton, &QPushButton::clicked, this, &FontColorDialog::chooseColor);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fontChooser);
    layout->addWidget(colorRow);
    layout->addWidget(buttons);

    setSelectedColor(color);
}

QFont FontColorDialog::selectedFont() const
{
    const QFont current = m_fontChooser->currentFont();
    // The chooser knows whole sizes only and the styles a face has, so a fractional size or a
    // slanted bold drawn by a face without one cannot be shown; left as shown, they come back
    // as they were asked for.
    const QFont &size = current.pointSize() == m_shown.pointSize() ? m_requested : current;
    const bool styleKept =
        current.weight() == m_shown.weight() && current.italic() == m_shown.italic();
    const QFont &style = styleKept ? m_requested : current;
    // Weight and slant alone define the style: a style name would outweigh any later change
    // of either.
    QFont chosen(current.family() == m_shownFamily ? m_requested.family() : current.family());
    chosen.setPointSizeF(size.pointSizeF());
    chosen.setWeight(style.weight());
    chosen.setItalic(style.italic());
    chosen.setUnderline(current.underline());
    chosen.setStrikeOut(current.strikeOut());
    return chosen;
}

void FontColorDialog::setSelectedColor(const QColor &color)
{
    m_color = color;
    QPalette p = m_colorSwatch->palette();
    p.setColor(QPalette::Window, color);
    m_colorSwatch->setPalette(p);
    m_colorSwatch->setToolTip(color.name(QColor::HexRgb).toUpper());
}

void FontColorDialog::chooseColor()
{
    QColorDialog dialog(m_color, this);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted)
        setSelectedColor(dialog.selectedColor());
}
