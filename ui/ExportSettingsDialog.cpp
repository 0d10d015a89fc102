#include "ui/ExportSettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// What the height defaults to when the user first turns to it: the plate at 4×.
constexpr int kSuggestedHeight = 324;

} // namespace

ExportSettingsDialog::ExportSettingsDialog(const ExportSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("kakidasisettei"));
    setWindowTitle(tr("書き出し設定"));

    auto *pictureBox = new QGroupBox(tr("画像の大きさ"), this);
    m_byScale = new QRadioButton(tr("倍率(&S)"), pictureBox);
    m_byScale->setObjectName(QStringLiteral("bairitu"));
    m_scale = new QDoubleSpinBox(pictureBox);
    m_scale->setObjectName(QStringLiteral("bairituti"));
    m_scale->setRange(1, ExportSettings::kLargestScale);
    m_scale->setDecimals(1);
    m_scale->setSingleStep(1);
    m_scale->setSuffix(tr(" 倍"));
    m_scale->setValue(settings.scale);
    m_byHeight = new QRadioButton(tr("高さ(&H)"), pictureBox);
    m_byHeight->setObjectName(QStringLiteral("takasa"));
    m_height = new QSpinBox(pictureBox);
    m_height->setObjectName(QStringLiteral("takasati"));
    m_height->setRange(ExportSettings::kSmallestHeight, ExportSettings::kLargestHeight);
    m_height->setSuffix(tr(" ピクセル"));
    m_height->setValue(settings.height > 0 ? settings.height : kSuggestedHeight);
    (settings.height > 0 ? m_byHeight : m_byScale)->setChecked(true);
    m_scale->setEnabled(m_byScale->isChecked());
    m_height->setEnabled(m_byHeight->isChecked());
    connect(m_byScale, &QRadioButton::toggled, m_scale, &QWidget::setEnabled);
    connect(m_byHeight, &QRadioButton::toggled, m_height, &QWidget::setEnabled);
    auto *pictureForm = new QFormLayout(pictureBox);
    pictureForm->addRow(m_byScale, m_scale);
    pictureForm->addRow(m_byHeight, m_height);

    auto *sheetBox = new QGroupBox(tr("印刷用シート (PDF)"), this);
    m_paper = new QComboBox(sheetBox);
    m_paper->setObjectName(QStringLiteral("yousi"));
    m_paper->addItem(QStringLiteral("A4"), int(ExportSettings::Paper::A4));
    m_paper->addItem(QStringLiteral("B5 (JIS)"), int(ExportSettings::Paper::B5));
    m_paper->setCurrentIndex(m_paper->findData(int(settings.paper)));
    m_frameWidth = new QDoubleSpinBox(sheetBox);
    m_frameWidth->setObjectName(QStringLiteral("komahaba"));
    m_frameWidth->setRange(ExportSettings::kSmallestFrameMillimetres,
                           ExportSettings::kLargestFrameMillimetres);
    m_frameWidth->setDecimals(1);
    m_frameWidth->setSingleStep(0.5);
    m_frameWidth->setSuffix(QStringLiteral(" mm"));
    m_frameWidth->setValue(settings.frameMillimetres);
    auto *sheetForm = new QFormLayout(sheetBox);
    sheetForm->addRow(tr("用紙(&P)"), m_paper);
    sheetForm->addRow(tr("1コマの印刷幅(&W)"), m_frameWidth);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pictureBox);
    layout->addWidget(sheetBox);
    layout->addWidget(buttons);
}

ExportSettings ExportSettingsDialog::settings() const
{
    ExportSettings chosen = m_settings;
    chosen.scale = m_scale->value();
    chosen.height = m_byHeight->isChecked() ? m_height->value() : 0;
    chosen.paper = ExportSettings::Paper(m_paper->currentData().toInt());
    chosen.frameMillimetres = m_frameWidth->value();
    return chosen;
}
