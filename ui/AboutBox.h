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

    AboutLabel *Picture1() const { return m_picture1; }
    AboutButton *cmdOK() const { return m_cmdOK; }
    AboutButton *cmdSysInfo() const { return m_cmdSysInfo; }
    AboutLabel *siyo() const { return m_siyo; }
    AboutLabel *Label3() const { return m_label3; }
    AboutLabel *Label2() const { return m_label2; }
    AboutLabel *lblDisclaimer() const { return m_lblDisclaimer; }
    AboutLabel *Label1() const { return m_label1; }
    AboutLabel *lblDescription() const { return m_lblDescription; }

    // There is no system information program to start: the button is kept for its place in
    // the box and does nothing.
    void StartSysInfo();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load(const LogonNameService &logonName);
    void cmdOK_Click();
    void cmdSysInfo_Click();

    AboutLabel *m_picture1;
    AboutButton *m_cmdOK;
    AboutButton *m_cmdSysInfo;
    AboutLabel *m_siyo;
    AboutLabel *m_label3;
    AboutLabel *m_label2;
    AboutLabel *m_lblDisclaimer;
    AboutLabel *m_label1;
    AboutLabel *m_lblDescription;
};
