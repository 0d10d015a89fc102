#pragma once

#include "composer/CommonDialog.h"
#include "composer/SignState.h"
#include "composer/TwipsControl.h"

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

class PictureBox;
class SignPlate;
class SignTextBox;
struct Services;

using CommandButton = TwipsControl<QPushButton>;
using FrameBox = TwipsControl<QGroupBox>;
using NoticeLabel = TwipsControl<QLabel>;

// Form1: the sign plate with its text boxes, the command buttons and the menus. The controls
// and their properties are the sign's whole state.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(Services &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    SignState signState() const;
    void setSignState(const SignState &state);

    qint16 typeLayoutOn() const { return m_typeLayoutOn; }

    SignPlate *Picture2() const { return m_picture2; }
    SignTextBox *Text1() const { return m_text1; }
    SignTextBox *Text2() const { return m_text2; }
    SignTextBox *Text3() const { return m_text3; }
    SignTextBox *Text4() const { return m_text4; }
    SignTextBox *Text7() const { return m_text7; }
    PictureBox *Picture1() const { return m_picture1; }
    CommandButton *Command1() const { return m_command1; }
    CommandButton *Command2() const { return m_command2; }
    CommandButton *Command3() const { return m_command3; }
    CommandButton *Command4() const { return m_command4; }
    CommandButton *Command5() const { return m_command5; }
    CommandButton *Command6() const { return m_command6; }
    CommandButton *Command7() const { return m_command7; }
    CommandButton *Command8() const { return m_command8; }
    CommandButton *honayku() const { return m_honayku; }
    FrameBox *Frame1() const { return m_frame1; }
    FrameBox *Frame2() const { return m_frame2; }
    FrameBox *Frame3() const { return m_frame3; }
    NoticeLabel *Label1() const { return m_label1; }
    QAction *hozon() const { return m_hozon; }
    QAction *end() const { return m_end; }
    QAction *honyak() const { return m_honyak; }
    QAction *bajyon() const { return m_bajyon; }
    QAction *hajimeni() const { return m_hajimeni; }
    CommonDialog &CommonDialog1() { return m_commonDialog1; }
    CommonDialog &CommonDialog2() { return m_commonDialog2; }

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void honayku_Click();
    void hozon_Click();
    void end_Click();
    void honyak_Click();
    void bajyon_Click();
    void hajimeni_Click();
    // Asks before the window closes; Cancel set to 1 keeps it open. Once leaving has been
    // confirmed it does not ask again.
    void Form_QueryUnload(qint16 &Cancel);

signals:
    // The About box belongs to the application; the window only asks for it.
    void aboutRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenus();
    void arrangeStackingAndTabs();
    // Both save commands: ask for a name, then capture control into Picture1 and write it.
    void runSaveCommand(QWidget *control);
    void SaveWindowImage(QWidget *control, const QString &fileName);

    Services &m_services;
    CommonDialog m_commonDialog2;
    CommonDialog m_commonDialog1;
    qint16 m_typeLayoutOn = 0;
    bool m_exitConfirmed = false;

    QWidget *m_client = nullptr;
    SignPlate *m_picture2 = nullptr;
    SignTextBox *m_text2 = nullptr;
    SignTextBox *m_text1 = nullptr;
    SignTextBox *m_text7 = nullptr;
    SignTextBox *m_text3 = nullptr;
    SignTextBox *m_text4 = nullptr;
    PictureBox *m_picture1 = nullptr;
    CommandButton *m_command6 = nullptr;
    CommandButton *m_command5 = nullptr;
    CommandButton *m_command2 = nullptr;
    CommandButton *m_command4 = nullptr;
    CommandButton *m_command3 = nullptr;
    CommandButton *m_command1 = nullptr;
    FrameBox *m_frame2 = nullptr;
    CommandButton *m_honayku = nullptr;
    FrameBox *m_frame1 = nullptr;
    CommandButton *m_command8 = nullptr;
    CommandButton *m_command7 = nullptr;
    FrameBox *m_frame3 = nullptr;
    NoticeLabel *m_label1 = nullptr;

    QAction *m_hozon = nullptr;
    QAction *m_end = nullptr;
    QAction *m_honyak = nullptr;
    QAction *m_bajyon = nullptr;
    QAction *m_hajimeni = nullptr;
};
