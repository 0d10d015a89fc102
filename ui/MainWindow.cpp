#include "ui/MainWindow.h"

#include "export/ExportManager.h"
#include "export/PictureFormat.h"
#include "export/SaveFailureMessage.h"
#include "export/VectorPictures.h"
#include "identity/AppIdentity.h"
#include "platform/DesktopAnimations.h"
#include "platform/DialogService.h"
#include "platform/MessageBoxService.h"
#include "platform/RunModal.h"
#include "platform/Services.h"
#include "platform/SystemColor.h"
#include "render/PlatePainter.h"
#include "sign/PlateGeometry.h"
#include "sign/SignPresets.h"
#include "ui/CommandButton.h"
#include "ui/ExportSettingsDialog.h"
#include "ui/LaunchCommands.h"
#include "ui/LedSettingsDialog.h"
#include "ui/MenuShortcutGuard.h"
#include "ui/PanelPlacement.h"
#include "ui/PlateTurn.h"
#include "ui/PlateView.h"
#include "ui/RollExportCommands.h"
#include "ui/RollFileCommands.h"
#include "ui/RollPanel.h"
#include "ui/SignLineEdit.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QPixmap>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

namespace {

// What the buttons that act on the main and English lines say in each layout.
struct LayoutCaptions
{
    QString toggleLayout;
    QString englishColour;
    QString mainFont;
    QString mainColour;
};

const LayoutCaptions kSignNameCaptions{
    QStringLiteral("種別・行き先に変更(&I)"), QStringLiteral("英字文字色変更(&N)"),
    QStringLiteral("方向幕フォント変更(&F)"), QStringLiteral("方向幕文字色変更(&M)")};
const LayoutCaptions kTypeCaptions{
    QStringLiteral("種別幕のみに変更(&I)"), QStringLiteral("種別英字文字色変更(&N)"),
    QStringLiteral("種別フォント変更(&F)"), QStringLiteral("種別文字色変更(&M)")};
// Until the sign-name layout is first returned to, the English colour button keeps the caption
// the window opens with.
const QString kFirstEnglishColourCaption = QStringLiteral("英表示文字色変更(&L)");

const QString kUndoCaption = QStringLiteral("元に戻す(&U)");
const QString kRedoCaption = QStringLiteral("やり直し(&R)");

// Nothing composed is kept anywhere else, so every way out asks first.
bool confirmExit(MessageBoxService &messages)
{
    return messages.askYesNo(kAppTitle,
                             QStringLiteral("終了しますか？未保存データは削除されます。"),
                             MessageBoxService::Icon::Exclamation);
}

// The style measures a caption with its access-key marker when it decides whether the caption
// fits, while the menu sizes itself without it; the widest caption would lose its middle to an
// ellipsis. Each time the menu opens it is made that much wider.
void keepCaptionsWhole(QMenu *menu)
{
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        // The menu lays its items out again only when told that they changed: once to measure
        // them without the width of its last opening, which would otherwise grow each time, and
        // once to lay them out at the new width.
        const auto relayOut = [menu] {
            QEvent itemsChanged(QEvent::FontChange);
            QCoreApplication::sendEvent(menu, &itemsChanged);
        };
        menu->setMinimumWidth(0);
        relayOut();
        menu->setMinimumWidth(menu->sizeHint().width() +
                              menu->fontMetrics().horizontalAdvance(u'&'));
        relayOut();
    });
}

QAction *menuItem(QMenu *menu, const char *name, const QString &caption,
                  const QList<QKeySequence> &keys = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    return action;
}

// 均等割り付け as it stands for the frame: greyed, with the reason, where no line could spread,
// unless it is on and may be turned off; ticked, with a note, where it is on but spreads nothing.
void showJustify(QAction *justify, const Frame &frame)
{
    const bool spreads = canSpread(frame);
    justify->setChecked(frame.justify);
    justify->setEnabled(spreads || frame.justify);
    justify->setToolTip(spreads ? QStringLiteral("二～四文字の名前を行いっぱいに均等に並べます")
                        : frame.justify
                            ? QStringLiteral("今の名前は二～四文字でないので並べ替えません")
                            : QStringLiteral("幕名・種別・行き先が二～四文字のときに使えます"));
}

} // namespace

