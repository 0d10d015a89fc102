#include "ui/MainWindow.h"

#include "identity/AppIdentity.h"
#include "platform/DesktopAnimations.h"
#include "platform/MessageBoxService.h"
#include "platform/Services.h"
#include "platform/SystemColor.h"
#include "ui/ColourAndFontCommands.h"
#include "ui/CommandButton.h"
#include "ui/EditMenu.h"
#include "ui/ExportCommands.h"
#include "ui/FileMenu.h"
#include "ui/FormatMenu.h"
#include "ui/HelpMenu.h"
#include "ui/MenuShortcutGuard.h"
#include "ui/PanelPlacement.h"
#include "ui/PlateTurn.h"
#include "ui/PlateView.h"
#include "ui/ResourcePicture.h"
#include "ui/RollFileCommands.h"
#include "ui/RollMenu.h"
#include "ui/RollPanel.h"
#include "ui/RollPlayer.h"
#include "ui/SignLineEdit.h"
#include "ui/TranslationMenu.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>

namespace {

// What the buttons that act on the main and English lines say in each layout.
struct LayoutCaptions
{
    const char *toggleLayout;
    const char *englishColour;
    const char *mainFont;
    const char *mainColour;
};

const LayoutCaptions kSignNameCaptions{QT_TRANSLATE_NOOP("MainWindow", "種別・行き先に変更(&I)"),
                                       QT_TRANSLATE_NOOP("MainWindow", "英字文字色変更(&N)"),
                                       QT_TRANSLATE_NOOP("MainWindow", "方向幕フォント変更(&F)"),
                                       QT_TRANSLATE_NOOP("MainWindow", "方向幕文字色変更(&M)")};
const LayoutCaptions kTypeCaptions{QT_TRANSLATE_NOOP("MainWindow", "種別幕のみに変更(&I)"),
                                   QT_TRANSLATE_NOOP("MainWindow", "種別英字文字色変更(&N)"),
                                   QT_TRANSLATE_NOOP("MainWindow", "種別フォント変更(&F)"),
                                   QT_TRANSLATE_NOOP("MainWindow", "種別文字色変更(&M)")};
// Until the sign-name layout is first returned to, the English colour button keeps the caption
// the window opens with.
const char *const kFirstEnglishColourCaption =
    QT_TRANSLATE_NOOP("MainWindow", "英表示文字色変更(&L)");

// Nothing composed is kept anywhere else, so every way out asks first.
bool confirmExit(MessageBoxService &messages)
{
    return messages.askYesNo(kAppTitle,
                             MainWindow::tr("終了しますか？未保存データは削除されます。"),
                             MessageBoxService::Icon::Exclamation);
}

} // namespace

