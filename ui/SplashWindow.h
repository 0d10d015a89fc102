#pragma once

#include "ui/TwipsControl.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

class QTimer;

// frmSplash: greets the user by logon name and, three seconds after it was loaded, hands over
// to the main window. A character key closes it before that, and the program with it.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(const QString &userName, QWidget *parent = nullptr);

    QTimer *Timer1() const { return m_timer1; }
    QLabel *siyo() const { return m_siyo; }
    QLabel *lblDisclaimer() const { return m_lblDisclaimer; }

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
    void Timer1_Timer();
    void Form_KeyPress();

    QPixmap m_picture;
    QTimer *m_timer1;
    TwipsControl<QLabel> *m_siyo;
    TwipsControl<QLabel> *m_label2;
    TwipsControl<QLabel> *m_label1;
    TwipsControl<QLabel> *m_lblDisclaimer;
};