MainWindow::MainWindow(Services &services, const AutosaveStore *otherCopies, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kAppTitleWithMajorVersion);
    setWindowIcon(QIcon(QStringLiteral(":/quintelo.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    m_rollFiles = new RollFileCommands(m_document, services, otherCopies, this);
    m_exports = new RollExportCommands(m_document, services, this);
    setAcceptDrops(true);
    createControls();
    createMenus();
    arrangeStackingAndTabs();
    m_rollPanel = new RollPanel(m_document,
                                {m_addFrameAction, m_duplicateFrameAction, m_deleteFrameAction,
                                 m_moveUpAction, m_moveDownAction, m_renameFrameAction},
                                this);
    // The roll's keys work in the panel as in the main window.
    m_rollPanel->addActions(m_rollMenu->actions());
    connect(m_rollPanel, &RollPanel::closed, this, [this] { m_panelAction->setChecked(false); });
    connect(m_panelAction, &QAction::toggled, m_rollPanel, &QWidget::setVisible);
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
    m_savePlateButton =
        button("Command6", {120, 3600, 1815, 375}, QStringLiteral("画像として保存(&S)"));
    m_exitButton = button("Command5", {3960, 3600, 1815, 375}, QStringLiteral("終了(&X)"));
    m_aboutButton =
        button("Command2", {2040, 3600, 1815, 375}, QStringLiteral("バージョン情報(&V)"));
    m_englishColourButton = button("Command4", {240, 2520, 2535, 375}, kFirstEnglishColourCaption);
    m_englishBandButton =
        button("Command3", {240, 2040, 2535, 375}, QStringLiteral("英表示背景色変更(&N)"));
    m_mainColourButton = button("Command1", {3120, 3000, 2535, 375}, kSignNameCaptions.mainColour);
    m_englishGroup =
        new FrameBox({120, 1800, 2775, 1695}, QStringLiteral("英語表示カスタマイズ"), client);
    m_englishGroup->setObjectName(QStringLiteral("Frame2"));
    m_translateButton = button("honayku", {120, 1200, 2535, 375},
                               QStringLiteral("YAHOOJAPANで翻訳(&H)"), m_englishGroup);
    m_signGroup =
        new FrameBox({3000, 1800, 2775, 1695}, QStringLiteral("本体カスタマイズ"), client);
    m_signGroup->setObjectName(QStringLiteral("Frame1"));
    m_toggleLayoutButton =
        button("Command8", {120, 240, 2535, 375}, kSignNameCaptions.toggleLayout, m_signGroup);
    m_mainFontButton =
        button("Command7", {120, 720, 2535, 375}, kSignNameCaptions.mainFont, m_signGroup);
    m_plateFrame =
        new FrameBox({840, 0, 3855, 1575}, QStringLiteral("エディタ - プレビュー"), client);
    m_plateFrame->setObjectName(QStringLiteral("Frame3"));
    m_noticeLabel =
        new NoticeLabel({120, 4080, 5610, 240},
                        QStringLiteral("作成した画像は個人で楽しむ範囲でお使いください。"), client);
    m_noticeLabel->setObjectName(QStringLiteral("Label1"));
    m_noticeLabel->setAutoFillBackground(true);
    QPalette notice = m_noticeLabel->palette();
    notice.setColor(QPalette::Window, systemColor(16, palette()));
    m_noticeLabel->setPalette(notice);
    m_noticeLabel->setAlignment(Qt::AlignCenter);

    connect(m_mainColourButton, &QPushButton::clicked, this, &MainWindow::onMainColour);
    connect(m_aboutButton, &QPushButton::clicked, this, &MainWindow::aboutRequested);
    connect(m_englishBandButton, &QPushButton::clicked, this, &MainWindow::onEnglishBand);
    connect(m_englishColourButton, &QPushButton::clicked, this, &MainWindow::onEnglishColour);
    connect(m_exitButton, &QPushButton::clicked, this, &MainWindow::onExit);
    connect(m_savePlateButton, &QPushButton::clicked, this, &MainWindow::onSavePlate);
    connect(m_mainFontButton, &QPushButton::clicked, this, &MainWindow::onMainFont);
    connect(m_toggleLayoutButton, &QPushButton::clicked, this, &MainWindow::onToggleLayout);
    connect(m_translateButton, &QPushButton::clicked, this, &MainWindow::onOpenTranslation);
}

void MainWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("fairu"));
    m_newAction =
        menuItem(file, "sinki", QStringLiteral("新規(&N)"), {QKeySequence(Qt::CTRL | Qt::Key_N)});
    m_openAction = menuItem(file, "hiraku", QStringLiteral("開く(&O)..."),
                            {QKeySequence(Qt::CTRL | Qt::Key_O)});
    m_saveRollAction = menuItem(file, "makuhozon", QStringLiteral("幕データを保存(&D)"),
                                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    m_saveRollAsAction =
        menuItem(file, "namaewotukete", QStringLiteral("名前を付けて幕データを保存(&A)..."));
    QMenu *recent = file->addMenu(QStringLiteral("最近使ったファイル"));
    recent->setObjectName(QStringLiteral("saikin"));
    connect(file, &QMenu::aboutToShow, this,
            [this, recent] { m_rollFiles->fillRecentMenu(recent); });
    m_rollFiles->fillRecentMenu(recent);
    file->addSeparator();
    m_saveDestinationAction =
        menuItem(file, "hozon", QStringLiteral("保存(&S)"), {QKeySequence(Qt::CTRL | Qt::Key_S)});
    QMenu *exports = file->addMenu(QStringLiteral("書き出し(&E)"));
    exports->setObjectName(QStringLiteral("kakidasi"));
    m_stripAction =
        menuItem(exports, "exportStrip", QStringLiteral("全コマを縦に並べて保存(&S)..."));
    m_spinAction = menuItem(exports, "exportSpin", QStringLiteral("回転アニメーション(&A)..."));
    m_namesAction = menuItem(exports, "exportNames", QStringLiteral("コマ一覧(&L)..."));
    connect(m_stripAction, &QAction::triggered, m_exports, &RollExportCommands::saveStrip);
    connect(m_spinAction, &QAction::triggered, m_exports, &RollExportCommands::saveSpin);
    connect(m_namesAction, &QAction::triggered, m_exports, &RollExportCommands::saveFrameNames);
    m_printSheetAction =
        menuItem(exports, "insatusheet", QStringLiteral("印刷用シート (PDF)(&P)..."));
    m_exportSettingsAction =
        menuItem(file, "kakidasisettei", QStringLiteral("書き出し設定(&T)..."));
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    m_exitAction =
        menuItem(file, "end", QStringLiteral("終了(&X)"), {QKeySequence(Qt::CTRL | Qt::Key_X)});

    QMenu *edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit->setObjectName(QStringLiteral("hensyu"));
    m_undoAction = menuItem(edit, "undo", kUndoCaption, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redoAction = menuItem(
        edit, "redo", kRedoCaption,
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    createRollMenu();

    QMenu *format = menuBar()->addMenu(QStringLiteral("書式(&O)"));
    format->setObjectName(QStringLiteral("syosiki"));
    m_justifyAction = menuItem(format, "kintou", QStringLiteral("均等割り付け(&J)"));
    m_justifyAction->setCheckable(true);
    format->setToolTipsVisible(true);
    // The tick follows the frame, also where the document takes no step.
    connect(m_justifyAction, &QAction::triggered, this, [this](bool on) {
        m_document.editJustify(on);
        showJustify(m_justifyAction, m_document.currentFrame());
    });
    m_typePresetMenu = format->addMenu(QStringLiteral("種別プリセット(&T)"));
    m_typePresetMenu->setObjectName(QStringLiteral("syubetu"));
    m_lineColourMenu = format->addMenu(QStringLiteral("路線色(&L)"));
    m_lineColourMenu->setObjectName(QStringLiteral("rosensyoku"));
    fillPresetMenus();

    // The look is the whole roll's; a menu of its own would take Alt+V from the About button.
    format->addSeparator();
    m_plateLookAction = menuItem(format, "maku", QStringLiteral("幕として表示(&M)"));
    m_ledLookAction = menuItem(format, "led", QStringLiteral("LED として表示(&D)"));
    auto *looks = new QActionGroup(format);
    for (QAction *look : {m_plateLookAction, m_ledLookAction}) {
        look->setCheckable(true);
        looks->addAction(look);
    }
    QAction *ledSettings = menuItem(format, "ledsettei", QStringLiteral("LED の設定(&S)..."));
    connect(m_plateLookAction, &QAction::triggered, this, [this] {
        m_document.editLook({LookKind::Plate, m_document.look().led});
    });
    connect(m_ledLookAction, &QAction::triggered, this, [this] {
        m_document.editLook({LookKind::Led, m_document.look().led});
    });
    connect(ledSettings, &QAction::triggered, this, &MainWindow::onLedSettings);

    QMenu *translation = menuBar()->addMenu(QStringLiteral("翻訳(&C)"));
    translation->setObjectName(QStringLiteral("iro"));
    m_translateAction = menuItem(translation, "honyak", QStringLiteral("YAHOO翻訳(&H)"),
                                 {QKeySequence(Qt::CTRL | Qt::Key_H)});

    QMenu *help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("herupu"));
    m_aboutAction = menuItem(help, "bajyon", QStringLiteral("バージョン情報(&V)"),
                             {QKeySequence(Qt::CTRL | Qt::Key_V)});
    m_helpAction =
        menuItem(help, "hajimeni", QStringLiteral("ヘルプ(&S)"), {QKeySequence(Qt::Key_F1)});

    connect(m_newAction, &QAction::triggered, m_rollFiles, &RollFileCommands::newRoll);
    connect(m_openAction, &QAction::triggered, m_rollFiles, &RollFileCommands::open);
    connect(m_saveRollAction, &QAction::triggered, m_rollFiles, &RollFileCommands::save);
    connect(m_saveRollAsAction, &QAction::triggered, m_rollFiles, &RollFileCommands::saveAs);
    connect(m_saveDestinationAction, &QAction::triggered, this, &MainWindow::onSaveDestination);
    connect(m_printSheetAction, &QAction::triggered, this, &MainWindow::onSavePrintSheet);
    connect(m_exportSettingsAction, &QAction::triggered, this, &MainWindow::onExportSettings);
    connect(m_exitAction, &QAction::triggered, this, &MainWindow::onExit);
    connect(m_undoAction, &QAction::triggered, &m_document, &SignDocument::undo);
    connect(m_redoAction, &QAction::triggered, &m_document, &SignDocument::redo);
    connect(m_translateAction, &QAction::triggered, this, &MainWindow::onOpenTranslation);
    connect(m_aboutAction, &QAction::triggered, this, &MainWindow::aboutRequested);
    connect(m_helpAction, &QAction::triggered, this, &MainWindow::onOpenHelp);

    // Each item names the step it would take back or again, and is greyed when there is none.
    QUndoStack &history = m_document.undoStack();
    const auto describeHistory = [this, &history] {
        m_undoAction->setEnabled(history.canUndo());
        m_undoAction->setText(history.canUndo()
                                  ? QStringLiteral("%1: %2").arg(kUndoCaption, history.undoText())
                                  : kUndoCaption);
        m_redoAction->setEnabled(history.canRedo());
        m_redoAction->setText(history.canRedo()
                                  ? QStringLiteral("%1: %2").arg(kRedoCaption, history.redoText())
                                  : kRedoCaption);
    };
    connect(&history, &QUndoStack::indexChanged, this, describeHistory);
    describeHistory();

    for (QMenu *menu : {file, recent, exports, edit, m_rollMenu, format, m_typePresetMenu,
                        m_lineColourMenu, translation, help})
        keepCaptionsWhole(menu);

    auto *guard = new MenuShortcutGuard(menuBar(),
                                        {m_newAction, m_openAction, m_saveRollAction,
                                         m_saveDestinationAction, m_exitAction, m_undoAction,
                                         m_redoAction, m_nextFrameAction, m_previousFrameAction,
                                         m_translateAction, m_aboutAction, m_helpAction},
                                        this);
    for (QWidget *control : centralWidget()->findChildren<QWidget *>())
        if (control->focusPolicy() != Qt::NoFocus)
            control->installEventFilter(guard);
}

void MainWindow::createRollMenu()
{
    m_rollMenu = menuBar()->addMenu(QStringLiteral("コマ(&K)"));
    m_rollMenu->setObjectName(QStringLiteral("koma"));
    m_nextFrameAction = menuItem(m_rollMenu, "nextFrame", QStringLiteral("次のコマ(&N)"),
                                 {QKeySequence(Qt::Key_PageDown)});
    m_previousFrameAction = menuItem(m_rollMenu, "previousFrame", QStringLiteral("前のコマ(&P)"),
                                     {QKeySequence(Qt::Key_PageUp)});
    m_rollMenu->addSeparator();
    m_addFrameAction = menuItem(m_rollMenu, "addFrame", QStringLiteral("コマを追加(&A)"));
    m_duplicateFrameAction =
        menuItem(m_rollMenu, "duplicateFrame", QStringLiteral("コマを複製(&D)"));
    m_deleteFrameAction = menuItem(m_rollMenu, "deleteFrame", QStringLiteral("コマを削除(&L)"));
    m_moveUpAction = menuItem(m_rollMenu, "moveFrameUp", QStringLiteral("上へ移動(&U)"));
    m_moveDownAction = menuItem(m_rollMenu, "moveFrameDown", QStringLiteral("下へ移動(&W)"));
    m_renameFrameAction =
        menuItem(m_rollMenu, "renameFrame", QStringLiteral("コマの名前を変更(&R)"));
    // The panel's buttons carry the short words; the menu says it in full.
    for (const auto &[action, word] : {std::pair{m_addFrameAction, "追加"},
                                       {m_duplicateFrameAction, "複製"},
                                       {m_deleteFrameAction, "削除"},
                                       {m_moveUpAction, "▲"},
                                       {m_moveDownAction, "▼"},
                                       {m_renameFrameAction, "名前"}})
        action->setIconText(QString::fromUtf8(word));
    m_rollMenu->addSeparator();
    m_panelAction = menuItem(m_rollMenu, "showRollPanel", QStringLiteral("コマ一覧を表示(&K)"));
    m_panelAction->setCheckable(true);
    m_panelAction->setChecked(true);

    const auto step = [this](int by) {
        m_document.setCurrentIndex(
            std::clamp(m_document.currentIndex() + by, 0, m_document.frameCount() - 1));
    };
    connect(m_nextFrameAction, &QAction::triggered, this, [step] { step(1); });
    connect(m_previousFrameAction, &QAction::triggered, this, [step] { step(-1); });
    connect(m_addFrameAction, &QAction::triggered, &m_document, &SignDocument::addFrame);
    connect(m_duplicateFrameAction, &QAction::triggered, &m_document,
            &SignDocument::duplicateFrame);
    connect(m_deleteFrameAction, &QAction::triggered, &m_document, &SignDocument::deleteFrame);
    const auto move = [this](int by) {
        const int from = m_document.currentIndex();
        m_document.moveFrame(from, from + by);
    };
    connect(m_moveUpAction, &QAction::triggered, this, [move] { move(-1); });
    connect(m_moveDownAction, &QAction::triggered, this, [move] { move(1); });
    connect(m_renameFrameAction, &QAction::triggered, this, [this] {
        m_panelAction->setChecked(true);
        m_rollPanel->renameCurrent();
    });
}

void MainWindow::enableRollActions()
{
    const int current = m_document.currentIndex();
    const int last = m_document.frameCount() - 1;
    m_previousFrameAction->setEnabled(current > 0);
    m_moveUpAction->setEnabled(current > 0);
    m_nextFrameAction->setEnabled(current < last);
    m_moveDownAction->setEnabled(current < last);
    m_deleteFrameAction->setEnabled(last > 0);
}

void MainWindow::fillPresetMenus()
{
    const SignPresets presets =
        SignPresets::load(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                          QStringLiteral("/presets.json"));
    const auto swatch = [](const QColor &colour) {
        QPixmap square(16, 16);
        square.fill(colour);
        return QIcon(square);
    };
    for (const SignPresets::ServiceType &type : presets.serviceTypes)
        connect(m_typePresetMenu->addAction(swatch(type.background), type.name),
                &QAction::triggered, this,
                [this, type] { m_document.editTypePlate(type.background, type.text); });
    for (const SignPresets::LineColour &line : presets.lineColours)
        connect(m_lineColourMenu->addAction(swatch(line.colour), line.name), &QAction::triggered,
                this, [this, line] { m_document.editEnglishBand(line.colour); });
    // Told once the window is up, over it.
    if (!presets.problem.isEmpty())
        QTimer::singleShot(0, this, [this, problem = presets.problem] {
            m_services.messages.tell(kAppTitle, problem, MessageBoxService::Icon::Exclamation);
        });
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
    // An LED panel does not roll: it shows the next frame at once.
    if (isVisible() && from != m_shownFrame && m_services.animations.enabled() &&
        !m_document.look().isLed())
        m_turn->turn(from, m_shownFrame, m_shownIndex >= fromIndex);
}

void MainWindow::showCurrentFrame()
{
    const Frame &frame = m_document.currentFrame();
    m_shownFrame = frame;
    m_shownIndex = m_document.currentIndex();
    enableRollActions();
    for (SignLineEdit *edit : m_lineEdits)
        edit->showFrame(frame);
    m_plate->update();

    const bool signName = frame.layout == SignLayout::SignName;
    const LayoutCaptions &captions = signName ? kSignNameCaptions : kTypeCaptions;
    m_toggleLayoutButton->setText(captions.toggleLayout);
    m_englishColourButton->setText(signName && !m_document.signNameRestored()
                                       ? kFirstEnglishColourCaption
                                       : captions.englishColour);
    m_mainFontButton->setText(captions.mainFont);
    m_mainColourButton->setText(captions.mainColour);
    // The type layout's English line is always black; the band chosen for the sign name waits.
    m_englishBandButton->setEnabled(signName);
    m_lineColourMenu->menuAction()->setEnabled(signName);
    m_typePresetMenu->menuAction()->setEnabled(!signName);
    showJustify(m_justifyAction, frame);
}

std::optional<QColor> MainWindow::chooseColour()
{
    return m_dialogMemory.chooseColour(m_services.dialogs);
}

void MainWindow::onMainColour()
{
    if (const std::optional<QColor> colour = chooseColour())
        m_document.editMainColour(*colour);
}

void MainWindow::onEnglishColour()
{
    if (const std::optional<QColor> colour = chooseColour())
        m_document.editEnglishColour(*colour);
}

void MainWindow::onEnglishBand()
{
    if (const std::optional<QColor> colour = chooseColour())
        m_document.editEnglishBand(*colour);
}

void MainWindow::onMainFont()
{
    const Frame &frame = m_document.currentFrame();
    const QFont &current = frame.mainFont;
    const DialogService::FontChoice initial{
        current.family(),    float(current.pointSizeF()), current.bold(),  current.italic(),
        current.underline(), current.strikeOut(),         frame.mainColour};
    const std::optional<DialogService::FontChoice> chosen =
        m_services.dialogs.chooseFont({initial, true});
    if (!chosen)
        return;
    QFont font = frame.mainFont;
    font.setFamily(chosen->family);
    // Qt takes no size of 0 or less; the dialog never gives one, a script might.
    if (chosen->pointSize > 0)
        font.setPointSizeF(chosen->pointSize);
    font.setBold(chosen->bold);
    font.setItalic(chosen->italic);
    font.setUnderline(chosen->underline);
    font.setStrikeOut(chosen->strikeOut);
    m_document.editMainFont(font, chosen->colour);
}

void MainWindow::onToggleLayout()
{
    m_document.toggleLayout();
}

void MainWindow::onLedSettings()
{
    LedSettingsDialog dialog(m_document.look().led, this);
    // Choosing the panel's settings is choosing to see it.
    if (runModal(dialog) == QDialog::Accepted)
        m_document.editLook({LookKind::Led, dialog.settings()});
}

void MainWindow::showLook()
{
    const bool led = m_document.look().isLed();
    (led ? m_ledLookAction : m_plateLookAction)->setChecked(true);
    for (SignLineEdit *edit : m_lineEdits)
        edit->setOverLed(led);
    m_plate->update();
}

void MainWindow::onSavePlate()
{
    savePicture(QRect(QPoint(), PlatePainter(m_document.currentFrame(), m_document.look()).size()));
}

void MainWindow::onSaveDestination()
{
    // The destination box's area as the plate shows it: in the sign-name layout that is the
    // part of the sign name lying where the hidden box would be. On the LED panel, the
    // destination's columns.
    savePicture(PlatePainter(m_document.currentFrame(), m_document.look()).destinationArea());
}

void MainWindow::savePicture(const QRect &area)
{
    const std::optional<QString> fileName = m_services.dialogs.chooseSaveFileName(
        {QStringLiteral("方向幕画像の保存"), PictureFormat::fileDialogFilter(),
         QStringLiteral("gif"), QString(), m_dialogMemory.pictureSaveReadOnlyBox()});
    if (!fileName || fileName->isEmpty())
        return;
    const qreal scale = ExportSettings::load(m_services.settings).scaleFor(area.size());
    const ExportManager::Result result =
        ExportManager(m_services.imageWriter, &m_services.saveJournal)
            .saveFrame(m_document.currentFrame(), area, scale, *fileName, {}, m_document.look());
    if (!result.ok())
        m_services.messages.tell(kAppTitle, saveFailureMessage(result),
                                 MessageBoxService::Icon::Critical);
}

void MainWindow::onSavePrintSheet()
{
    const std::optional<QString> fileName = m_services.dialogs.chooseSaveFileName(
        {QStringLiteral("印刷用シートの保存"), QStringLiteral("PDFファイル(*.pdf)"),
         QStringLiteral("pdf"), QString()});
    if (!fileName)
        return;
    const ExportSettings settings = ExportSettings::load(m_services.settings);
    const PrintSheet sheet(ExportSettings::pageSize(settings.paper), settings.frameMillimetres,
                           PlatePainter(m_document.currentFrame(), m_document.look()).size());
    const ExportManager::Result result =
        ExportManager(m_services.imageWriter, &m_services.saveJournal)
            .savePrintSheet(m_document.frames(), sheet, *fileName, m_document.look());
    if (!result.ok())
        m_services.messages.tell(kAppTitle, saveFailureMessage(result),
                                 MessageBoxService::Icon::Critical);
}

void MainWindow::onExportSettings()
{
    ExportSettingsDialog dialog(ExportSettings::load(m_services.settings), this);
    if (runModal(dialog) == QDialog::Accepted)
        dialog.settings().save(m_services.settings);
}

void MainWindow::onOpenTranslation()
{
    LaunchCommands(m_services.messages, m_services.launcher, QCoreApplication::applicationDirPath())
        .openTranslationPage();
}

void MainWindow::onOpenHelp()
{
    LaunchCommands(m_services.messages, m_services.launcher, QCoreApplication::applicationDirPath())
        .openHelp();
}

void MainWindow::onExit()
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
        m_panelAction->setChecked(false);
        m_panelPlace.reset();
        return;
    }
    m_panelPlace = place->marginsRemoved(decoration);
    m_rollPanel->setGeometry(*m_panelPlace);
    m_rollPanel->setVisible(m_panelAction->isChecked());
}

void MainWindow::showFileName()
{
    const QString &fileName = m_document.fileName();
    QString name = QFileInfo(fileName).fileName();
    if (m_document.isReadOnly())
        name += QStringLiteral("（読み取り専用）");
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
