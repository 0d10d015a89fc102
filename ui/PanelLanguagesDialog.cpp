#include "ui/PanelLanguagesDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// Wide enough for a long destination to be read whole.
constexpr int kLineWidth = 320;
// How much of the Japanese line a group's title names.
constexpr qsizetype kTitleLength = 20;

std::size_t placeOf(SignLine line)
{
    return line == SignLine::Main ? 0 : 1;
}

} // namespace

PanelLanguagesDialog::PanelLanguagesDialog(const Frame &frame, bool plateLook, QWidget *parent)
    : QDialog(parent)
    , m_frame(frame)
{
    setObjectName(QStringLiteral("panelLanguages"));
    setWindowTitle(tr("多言語表示"));
    auto *layout = new QVBoxLayout(this);
    auto *about = new QLabel(tr("LED 表示器が日本語と英語のあとに出す、中国語（簡体字）と韓国語の"
                                "ページの文字です。空欄の行は日本語で表示します。"),
                             this);
    about->setWordWrap(true);
    layout->addWidget(about);
    if (plateLook) {
        auto *note = new QLabel(tr("幕として表示しているあいだは使われません。幕の表示は日本語と"
                                   "英語だけです。LED として表示したときに出ます。"),
                                this);
        note->setObjectName(QStringLiteral("plateLookNote"));
        note->setWordWrap(true);
        layout->addWidget(note);
    }

    const bool signName = frame.layout == SignLayout::SignName;
    const QList<SignLine> shown = signName ? QList<SignLine>{SignLine::Main}
                                           : QList<SignLine>{SignLine::Main, SignLine::Destination};
    for (const SignLine line : shown) {
        const bool main = line == SignLine::Main;
        const QString title = main ? (signName ? tr("幕名") : tr("種別")) : tr("行き先");
        // The Japanese line it stands for, cut short where a name would widen the dialog.
        const QString &japanese = frame.text(line);
        const QString named = japanese.size() > kTitleLength
                                  ? japanese.left(kTitleLength) + QStringLiteral("…")
                                  : japanese;
        auto *box = new QGroupBox(
            japanese.trimmed().isEmpty() ? title : tr("%1「%2」").arg(title, named), this);
        auto *form = new QFormLayout(box);
        for (const PanelLanguage language : kPanelLanguages) {
            const bool chinese = language == PanelLanguage::Chinese;
            auto *edit = new QLineEdit(frame.translation(language, line), box);
            edit->setObjectName(QStringLiteral("%1%2").arg(
                chinese ? QStringLiteral("chinese") : QStringLiteral("korean"),
                main ? QStringLiteral("Main") : QStringLiteral("Destination")));
            edit->setMaxLength(int(Frame::kMaxLineLength));
            edit->setPlaceholderText(japanese);
            edit->setMinimumWidth(kLineWidth);
            // Each line its own access key: C and K, and for the destination H (Hanzi) and
            // G (Hangul).
            const QString caption =
                chinese ? (main ? tr("中国語（簡体字）(&C):") : tr("中国語（簡体字）(&H):"))
                        : (main ? tr("韓国語(&K):") : tr("韓国語(&G):"));
            form->addRow(caption, edit);
            m_lineEdits[std::size_t(language)][placeOf(line)] = edit;
        }
        layout->addWidget(box);
    }

    // Typing starts in the first line rather than on a button.
    lineEdit(PanelLanguage::Chinese, SignLine::Main)->setFocus();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Sized before it shows, so that it opens centred over the window.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLineEdit *PanelLanguagesDialog::lineEdit(PanelLanguage language, SignLine line) const
{
    return m_lineEdits[std::size_t(language)][placeOf(line)];
}

std::array<Translation, 2> PanelLanguagesDialog::translations() const
{
    Frame edited = m_frame;
    for (const PanelLanguage language : kPanelLanguages)
        for (const SignLine line : kTranslatedLines)
            if (const QLineEdit *edit = lineEdit(language, line))
                edited.translation(language, line) = edit->text();
    return edited.translations;
}
