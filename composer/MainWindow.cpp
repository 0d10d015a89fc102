#include "composer/MainWindow.h"

#include "composer/ColourCommand.h"
#include "composer/DialogCancelled.h"
#include "composer/FontCommand.h"
#include "composer/MenuShortcutGuard.h"
#include "composer/PictureBox.h"
#include "composer/SignLayout.h"
#include "composer/SignPlate.h"
#include "composer/SignTextBox.h"
#include "export/ExportManager.h"
#include "export/SaveFailureMessage.h"
#include "launch/LaunchCommands.h"
#include "platform/AppIdentity.h"
#include "platform/FontSubstitutes.h"
#include "platform/MessageBoxService.h"
#include "platform/Services.h"
#include "platform/SystemColor.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>

#include <array>
#include <utility>

namespace {

const QColor kBlack(0x00, 0x00, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kBlue(0x00, 0x00, 0xFF);

// Nothing composed is kept anywhere else, so every way out asks first.
bool confirmExit(MessageBoxService &messages)
{
    return messages.askYesNo(kAppTitle,
                             QStringLiteral("終了しますか？未保存データは削除されます。"),
                             MessageBoxService::Icon::Exclamation);
}

QFont boldFont(const QString &face, qreal points)
{
    QFont font(face);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

SignTextBox *signBox(const TwipRect &rect, const QString &text, const QColor &back,
                     const QFont &font, bool visible, QWidget *parent)
{
    auto *box = new SignTextBox(rect, text, parent);
    box->setBackColor(back);
    box->setForeColor(kWhite);
    box->setFont(font);
    box->setVisible(visible);
    return box;
}

} // namespace

MainWindow::MainWindow(Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_commonDialog2(services.dialogs)
    , m_commonDialog1(services.dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("QuinteloVersion2"));
    setWindowIcon(QIcon(QStringLiteral(":/quintelo.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    m_commonDialog1.DefaultExt = QStringLiteral("gif");
    m_commonDialog1.DialogTitle = QStringLiteral("方向幕画像の保存");
    m_commonDialog1.Filter =
        QStringLiteral("GIFファイル(*.gif);;PNGファイル(*.png);;BMPファイル(*.bmp)");
    m_commonDialog1.Flags = 4;

    createControls();
    createMenus();
    arrangeStackingAndTabs();

    // The client area has a fixed design size; the window is as large as it and the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_text1->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(twipsToPixels(5970), twipsToPixels(4365));
    setCentralWidget(m_client);

    const QFont signFont = boldFont(kSignFace, 24);
    const QFont smallLineFont = boldFont(kUiGothicFace, 9);
    const QFont destinationFont = boldFont(kUiGothicFace, 24);

    m_picture2 = new SignPlate({960, 240, 3615, 1215}, m_client);
    m_text2 = signBox({0, 960, 3615, 255}, QStringLiteral("英語文字"), kBlue, smallLineFont, true,
                      m_picture2);
    m_text1 =
        signBox({0, 240, 3615, 630}, QStringLiteral("幕名"), kBlack, signFont, true, m_picture2);
    m_text7 = signBox({1440, 800, 2055, 180}, QStringLiteral("行き先"), kBlack, smallLineFont,
                      false, m_picture2);
    m_text3 = signBox({1440, 240, 2055, 615}, QStringLiteral("行き先"), kBlack, destinationFont,
                      false, m_picture2);

    // Text4 is never seen: its background keeps the English line's colour for the sign-name
    // layout while the other layout paints that line black.
    m_text4 = new SignTextBox({5040, 720, 495, 270}, QStringLiteral("ssssss"), m_client);
    m_text4->setFrame(true);
    m_text4->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_text4->setBackColor(kBlue);
    m_text4->setForeColor(systemColor(5, palette()));
    m_text4->hide();

    m_picture1 = new PictureBox({5040, 120, 495, 135}, m_client);
    m_picture1->hide();

    m_command6 =
        new CommandButton({120, 3600, 1815, 375}, QStringLiteral("画像として保存(&S)"), m_client);
    m_command5 = new CommandButton({3960, 3600, 1815, 375}, QStringLiteral("終了(&X)"), m_client);
    m_command2 =
        new CommandButton({2040, 3600, 1815, 375}, QStringLiteral("バージョン情報(&V)"), m_client);
    m_command4 =
        new CommandButton({240, 2520, 2535, 375}, QStringLiteral("英表示文字色変更(&L)"), m_client);
    m_command3 =
        new CommandButton({240, 2040, 2535, 375}, QStringLiteral("英表示背景色変更(&N)"), m_client);
    m_command1 = new CommandButton({3120, 3000, 2535, 375}, QStringLiteral("方向幕文字色変更(&M)"),
                                   m_client);
    m_frame2 =
        new FrameBox({120, 1800, 2775, 1695}, QStringLiteral("英語表示カスタマイズ"), m_client);
    m_honayku =
        new CommandButton({120, 1200, 2535, 375}, QStringLiteral("YAHOOJAPANで翻訳(&H)"), m_frame2);
    m_frame1 = new FrameBox({3000, 1800, 2775, 1695}, QStringLiteral("本体カスタマイズ"), m_client);
    m_command8 = new CommandButton({120, 240, 2535, 375}, QStringLiteral("種別・行き先に変更(&I)"),
                                   m_frame1);
    m_command7 = new CommandButton({120, 720, 2535, 375}, QStringLiteral("方向幕フォント変更(&F)"),
                                   m_frame1);
    m_frame3 =
        new FrameBox({840, 0, 3855, 1575}, QStringLiteral("エディタ - プレビュー"), m_client);
    m_label1 = new NoticeLabel({120, 4080, 5610, 240},
                               QStringLiteral("作成した画像は個人で楽しむ範囲でお使いください。"),
                               m_client);
    m_label1->setAutoFillBackground(true);
    QPalette notice = m_label1->palette();
    notice.setColor(QPalette::Window, systemColor(16, palette()));
    m_label1->setPalette(notice);
    m_label1->setAlignment(Qt::AlignCenter);

    const std::array<std::pair<const char *, QObject *>, 21> names{{
        {"Picture2", m_picture2}, {"Text2", m_text2},       {"Text1", m_text1},
        {"Text7", m_text7},       {"Text3", m_text3},       {"Text4", m_text4},
        {"Picture1", m_picture1}, {"Command6", m_command6}, {"Command5", m_command5},
        {"Command2", m_command2}, {"Command4", m_command4}, {"Command3", m_command3},
        {"Command1", m_command1}, {"Frame2", m_frame2},     {"honayku", m_honayku},
        {"Frame1", m_frame1},     {"Command8", m_command8}, {"Command7", m_command7},
        {"Frame3", m_frame3},     {"Label1", m_label1},     {"client", m_client},
    }};
    for (const auto &[name, object] : names)
        object->setObjectName(QString::fromLatin1(name));

    connect(m_command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &MainWindow::Command3_Click);
    connect(m_command4, &QPushButton::clicked, this, &MainWindow::Command4_Click);
    connect(m_command5, &QPushButton::clicked, this, &MainWindow::Command5_Click);
    connect(m_command6, &QPushButton::clicked, this, &MainWindow::Command6_Click);
    connect(m_command7, &QPushButton::clicked, this, &MainWindow::Command7_Click);
    connect(m_command8, &QPushButton::clicked, this, &MainWindow::Command8_Click);
    connect(m_honayku, &QPushButton::clicked, this, &MainWindow::honayku_Click);
}

void MainWindow::createMenus()
{
    QMenu *fairu = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    fairu->setObjectName(QStringLiteral("fairu"));
    m_hozon = fairu->addAction(QStringLiteral("保存(&S)"));
    m_hozon->setObjectName(QStringLiteral("hozon"));
    m_hozon->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    fairu->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    m_end = fairu->addAction(QStringLiteral("終了(&X)"));
    m_end->setObjectName(QStringLiteral("end"));
    m_end->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu *iro = menuBar()->addMenu(QStringLiteral("翻訳(&C)"));
    iro->setObjectName(QStringLiteral("iro"));
    m_honyak = iro->addAction(QStringLiteral("YAHOO翻訳(&H)"));
    m_honyak->setObjectName(QStringLiteral("honyak"));
    m_honyak->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));

    QMenu *herupu = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    herupu->setObjectName(QStringLiteral("herupu"));
    m_bajyon = herupu->addAction(QStringLiteral("バージョン情報(&V)"));
    m_bajyon->setObjectName(QStringLiteral("bajyon"));
    m_bajyon->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    m_hajimeni = herupu->addAction(QStringLiteral("ヘルプ(&S)"));
    m_hajimeni->setObjectName(QStringLiteral("hajimeni"));
    m_hajimeni->setShortcut(QKeySequence(Qt::Key_F1));

    connect(m_hozon, &QAction::triggered, this, &MainWindow::hozon_Click);
    connect(m_end, &QAction::triggered, this, &MainWindow::end_Click);
    connect(m_honyak, &QAction::triggered, this, &MainWindow::honyak_Click);
    connect(m_bajyon, &QAction::triggered, this, &MainWindow::bajyon_Click);
    connect(m_hajimeni, &QAction::triggered, this, &MainWindow::hajimeni_Click);

    auto *guard = new MenuShortcutGuard({m_hozon, m_end, m_honyak, m_bajyon, m_hajimeni}, this);
    for (SignTextBox *box : {m_text1, m_text2, m_text3, m_text4, m_text7})
        box->installEventFilter(guard);
}

void MainWindow::arrangeStackingAndTabs()
{
    // Where siblings overlap the one created earlier lies above: raising them from the last
    // created to the first leaves the first on top.
    const std::array<QWidget *, 20> creationOrder{
        m_picture2, m_text2,    m_text1,    m_text7,    m_text3,    m_text4,    m_picture1,
        m_command6, m_command5, m_command2, m_command4, m_command3, m_command1, m_frame2,
        m_honayku,  m_frame1,   m_command8, m_command7, m_frame3,   m_label1};
    for (auto it = creationOrder.rbegin(); it != creationOrder.rend(); ++it)
        (*it)->raise();

    for (QWidget *passive : {static_cast<QWidget *>(m_frame1), static_cast<QWidget *>(m_frame2),
                             static_cast<QWidget *>(m_frame3), static_cast<QWidget *>(m_label1)})
        passive->setFocusPolicy(Qt::NoFocus);

    const std::array<QWidget *, 16> tabOrder{m_text1,    m_text2,    m_command8, m_command3,
                                             m_command4, m_honayku,  m_command7, m_command1,
                                             m_command6, m_command5, m_command2, m_picture1,
                                             m_text4,    m_picture2, m_text3,    m_text7};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

SignState MainWindow::signState() const
{
    SignState state;
    for (SignTextBox *box : {m_text1, m_text2, m_text3, m_text4, m_text7})
        state.controls[box->objectName()] = {box->text(),     box->BackColor(), box->ForeColor(),
                                             box->font(),     box->twips(),     !box->isHidden(),
                                             box->isEnabled()};
    for (CommandButton *button : {m_command1, m_command2, m_command3, m_command4, m_command5,
                                  m_command6, m_command7, m_command8, m_honayku})
        state.controls[button->objectName()] = {
            button->text(),      QColor(),           QColor(), button->font(), button->twips(),
            !button->isHidden(), button->isEnabled()};
    state.controls[m_picture2->objectName()] = {QString(),
                                                m_picture2->BackColor(),
                                                QColor(),
                                                m_picture2->font(),
                                                m_picture2->twips(),
                                                !m_picture2->isHidden(),
                                                m_picture2->isEnabled()};
    state.lineBorderColor = m_picture2->lineBorderColor();
    state.typeLayoutOn = m_typeLayoutOn;
    return state;
}

void MainWindow::setSignState(const SignState &state)
{
    for (SignTextBox *box : {m_text1, m_text2, m_text3, m_text4, m_text7}) {
        const auto found = state.controls.find(box->objectName());
        if (found == state.controls.end())
            continue;
        const ControlState &c = found->second;
        box->setText(c.text);
        box->setBackColor(c.backColor);
        box->setForeColor(c.foreColor);
        box->setFont(c.font);
        box->setTwips(c.rect);
        box->setVisible(c.visible);
        box->setEnabled(c.enabled);
    }
    for (CommandButton *button : {m_command1, m_command2, m_command3, m_command4, m_command5,
                                  m_command6, m_command7, m_command8, m_honayku}) {
        const auto found = state.controls.find(button->objectName());
        if (found == state.controls.end())
            continue;
        const ControlState &c = found->second;
        button->setText(c.text);
        button->setFont(c.font);
        button->setTwips(c.rect);
        button->setVisible(c.visible);
        button->setEnabled(c.enabled);
    }
    m_picture2->setLineBorderColor(state.lineBorderColor);
    m_typeLayoutOn = state.typeLayoutOn;
}

void MainWindow::Command1_Click()
{
    ColourCommand(m_commonDialog1).run({[this](const QColor &c) { m_text1->setForeColor(c); }});
}

void MainWindow::Command2_Click()
{
    emit aboutRequested();
}

void MainWindow::Command3_Click()
{
    // Text4 keeps the background for the sign-name layout while the other one paints it black.
    ColourCommand(m_commonDialog1)
        .run({[this](const QColor &c) { m_text2->setBackColor(c); },
              [this](const QColor &c) { m_text4->setBackColor(c); }});
}

void MainWindow::Command4_Click()
{
    ColourCommand(m_commonDialog1).run({[this](const QColor &c) { m_text2->setForeColor(c); }});
}

void MainWindow::Command5_Click()
{
    if (!confirmExit(m_services.messages))
        return;
    // The closing that follows must not ask a second time.
    m_exitConfirmed = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::Command6_Click()
{
    runSaveCommand(m_picture2);
}

void MainWindow::Command7_Click()
{
    FontCommand(m_commonDialog2).run(*m_text1);
}

void MainWindow::Command8_Click()
{
    m_typeLayoutOn = qint16(~m_typeLayoutOn);
    SignLayout(*this).apply(m_typeLayoutOn);
}

void MainWindow::honayku_Click()
{
    LaunchCommands(m_services.messages, m_services.launcher, QCoreApplication::applicationDirPath())
        .openTranslationPage();
}

void MainWindow::hozon_Click()
{
    runSaveCommand(m_text3);
}

void MainWindow::runSaveCommand(QWidget *control)
{
    m_commonDialog1.FileName.clear();
    try {
        m_commonDialog1.ShowSave();
    } catch (const DialogCancelled &) {
        // A colour command leaves CancelError on; a cancelled save is still no error.
        return;
    }
    if (m_commonDialog1.FileName.isEmpty())
        return;
    SaveWindowImage(control, m_commonDialog1.FileName);
}

void MainWindow::SaveWindowImage(QWidget *control, const QString &fileName)
{
    ExportManager exporter(m_services.windowCapture, m_services.imageWriter);
    const ExportManager::Result result = exporter.saveWindowImage(*control, fileName);
    m_picture1->setPicture(result.picture);
    if (!result.ok())
        m_services.messages.tell(kAppTitle, saveFailureMessage(result),
                                 MessageBoxService::Icon::Critical);
}

void MainWindow::end_Click()
{
    Command5_Click();
}

void MainWindow::honyak_Click()
{
    honayku_Click();
}

void MainWindow::bajyon_Click()
{
    emit aboutRequested();
}

void MainWindow::hajimeni_Click()
{
    LaunchCommands(m_services.messages, m_services.launcher, QCoreApplication::applicationDirPath())
        .openHelp();
}

void MainWindow::Form_QueryUnload(qint16 &Cancel)
{
    if (m_exitConfirmed)
        return;
    if (confirmExit(m_services.messages))
        m_exitConfirmed = true;
    else
        Cancel = 1;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    qint16 cancel = 0;
    Form_QueryUnload(cancel);
    if (cancel)
        event->ignore();
    else
        QMainWindow::closeEvent(event);
}
