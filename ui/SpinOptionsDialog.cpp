#include "ui/SpinOptionsDialog.h"

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
    const auto spinBox = [this](const char *name, int minimum, int maximum, int value,
                                const QString &suffix = {}) {
        auto *box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(minimum, maximum);
        box->setValue(value);
        box->setSuffix(suffix);
        return box;
    };
    m_hold = spinBox("spinHold", 100, 60000, options.holdMs, tr(" ミリ秒"));
    m_hold->setSingleStep(100);
    m_steps = spinBox("spinSteps", 0, 60, options.steps, tr(" 段"));
    m_alternate = spinBox("spinAlternate", 100, 60000, options.alternateMs, tr(" ミリ秒"));
    m_alternate->setSingleStep(100);
    m_first = spinBox("spinFirst", 1, frameCount, options.first + 1, tr(" コマ目"));
    m_last = spinBox("spinLast", 1, frameCount,
                     options.last < 0 ? frameCount : std::min(options.last + 1, frameCount),
                     tr(" コマ目"));
    // The range never turns inside out: each end keeps the other within reach.
    connect(m_first, &QSpinBox::valueChanged, m_last, &QSpinBox::setMinimum);
    connect(m_last, &QSpinBox::valueChanged, m_first, &QSpinBox::setMaximum);
    m_last->setMinimum(m_first->value());
    m_first->setMaximum(m_last->value());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout(this);
    form->addRow(tr("各コマを表示する時間(&H):"), m_hold);
    form->addRow(tr("次のコマへ送る段数(&S):"), m_steps);
    // An LED panel does not roll: it shows each frame's Japanese and English lines in turn.
    form->addRow(tr("LED の日本語と英語の切り替え(&A):"), m_alternate);
    form->addRow(tr("最初のコマ(&F):"), m_first);
    form->addRow(tr("最後のコマ(&L):"), m_last);
    form->addRow(buttons);
}

SpinAnimation::Options SpinOptionsDialog::options() const
{
    SpinAnimation::Options chosen = m_options;
    chosen.holdMs = m_hold->value();
    chosen.steps = m_steps->value();
    chosen.alternateMs = m_alternate->value();
    chosen.first = m_first->value() - 1;
    chosen.last = m_last->value() - 1;
    return chosen;
}
