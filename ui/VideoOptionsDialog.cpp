#include "ui/VideoOptionsDialog.h"

#include "codec/AnimationWriter.h"
#include "ui/NumberBoxes.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The longest hold, turn and page the dialog offers, in seconds.
constexpr double kLongestSeconds = 60;

QDoubleSpinBox *secondsBox(QWidget *parent, const char *name, double minimum, int valueMs,
                           const QString &suffix)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(minimum, kLongestSeconds);
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setSuffix(suffix);
    box->setValue(valueMs / 1000.0);
    return box;
}

} // namespace

VideoOptionsDialog::VideoOptionsDialog(int frameCount, bool led, const Choice &choice,
                                       QWidget *parent)
    : QDialog(parent)
    , m_choice(choice)
{
    setObjectName(QStringLiteral("videoOptions"));
    setWindowTitle(tr("動画として保存"));
    const QString seconds = tr(" 秒");

    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("videoKind"));
    m_kind->addItem(tr("MP4 動画 (H.264)"), int(AnimationKind::Mp4));
    m_kind->addItem(tr("WebM 動画 (VP9)"), int(AnimationKind::WebM));
    m_kind->addItem(tr("アニメーション WebP"), int(AnimationKind::WebP));
    m_kind->addItem(tr("アニメーション GIF"), int(AnimationKind::Gif));
    m_kind->addItem(tr("PNG の連番 (フォルダに書き出す)"), int(AnimationKind::PngSequence));
    m_kind->setCurrentIndex(m_kind->findData(int(choice.kind)));
    m_fps = numberBox(this, "videoFps", AnimationWriter::kMinRate, AnimationWriter::kMaxRate,
                      choice.fps, tr(" 枚/秒"));

    // Only what moves in the roll's look: a plate turns, a panel pages and scrolls.
    auto *motionBox = new QGroupBox(led ? tr("LED 表示器の動き") : tr("幕の動き"), this);
    auto *motionForm = new QFormLayout(motionBox);
    const MotionOptions &motion = choice.motion;
    if (led) {
        m_page = secondsBox(motionBox, "videoPage", 0.1, motion.pageMs, seconds);
        m_scroll = numberBox(motionBox, "videoScroll", 1, 1000, motion.scrollDotsPerSecond,
                             tr(" ドット/秒"));
        motionForm->addRow(tr("1 ページを表示する時間(&P):"), m_page);
        motionForm->addRow(tr("収まらない行の流れる速さ(&D):"), m_scroll);
    } else {
        m_hold = secondsBox(motionBox, "videoHold", 0, motion.holdMs, seconds);
        m_turn = secondsBox(motionBox, "videoTurn", 0.1, motion.passMs, seconds);
        motionForm->addRow(tr("各コマで止まる時間(&H):"), m_hold);
        motionForm->addRow(tr("1 コマ送る時間(&T):"), m_turn);
    }

    auto *sizeBox = new QGroupBox(tr("大きさ"), this);
    m_byScale = new QRadioButton(tr("倍率(&S)"), sizeBox);
    m_byScale->setObjectName(QStringLiteral("videoByScale"));
    auto *byHeight = new QRadioButton(tr("高さ(&E)"), sizeBox);
    byHeight->setObjectName(QStringLiteral("videoByHeight"));
    m_scale = new QDoubleSpinBox(sizeBox);
    m_scale->setObjectName(QStringLiteral("videoScale"));
    m_scale->setRange(1, ExportSettings::kLargestScale);
    m_scale->setDecimals(1);
    m_scale->setSuffix(tr(" 倍"));
    m_scale->setValue(choice.size.scale);
    m_height = numberBox(sizeBox, "videoHeight", ExportSettings::kSmallestHeight,
                         ExportSettings::kLargestHeight,
                         choice.size.height > 0 ? choice.size.height : 540, tr(" ピクセル"));
    (choice.size.height > 0 ? byHeight : m_byScale)->setChecked(true);
    m_scale->setEnabled(m_byScale->isChecked());
    m_height->setEnabled(byHeight->isChecked());
    connect(m_byScale, &QRadioButton::toggled, m_scale, &QWidget::setEnabled);
    connect(byHeight, &QRadioButton::toggled, m_height, &QWidget::setEnabled);
    auto *sizeForm = new QFormLayout(sizeBox);
    sizeForm->addRow(m_byScale, m_scale);
    sizeForm->addRow(byHeight, m_height);

    m_range =
        frameRangeBoxes(this, "videoFirst", "videoLast", frameCount, motion.first, motion.last);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(tr("種類(&K):"), m_kind);
    form->addRow(tr("1 秒あたりの画像(&R):"), m_fps);
    form->addRow(tr("最初のコマ(&F):"), m_range.first);
    form->addRow(tr("最後のコマ(&L):"), m_range.last);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(motionBox);
    layout->addWidget(sizeBox);
    layout->addWidget(buttons);
}

VideoOptionsDialog::Choice VideoOptionsDialog::choice() const
{
    Choice chosen = m_choice;
    chosen.kind = AnimationKind(m_kind->currentData().toInt());
    chosen.fps = m_fps->value();
    MotionOptions &motion = chosen.motion;
    if (m_hold) {
        motion.holdMs = int(std::lround(m_hold->value() * 1000));
        motion.passMs = int(std::lround(m_turn->value() * 1000));
    } else {
        motion.pageMs = int(std::lround(m_page->value() * 1000));
        motion.scrollDotsPerSecond = m_scroll->value();
    }
    chosen.size.scale = m_scale->value();
    chosen.size.height = m_byScale->isChecked() ? 0 : m_height->value();
    motion.first = m_range.firstIndex();
    motion.last = m_range.lastIndex();
    return chosen;
}
