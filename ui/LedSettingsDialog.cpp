#include "ui/LedSettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace {

QSpinBox *spinBox(const char *name, int least, int most, int value, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(least, most);
    box->setValue(value);
    return box;
}

} // namespace

LedSettingsDialog::LedSettingsDialog(const LedSettings &settings, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLed"));
    setWindowTitle(tr("LED の設定"));
    const LedSettings s = settings.bounded();

    m_grid = new QComboBox(this);
    m_grid->setObjectName(QStringLiteral("ledGrid"));
    m_grid->addItems({tr("側面（128 × 32）"), tr("前面（16 段か 24 段）"), tr("自由な大きさ")});
    m_grid->setCurrentIndex(int(s.grid));
    m_columns =
        spinBox("ledColumns", LedSettings::kMinColumns, LedSettings::kMaxColumns, s.columns, this);
    m_rows = spinBox("ledRows", LedSettings::kMinRows, LedSettings::kMaxRows, s.rows, this);
    m_colours = new QComboBox(this);
    m_colours->setObjectName(QStringLiteral("ledColours"));
    m_colours->addItems({tr("単色（アンバー）"), tr("3 色（赤・黄緑・橙）"), tr("フルカラー")});
    m_colours->setCurrentIndex(int(s.colours));
    m_dotSize = spinBox("ledDotSize", 1, LedSettings::kMaxDotSize, s.dotSize, this);
    m_dotSize->setSuffix(QStringLiteral(" px"));
    m_gap = spinBox("ledGap", 0, LedSettings::kMaxGap, s.gap, this);
    m_gap->setSuffix(QStringLiteral(" px"));
    m_glow = spinBox("ledGlow", 0, 100, s.glow, this);
    m_glow->setSuffix(QStringLiteral(" %"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *form = new QFormLayout(this);
    form->addRow(tr("表示器(&G):"), m_grid);
    form->addRow(tr("横のドット数(&W):"), m_columns);
    form->addRow(tr("縦のドット数(&H):"), m_rows);
    form->addRow(tr("色(&C):"), m_colours);
    form->addRow(tr("ドットの大きさ(&D):"), m_dotSize);
    form->addRow(tr("ドットの間隔(&S):"), m_gap);
    form->addRow(tr("光のにじみ(&L):"), m_glow);
    form->addRow(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_grid, &QComboBox::currentIndexChanged, this, &LedSettingsDialog::limitToGrid);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    limitToGrid();
}

void LedSettingsDialog::limitToGrid()
{
    const auto grid = LedGrid(m_grid->currentIndex());
    m_columns->setEnabled(grid != LedGrid::Side);
    m_rows->setEnabled(grid != LedGrid::Side);
    if (grid == LedGrid::Front) {
        m_rows->setRange(16, 24);
        m_rows->setSingleStep(8);
        m_rows->setValue(m_rows->value() >= 20 ? 24 : 16);
    } else {
        m_rows->setRange(LedSettings::kMinRows, LedSettings::kMaxRows);
        m_rows->setSingleStep(1);
    }
}

LedSettings LedSettingsDialog::settings() const
{
    LedSettings s;
    s.grid = LedGrid(m_grid->currentIndex());
    s.columns = m_columns->value();
    s.rows = m_rows->value();
    s.colours = LedColours(m_colours->currentIndex());
    s.dotSize = m_dotSize->value();
    s.gap = m_gap->value();
    s.glow = m_glow->value();
    return s;
}
