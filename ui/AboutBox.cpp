#include "ui/AboutBox.h"

#include "identity/AppIdentity.h"
#include "platform/CentreOnScreen.h"
#include "platform/FontSubstitutes.h"
#include "platform/LogonNameService.h"
#include "ui/DeveloperCredit.h"
#include "ui/ResourcePicture.h"

#include <QPainter>
#include <QPixmap>

#include <array>
#include <utility>

namespace {

const char *const kDescription = QT_TRANSLATE_NOOP(
    "AboutBox", "当プログラムは、容易に電車の側面などに取り付けられている方向幕風の画像を容易作成"
                "するソフトです。なお、容易なので、実際の物とは異なります。また、英字翻訳につい"
                "ては、YAHOOJAPAN翻訳の方にリンクしています。");
const char *const kDisclaimer = QT_TRANSLATE_NOOP(
    "AboutBox", "警告：このプログラムの全部または一部を、開発者の許可なく複製・再配布することを"
                "禁じます。");

// The separator Line1: a grey one-pixel line lying over a white two-pixel one, in twips.
constexpr int kLineY = 1680;
constexpr int kWhiteLineFrom = 105;
constexpr int kWhiteLineTo = 7320;
constexpr int kGreyLineFrom = 120;
constexpr int kGreyLineTo = 7350;

AboutLabel *label(const TwipRect &rect, const QString &caption, QWidget *parent)
{
    auto *l = new AboutLabel(rect, caption, parent);
    l->setAutoFillBackground(true);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

void setTextBlack(QWidget *widget)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(p);
}

} // namespace

AboutBox::AboutBox(const LogonNameService &logonName, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kAppTitleWithMajorVersion + tr("バージョン情報"));
    setWindowIcon(QIcon(resourcePicture(QStringLiteral(":/about-icon.png"), "png")));
    setFixedSize(twipsToPixels(7785), twipsToPixels(2760));

    // A picture box with the default sunken border: its inside is smaller than the picture,
    // which is shown from its top-left corner and cut at the right and the bottom.
    m_picture = new AboutLabel({120, 240, 3495, 1215}, this);
    m_picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picture->setLineWidth(2);
    m_picture->setFocusPolicy(Qt::StrongFocus);
    const QPixmap picture = resourcePicture(QStringLiteral(":/about.bmp"), "bmp");
    m_picture->setPixmap(picture.copy(QRect(QPoint(0, 0), m_picture->contentsRect().size())));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_okButton = new AboutButton({5760, 1800, 1740, 345}, QStringLiteral("OK"), this);
    m_okButton->setDefault(true);
    m_systemInfoButton = new AboutButton({5760, 2280, 1740, 345}, tr("ｼｽﾃﾑ情報(&S)..."), this);
    m_userName = label({720, 2160, 1095, 255}, QString(), this);
    // The name as it is spelt, whatever characters the system allows in it.
    m_userName->setTextFormat(Qt::PlainText);
    m_userCaption = label({120, 2160, 1695, 255}, tr("使用者："), this);
    m_credit = label({120, 1800, 1695, 255}, developerCredit(), this);
    m_disclaimer = label({1920, 1800, 3735, 825}, tr(kDisclaimer), this);
    setTextBlack(m_disclaimer);
    m_title = label({3720, 120, 3735, 375}, kAppTitleWithMajorVersion, this);
    QFont titleFont(kUiGothicFace);
    titleFont.setPointSizeF(14.25);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_description = label({3720, 600, 3765, 930}, tr(kDescription), this);
    setTextBlack(m_description);

    const std::array<std::pair<const char *, QWidget *>, 9> controls{{
        {"Picture1", m_picture},
        {"cmdOK", m_okButton},
        {"cmdSysInfo", m_systemInfoButton},
        {"siyo", m_userName},
        {"Label3", m_userCaption},
        {"Label2", m_credit},
        {"lblDisclaimer", m_disclaimer},
        {"Label1", m_title},
        {"lblDescription", m_description},
    }};
    // Where controls overlap the one created earlier lies above: the name over "使用者：".
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        it->second->setObjectName(QString::fromLatin1(it->first));
        it->second->raise();
    }

    setTabOrder(m_okButton, m_systemInfoButton);
    setTabOrder(m_systemInfoButton, m_picture);
    m_okButton->setFocus();

    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_systemInfoButton, &QPushButton::clicked, this, &AboutBox::startSystemInfo);

    m_userName->setText(logonName.greetingName());
}

void AboutBox::startSystemInfo()
{}

void AboutBox::showEvent(QShowEvent *event)
{
    centreOnScreen(this);
    QDialog::showEvent(event);
}

void AboutBox::paintEvent(QPaintEvent *)
{
    // Line1 lies on the window's own surface, beneath every control.
    QPainter painter(this);
    const int y = twipsToPixels(kLineY);
    painter.fillRect(
        QRect(QPoint(twipsToPixels(kWhiteLineFrom), y), QPoint(twipsToPixels(kWhiteLineTo), y + 1)),
        QColor(0xFF, 0xFF, 0xFF));
    painter.fillRect(
        QRect(QPoint(twipsToPixels(kGreyLineFrom), y), QPoint(twipsToPixels(kGreyLineTo), y)),
        QColor(0x80, 0x80, 0x80));
}
