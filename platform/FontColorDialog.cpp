#include "platform/FontColorDialog.h"

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
    , m_requestedFamily(font.family())
    , m_color(color)
{
    setWindowTitle(QStringLiteral("フォント"));

    // The chooser's lists only hold installed families; given a name they lack, they would
    // settle on an unrelated face.
    m_shownFamily =
        QFontDatabase::hasFamily(m_requestedFamily) ? m_requestedFamily : QFontInfo(font).family();
    QFont shown = font;
    shown.setFamily(m_shownFamily);

    m_fontChooser = new QFontDialog(this);
    m_fontChooser->setWindowFlags(Qt::Widget);
    m_fontChooser->setSizeGripEnabled(false);
    m_fontChooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fontChooser->setCurrentFont(shown);
    // The embedded chooser still answers Enter in its lists and Escape as a dialog would.
    connect(m_fontChooser, &QDialog::accepted, this, &QDialog::accept);
    connect(m_fontChooser, &QDialog::rejected, this, &QDialog::reject);

    auto *colorRow = new QWidget(this);
    auto *colorLayout = new QHBoxLayout(colorRow);
    colorLayout->setContentsMargins(0, 0, 0, 0);
    auto *colorLabel = new QLabel(QStringLiteral("文字色:"), colorRow);
    m_colorSwatch = new QLabel(colorRow);
    m_colorSwatch->setFixedSize(kSwatchSize);
    m_colorSwatch->setFrameShape(QFrame::Box);
    m_colorSwatch->setAutoFillBackground(true);
    m_colorButton = new QPushButton(QStringLiteral("色の選択(&C)..."), colorRow);
    colorLayout->addWidget(colorLabel);
    colorLayout->addWidget(m_colorSwatch);
    colorLayout->addWidget(m_colorButton);
    colorLayout->addStretch();
    colorRow->setVisible(offerColor);
    connect(m_colorButton, &QPushButton::clicked, this, &FontColorDialog::chooseColor);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
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
    QFont chosen = m_fontChooser->currentFont();
    if (chosen.family() == m_shownFamily)
        chosen.setFamily(m_requestedFamily);
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
