#include "composer/SignLayout.h"

#include "composer/MainWindow.h"
#include "composer/SignPlate.h"
#include "composer/SignTextBox.h"

namespace {
const QColor kBlack(0x00, 0x00, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);
} // namespace

SignLayout::SignLayout(MainWindow &window)
    : m_window(window)
{}

void SignLayout::apply(qint16 typeLayoutOn)
{
    if (typeLayoutOn == -1)
        showTypeAndDestination();
    else if (typeLayoutOn == 0)
        showSignName();
}

void SignLayout::showTypeAndDestination()
{
    MainWindow &w = m_window;
    w.Text1()->setWidth(1100);
    w.Text1()->setTop(350);
    w.Text1()->setFontSize(16);
    w.Text1()->setLeft(150);
    w.Text2()->setBackColor(kBlack);
    w.Text2()->setWidth(1100);
    w.Text2()->setLeft(150);
    w.Text2()->setFontSize(6);
    w.Text2()->setTop(800);
    w.Text3()->setVisible(true);
    w.Text7()->setVisible(true);
    w.Command8()->setText(QStringLiteral("種別幕のみに変更(&I)"));
    w.Picture2()->setLineBorderColor(kWhite);
    // The English line is always black here; the background chosen for the sign-name layout
    // waits in Text4 and cannot be changed meanwhile.
    w.Command3()->setEnabled(false);
    w.Command4()->setText(QStringLiteral("種別英字文字色変更(&N)"));
    w.Command7()->setText(QStringLiteral("種別フォント変更(&F)"));
    w.Command1()->setText(QStringLiteral("種別文字色変更(&M)"));
}

void SignLayout::showSignName()
{
    MainWindow &w = m_window;
    w.Text1()->setWidth(3615);
    w.Text1()->setTop(240);
    w.Text1()->setFontSize(24);
    w.Text1()->setLeft(0);
    w.Text2()->setWidth(3615);
    w.Text2()->setLeft(0);
    w.Text2()->setFontSize(9);
    w.Text2()->setTop(960);
    w.Text3()->setVisible(false);
    w.Text7()->setVisible(false);
    w.Command8()->setText(QStringLiteral("種別・行き先に変更(&I)"));
    // Merged onto the black plate a black line leaves no trace.
    w.Picture2()->setLineBorderColor(kBlack);
    w.Text2()->setBackColor(w.Text4()->BackColor());
    w.Command3()->setEnabled(true);
    // Not the caption the window starts with: from the first return on, this button shares
    // its access key with Command3.
    w.Command4()->setText(QStringLiteral("英字文字色変更(&N)"));
    w.Command7()->setText(QStringLiteral("方向幕フォント変更(&F)"));
    w.Command1()->setText(QStringLiteral("方向幕文字色変更(&M)"));
}
