#pragma once

#include "ui/TwipsControl.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

class LogonNameService;

using AboutLabel = TwipsControl<QLabel>;
using AboutButton = TwipsControl<QPushButton>;

// frmAbout: what the program is, who made it and who is using it. Built afresh for every
// opening, so the logon name is read each time.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(const LogonNameService &logonName, QWidget *parent = nullptr);

    AboutButton *okButton() const { return m_okButton; }
    AboutButton *systemInfoButton() const { return m_systemInfoButton; }
    AboutLabel *userNameLabel() const { return m_userName; }

    // There is no system information program to start: the button is kept for its place in
    // the box and does nothing.
    void startSystemInfo();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    AboutLabel *m_picture;
    AboutButton *m_okButton;
    AboutButton *m_systemInfoButton;
    AboutLabel *m_userName;
    AboutLabel *m_userCaption;
    AboutLabel *m_credit;
    AboutLabel *m_disclaimer;
    AboutLabel *m_title;
    AboutLabel *m_description;
};