MainWindow::MainWindow(Services &services, const AutosaveStore *otherCopies, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kAppTitleWithMajorVersion);
    setWindowIcon(QIcon(resourcePicture(QStringLiteral(":/quintelo.png"), "png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    m_rollFiles = new RollFileCommands(m_document, services, otherCopies, this);
    m_exports = new ExportCommands(m_document, services, m_dialogMemory, this);
    m_colourAndFont = new ColourAndFontCommands(m_document, services.dialogs, m_dialogMemory, this);
    setAcceptDrops(true);
    createControls();
    createMenus();
    connectControls();
    guardMenuShortcuts();
    arrangeStackingAndTabs();
    createRollPanel();
    connect(&m_document, &SignDocument::currentChanged, this, &MainWindow::turnToCurrentFrame);
    connect(&m_document, &SignDocument::frameChanged, this, [this](int index) {
        if (index == m_document.currentIndex())
            showCurrentFrame();
    });
    connect(&m_document, &SignDocument::framesReplaced, this, &MainWindow::showCurrentFrame);
    connect(&m_document, &SignDocument::fileNameChanged, this, &MainWindow::showFileName);
    connect(&m_document, &SignDocument::modifiedChanged, this, &MainWindow::showFileName);
    connect(&m_document, &SignDocument::readOnlyChanged, this, &MainWindow::showFileName);
    connect(&m_document, &SignDocument::lookChanged, this, &MainWindow::showLook);
    showCurrentFrame();
    showLook();
    showFileName();

    // The client area has a fixed design size; the window is as large as it and the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    lineEdit(SignLine::Main)->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(5970), twipsToPixels(4365));
    setCentralWidget(client);

    m_plate = new PlateView(m_document, {960, 240, 3615, 1215}, client);
    m_plate->setObjectName(QStringLiteral("Picture2"));
    m_turn = new PlateTurn(m_plate);
    m_turn->setObjectName(QStringLiteral("plateTurn"));
    m_player = new RollPlayer(m_document, m_services.clock, m_plate);
    m_player->setObjectName(QStringLiteral("rollPlayer"));
    // Made in the order of the design, which decides which box lies on top where two overlap.
    const std::array<std::pair<SignLine, const char *>, 4> lines{{
        {SignLine::English, "Text2"},
        {SignLine::Main, "Text1"},
        {SignLine::DestinationSmall, "Text7"},
        {SignLine::Destination, "Text3"},
    }};
    for (const auto &[line, name] : lines) {
        auto *edit = new SignLineEdit(line, m_plate);
        edit->setObjectName(QString::fromLatin1(name));
        m_lineEdits[std::size_t(line)] = edit;
        connect(edit, &QLineEdit::textEdited, this,
                [this, line = line](const QString &text) { m_document.editText(line, text); });
        connect(edit, &QLineEdit::editingFinished, &m_document, &SignDocument::endTyping);
    }

    const auto button = [client](const char *name, const TwipRect &rect, const QString &caption,
                                 QWidget *parent = nullptr) {
        auto *b = new CommandButton(rect, caption, parent ? parent : client);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    m_savePlateButton = button("Command6", {120, 3600, 1815, 375}, tr("画像として保存(&S)"));
    m_exitButton = button("Command5", {3960, 3600, 1815, 375}, tr("終了(&X)"));
    m_aboutButton = button("Command2", {2040, 3600, 1815, 375}, tr("バージョン情報(&V)"));
    m_englishColourButton =
        button("Command4", {240, 2520, 2535, 375}, tr(kFirstEnglishColourCaption));
    m_englishBandButton = button("Command3", {240, 2040, 2535, 375}, tr("英表示背景色変更(&N)"));
    m_mainColourButton =
        button("Command1", {3120, 3000, 2535, 375}, tr(kSignNameCaptions.mainColour));
    m_englishGroup = new FrameBox({120, 1800, 2775, 1695}, tr("英語表示カスタマイズ"), client);
    m_englishGroup->setObjectName(QStringLiteral("Frame2"));
    m_translateButton =
        button("honayku", {120, 1200, 2535, 375}, tr("YAHOOJAPANで翻訳(&H)"), m_englishGroup);
    m_signGroup = new FrameBox({3000, 1800, 2775, 1695}, tr("本体カスタマイズ"), client);
    m_signGroup->setObjectName(QStringLiteral("Frame1"));
    m_toggleLayoutButton =
        button("Command8", {120, 240, 2535, 375}, tr(kSignNameCaptions.toggleLayout), m_signGroup);
    m_mainFontButton =
        button("Command7", {120, 720, 2535, 375}, tr(kSignNameCaptions.mainFont), m_signGroup);
    m_plateFrame = new FrameBox({840, 0, 3855, 1575}, tr("エディタ - プレビュー"), client);
    m_plateFrame->setObjectName(QStringLiteral("Frame3"));
    m_noticeLabel = new NoticeLabel({120, 4080, 5610, 240},
                                    tr("作成した画像は個人で楽しむ範囲でお使いください。"), client);
    m_noticeLabel->setObjectName(QStringLiteral("Label1"));
    m_noticeLabel->setAutoFillBackground(true);
    QPalette notice = m_noticeLabel->palette();
    notice.setColor(QPalette::Window, systemColor(16, palette()));
    m_noticeLabel->setPalette(notice);
    m_noticeLabel->setAlignment(Qt::AlignCenter);
}

void MainWindow::createMenus()
{
    // In the menu bar's order.
    m_fileMenu = new FileMenu(menuBar(), *m_rollFiles, *m_exports, m_services, this);
    m_editMenu = new EditMenu(menuBar(), m_document, this);
    m_rollMenu = new RollMenu(menuBar(), m_document, this);
    m_formatMenu = new FormatMenu(menuBar(), m_document, m_services.messages, this);
    m_translationMenu = new TranslationMenu(menuBar(), m_services, this);
    m_helpMenu = new HelpMenu(menuBar(), m_services, this);
}

void MainWindow::connectControls()
{
    connect(m_mainColourButton, &QPushButton::clicked, m_colourAndFont,
            &ColourAndFontCommands::changeMainColour);
    connect(m_aboutButton, &QPushButton::clicked, this, &MainWindow::aboutRequested);
    connect(m_englishBandButton, &QPushButton::clicked, m_colourAndFont,
            &ColourAndFontCommands::changeEnglishBand);
    connect(m_englishColourButton, &QPushButton::clicked, m_colourAndFont,
            &ColourAndFontCommands::changeEnglishColour);
    connect(m_exitButton, &QPushButton::clicked, this, &MainWindow::exitAfterAsking);
    connect(m_savePlateButton, &QPushButton::clicked, m_exports, &ExportCommands::savePlate);
    connect(m_mainFontButton, &QPushButton::clicked, m_colourAndFont,
            &ColourAndFontCommands::changeMainFont);
    connect(m_toggleLayoutButton, &QPushButton::clicked, &m_document, &SignDocument::toggleLayout);
    connect(m_translateButton, &QPushButton::clicked, m_translationMenu,
            &TranslationMenu::openTranslationPage);
    connect(m_rollMenu, &RollMenu::playRequested, m_player, &RollPlayer::play);
    connect(m_fileMenu, &FileMenu::exitRequested, this, &MainWindow::exitAfterAsking);
    connect(m_helpMenu, &HelpMenu::aboutRequested, this, &MainWindow::aboutRequested);
}

void MainWindow::guardMenuShortcuts()
{
    QList<QAction *> shortcutActions;
    for (QAction *action : menuBar()->findChildren<QAction *>())
        if (!action->shortcuts().isEmpty())
            shortcutActions << action;
    auto *guard = new MenuShortcutGuard(menuBar(), shortcutActions, this);
    for (QWidget *control : centralWidget()->findChildren<QWidget *>())
        if (control->focusPolicy() != Qt::NoFocus)
            control->installEventFilter(guard);
}

void MainWindow::createRollPanel()
{
    m_rollPanel = new RollPanel(m_document, m_rollMenu->panelButtons(), this);
    // The roll's keys work in the panel as in the main window.
    m_rollPanel->addActions(m_rollMenu->menu()->actions());
    QAction *panelAction = m_rollMenu->panelAction();
    connect(m_rollPanel, &RollPanel::closed, this,
            [panelAction] { panelAction->setChecked(false); });
    connect(panelAction, &QAction::toggled, m_rollPanel, &QWidget::setVisible);
    connect(m_rollMenu, &RollMenu::renameRequested, m_rollPanel, &RollPanel::renameCurrent);
}

void MainWindow::arrangeStackingAndTabs()
{
    // Where siblings overlap the one created earlier lies above: raising them from the last
    // created to the first leaves the first on top.
    const std::array<QWidget *, 18> creationOrder{m_plate,
                                                  lineEdit(SignLine::English),
                                                  lineEdit(SignLine::Main),
                                                  lineEdit(SignLine::DestinationSmall),
                                                  lineEdit(SignLine::Destination),
                                                  m_savePlateButton,
                                                  m_exitButton,
                                                  m_aboutButton,
                                                  m_englishColourButton,
                                                  m_englishBandButton,
                                                  m_mainColourButton,
                                                  m_englishGroup,
                                                  m_translateButton,
                                                  m_signGroup,
                                                  m_toggleLayoutButton,
                                                  m_mainFontButton,
                                                  m_plateFrame,
                                                  m_noticeLabel};
    for (auto it = creationOrder.rbegin(); it != creationOrder.rend(); ++it)
        (*it)->raise();

    for (QWidget *passive :
         std::initializer_list<QWidget *>{m_signGroup, m_englishGroup, m_plateFrame, m_noticeLabel})
        passive->setFocusPolicy(Qt::NoFocus);

    const std::array<QWidget *, 14> tabOrder{lineEdit(SignLine::Main),
                                             lineEdit(SignLine::English),
                                             m_toggleLayoutButton,
                                             m_englishBandButton,
                                             m_englishColourButton,
                                             m_translateButton,
                                             m_mainFontButton,
                                             m_mainColourButton,
                                             m_savePlateButton,
                                             m_exitButton,
                                             m_aboutButton,
                                             m_plate,
                                             lineEdit(SignLine::Destination),
                                             lineEdit(SignLine::DestinationSmall)};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void MainWindow::turnToCurrentFrame()
{
    const Frame from = m_shownFrame;
    const int fromIndex = m_shownIndex;
    showCurrentFrame();
    // An LED panel does not roll: it shows the next frame at once. Where playing stops, the
    // frame is on show already.
    if (isVisible() && from != m_shownFrame && m_services.animations.enabled() &&
        !m_document.look().isLed() && !m_player->isPlaying())
        m_turn->turn(from, m_shownFrame, m_shownIndex >= fromIndex);
}

void MainWindow::showCurrentFrame()
{
    const Frame &frame = m_document.currentFrame();
    m_shownFrame = frame;
    m_shownIndex = m_document.currentIndex();
    m_rollMenu->enableForCurrentFrame();
    for (SignLineEdit *edit : m_lineEdits)
        edit->showFrame(frame);
    m_plate->update();

    const bool signName = frame.layout == SignLayout::SignName;
    const LayoutCaptions &captions = signName ? kSignNameCaptions : kTypeCaptions;
    m_toggleLayoutButton->setText(tr(captions.toggleLayout));
    m_englishColourButton->setText(tr(signName && !m_document.signNameRestored()
                                          ? kFirstEnglishColourCaption
                                          : captions.englishColour));
    m_mainFontButton->setText(tr(captions.mainFont));
    m_mainColourButton->setText(tr(captions.mainColour));
    // The type layout's English line is always black; the band chosen for the sign name waits.
    m_englishBandButton->setEnabled(signName);
    m_formatMenu->showFrame(frame);
}

void MainWindow::showLook()
{
    const bool led = m_document.look().isLed();
    m_formatMenu->showLook(m_document.look());
    for (SignLineEdit *edit : m_lineEdits)
        edit->setOverLed(led);
    m_plate->update();
}

void MainWindow::exitAfterAsking()
{
    if (!confirmExit(m_services.messages))
        return;
    // The closing that follows must not ask a second time.
    m_exitConfirmed = true;
    close();
    QCoreApplication::quit();
}

bool MainWindow::confirmClose()
{
    if (!m_exitConfirmed && confirmExit(m_services.messages))
        m_exitConfirmed = true;
    return m_exitConfirmed;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (confirmClose()) {
        m_rollPanel->hide();
        QMainWindow::closeEvent(event);
    } else {
        event->ignore();
    }
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Once the window has its place on the screen.
    if (m_panelPlaced)
        return;
    m_panelPlaced = true;
    placeRollPanel();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // The window's frame is known only once it is up, and a window manager may move the window
    // then: the panel keeps beside it for as long as the user leaves the panel where it was put.
    if (m_panelPlace && m_rollPanel->isVisible() && m_rollPanel->geometry() == *m_panelPlace)
        placeRollPanel();
}

void MainWindow::placeRollPanel()
{
    const QRect frame = frameGeometry();
    // The panel's frame is taken to be as thick as the window's.
    const QMargins decoration(geometry().left() - frame.left(), geometry().top() - frame.top(),
                              frame.right() - geometry().right(),
                              frame.bottom() - geometry().bottom());
    const QSize extra(decoration.left() + decoration.right(),
                      decoration.top() + decoration.bottom());
    const QRect screen = this->screen()->availableGeometry();
    const std::optional<QRect> place =
        besideOrBelow(frame, QSize(m_rollPanel->sizeHint().width() + extra.width(), frame.height()),
                      m_rollPanel->smallestUsefulHeight() + extra.height(), screen);
    if (!place) {
        // Asked for all the same, it stands at the screen's right edge.
        const QSize size(m_rollPanel->sizeHint().width() + extra.width(), frame.height());
        m_rollPanel->setGeometry(QRect(QPoint(screen.right() + 1 - size.width(), frame.top()), size)
                                     .marginsRemoved(decoration));
        m_rollMenu->panelAction()->setChecked(false);
        m_panelPlace.reset();
        return;
    }
    m_panelPlace = place->marginsRemoved(decoration);
    m_rollPanel->setGeometry(*m_panelPlace);
    m_rollPanel->setVisible(m_rollMenu->panelAction()->isChecked());
}

void MainWindow::showFileName()
{
    const QString &fileName = m_document.fileName();
    QString name = QFileInfo(fileName).fileName();
    if (m_document.isReadOnly())
        name += tr("（読み取り専用）");
    setWindowTitle(fileName.isEmpty()
                       ? kAppTitleWithMajorVersion + QStringLiteral("[*]")
                       : QStringLiteral("%1[*] - %2").arg(name, kAppTitleWithMajorVersion));
    setWindowModified(m_document.isModified());
}

namespace {

// The one roll file a drag carries, or nothing.
QString droppedRollFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return {};
    const QString path = urls.constFirst().toLocalFile();
    return path.endsWith(QStringLiteral(".quintelo"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedRollFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString fileName = droppedRollFile(event->mimeData());
    if (fileName.isEmpty())
        return;
    event->acceptProposedAction();
    // Asked after the drop has ended, so that the source is not kept waiting on a question.
    QMetaObject::invokeMethod(
        this, [this, fileName] { m_rollFiles->openAfterAsking(fileName); }, Qt::QueuedConnection);
}
