#include "ui/SplashWindow.h"

#include "platform/CentreOnScreen.h"
#include "platform/SystemColor.h"
#include "ui/DeveloperCredit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace {

// An ideographic space, a sentence, eighteen ideographic spaces, a sentence.
const QString kDisclaimer =
    QStringLiteral("　本ソフトウェアを使用したことにより生じたいかなる損害についても、開発者は"
                   "一切の責任を負いかねますのでご了承ください。") +
    QString(18, QChar(0x3000)) +
    QStringLiteral(
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
    , m_timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(6045), twipsToPixels(4110));
    setFocusPolicy(Qt::StrongFocus);

    const QColor white(0xFF, 0xFF, 0xFF);
    m_siyo = opaqueLabel({720, 3480, 1455, 255}, userName, systemColor(9, palette()), this);
    m_siyo->setObjectName(QStringLiteral("siyo"));
    // The name as it is spelt, whatever characters the system allows in it.
    m_siyo->setTextFormat(Qt::PlainText);
    m_label2 = opaqueLabel({120, 3480, 735, 255}, QStringLiteral("使用者："), white, this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label1 = opaqueLabel({120, 3240, 1575, 255}, kDeveloperCredit, white, this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_lblDisclaimer = opaqueLabel({120, 2280, 5775, 825}, kDisclaimer, white, this);
    m_lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    QPalette black = m_lblDisclaimer->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    m_lblDisclaimer->setPalette(black);

    // Earlier-created controls lie above: the name is drawn over the end of "使用者：".
    for (QWidget *label : {m_lblDisclaimer, m_label1, m_label2, m_siyo})
        label->raise();

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setSingleShot(true);
    m_timer1->setInterval(kHandOverMs);
    connect(m_timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
    m_timer1->start();
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
    painter.drawPixmap(0, 0, m_picture);
}

void SplashWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    Form_KeyPress();
}

void SplashWindow::Timer1_Timer()
{
    emit handOver();
    close();
}

void SplashWindow::Form_KeyPress()
{
    m_timer1->stop();
    emit dismissed();
    close();
}
