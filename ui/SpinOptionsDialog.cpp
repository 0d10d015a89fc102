#include "ui/SpinOptionsDialog.h"

#include "ui/NumberBoxes.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

SpinOptionsDialog::SpinOptionsDialog(int frameCount, const SpinAnimation::Options &options,
                                     QWidget *parent)
    : QDialog(parent)
    , m_options(options)
{
    setObjectName(QStringLiteral("spinOptions"));
    setWindowTitle(tr("回転アニメーション"));
    m_hold = numberBox(this, "spinHold", 100, 60000, options.holdMs, tr(" ミリ秒"));
    m_hold->setSingleStep(100);
    m_steps = numberBox(this, "spinSteps", 0, 60, options.steps, tr(" 段"));
    m_alternate = numberBox(this, "spinAlternate", 100, 60000, options.alternateMs, tr(" ミリ秒"));
    m_alternate->setSingleStep(100);
    m_range =
        frameRangeBoxes(this, "spinFirst", "spinLast", frameCount, options.first, options.last);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout(this);
    form->addRow(tr("各コマを表示する時間(&H):"), m_hold);
    form->addRow(tr("次のコマへ送る段数(&S):"), m_steps);
    // An LED panel does not roll: it shows each frame's Japanese and English lines in turn.
    form->addRow(tr("LED の日本語と英語の切り替え(&A):"), m_alternate);
    form->addRow(tr("最初のコマ(&F):"), m_range.first);
    form->addRow(tr("最後のコマ(&L):"), m_range.last);
    form->addRow(buttons);
}

SpinAnimation::Options SpinOptionsDialog::options() const
{
    SpinAnimation::Options chosen = m_options;
    chosen.holdMs = m_hold->value();
    chosen.steps = m_steps->value();
    chosen.alternateMs = m_alternate->value();
    chosen.first = m_range.firstIndex();
    chosen.last = m_range.lastIndex();
    return chosen;
}
