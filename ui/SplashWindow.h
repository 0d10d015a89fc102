#pragma once

#include "ui/TwipsControl.h"

#include <QImage>
#include <QLabel>
#include <QWidget>

class QTimer;

// frmSplash: greets the user by logon name and, three seconds after it was loaded, hands over
// to the main window. A character key closes it before that, and the program with it.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(const QString &userName, QWidget *parent = nullptr);

    QTimer *handOverTimer() const { return m_handOverTimer; }
    QLabel *userNameLabel() const { return m_userName; }

    static constexpr int kHandOverMs = 3000;

signals:
    // Emitted while the splash is still up: the main window is shown before the splash goes.
    void handOver();
    // A key closed the splash before it handed over.
    void dismissed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void handOverNow();
    void dismissByKey();

    // Four bytes a pixel as Qt's GIF reader gives it (the GIF's 256 colours at one byte a
    // pixel measured no smaller, since drawing them makes a screen picture); still held while
    // the main window is made.
    QImage m_picture;
    QTimer *m_handOverTimer;
    TwipsControl<QLabel> *m_userName;
    TwipsControl<QLabel> *m_userCaption;
    TwipsControl<QLabel> *m_credit;
    TwipsControl<QLabel> *m_disclaimer;
};
