#include "ui/SplashWindow.h"

#include "platform/CentreOnScreen.h"
#include "platform/SystemColor.h"
#include "ui/DeveloperCredit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace {

// An ideographic space, a sentence, eighteen ideographic spaces, a sentence.
const char *const kNoLiability = QT_TRANSLATE_NOOP(
    "SplashWindow", "　本ソフトウェアを使用したことにより生じたいかなる損害についても、開発者は"
                    "一切の責任を負いかねますのでご了承ください。");
const char *const kNoCopies = QT_TRANSLATE_NOOP(
    "SplashWindow",
    "本ソフトウェアおよび付属の画像・文書の無断転載、再配布、改変、販売を禁止します。");

TwipsControl<QLabel> *opaqueLabel(const TwipRect &rect, const QString &caption,
                                  const QColor &background, QWidget *parent)
{
    auto *label = new TwipsControl<QLabel>(rect, caption, parent);
    label->setAutoFillBackground(true);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, background);
    label->setPalette(p);
    return label;
}

} // namespace

SplashWindow::SplashWindow(const QString &userName, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_picture(QStringLiteral(":/splash.gif"))
    , m_handOverTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(6045), twipsToPixels(4110));
    setFocusPolicy(Qt::StrongFocus);

    const QColor white(0xFF, 0xFF, 0xFF);
    m_userName = opaqueLabel({720, 3480, 1455, 255}, userName, systemColor(9, palette()), this);
    m_userName->setObjectName(QStringLiteral("siyo"));
    // The name as it is spelt, whatever characters the system allows in it.
    m_userName->setTextFormat(Qt::PlainText);
    m_userCaption = opaqueLabel({120, 3480, 735, 255}, tr("使用者："), white, this);
    m_userCaption->setObjectName(QStringLiteral("Label2"));
    m_credit = opaqueLabel({120, 3240, 1575, 255}, developerCredit(), white, this);
    m_credit->setObjectName(QStringLiteral("Label1"));
    m_disclaimer = opaqueLabel({120, 2280, 5775, 825},
                               SplashWindow::tr(kNoLiability) + QString(18, QChar(0x3000)) +
                                   SplashWindow::tr(kNoCopies),
                               white, this);
    m_disclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    QPalette black = m_disclaimer->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    m_disclaimer->setPalette(black);

    // Earlier-created controls lie above: the name is drawn over the end of "使用者：".
    for (QWidget *label : {m_disclaimer, m_credit, m_userCaption, m_userName})
        label->raise();

    m_handOverTimer->setObjectName(QStringLiteral("Timer1"));
    m_handOverTimer->setSingleShot(true);
    m_handOverTimer->setInterval(kHandOverMs);
    connect(m_handOverTimer, &QTimer::timeout, this, &SplashWindow::handOverNow);
    m_handOverTimer->start();
}

void SplashWindow::showEvent(QShowEvent *event)
{
    centreOnScreen(this);
    activateWindow();
    setFocus();
    QWidget::showEvent(event);
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    // Drawn at its natural size from the top-left; the window is slightly smaller than the
    // picture, so its right and bottom edges are cut off.
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void SplashWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    dismissByKey();
}

void SplashWindow::handOverNow()
{
    emit handOver();
    close();
}

void SplashWindow::dismissByKey()
{
    m_handOverTimer->stop();
    emit dismissed();
    close();
}
