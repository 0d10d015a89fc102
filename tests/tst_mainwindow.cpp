#include "FakeServices.h"
#include "TestSetup.h"
#include "composer/MainWindow.h"
#include "composer/PictureBox.h"
#include "composer/SignPlate.h"
#include "composer/SignTextBox.h"

#include <QAction>
#include <QClipboard>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kBlue = qRgb(0, 0, 0xFF);

// Where the plate's parts lie in pixels: Text1 from row 16 to 57, the blue band from row 64.
constexpr int kText1Top = 16;
constexpr int kText1Bottom = 57;
constexpr int kBandTop = 64;

bool whitish(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200;
}

int countPixels(const QImage &image, int top, int bottom, bool (*match)(QRgb))
{
    int n = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            n += match(image.pixel(x, y)) ? 1 : 0;
    return n;
}

bool rowIs(const QImage &image, int y, QRgb colour)
{
    for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != colour)
            return false;
    return true;
}

// The child of container that the user sees at pos, whatever lies inside it.
QWidget *siblingOnTop(QWidget *container, const QPoint &pos)
{
    QWidget *hit = container->childAt(pos);
    while (hit && hit->parentWidget() != container)
        hit = hit->parentWidget();
    return hit;
}

// What the text box shows for a text, without the cursor blinking in it.
QImage shownText(SignTextBox *box, const QString &text)
{
    box->setText(text);
    return box->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void init();
    void cleanup();

    void plateAndBoxSizes();
    void onlyTheSignNameLayoutIsVisible();
    void plateShowsTheSignInWhiteOnBlackAboveABlueBand();
    void japaneseGlyphsRender();
    void separatorCannotBeSeen();
    void windowHasAFixedSize();
    void captionsCarryTheirAccessKeys();
    void earlierCreatedSiblingsLieAbove();
    void focusStartsInText1AndTabSkipsHiddenBoxes();
    void menuShortcutsWinOverTheTextBox_data();
    void menuShortcutsWinOverTheTextBox();
    void textBoxesHaveNoLengthLimit();
    void signStateRoundTrips();

private:
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindow::init()
{
    m_fakes = std::make_unique<FakeServices>();
    m_window = std::make_unique<MainWindow>(m_fakes->services);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    m_fakes.reset();
}

void TestMainWindow::plateAndBoxSizes()
{
    MainWindow &w = *m_window;
    QCOMPARE(w.Picture2()->size(), QSize(241, 81));
    QCOMPARE(w.Picture2()->grab().size(), QSize(241, 81));
    QCOMPARE(w.Text3()->size(), QSize(137, 41));

    SignTextBox *text1 = w.Text1();
    QCOMPARE(text1->Left(), 0);
    QCOMPARE(text1->Top(), 240);
    QCOMPARE(text1->Width(), 3615);
    QCOMPARE(text1->Height(), 630);
    QCOMPARE(text1->geometry(), QRect(0, 16, 241, 42));
}

void TestMainWindow::onlyTheSignNameLayoutIsVisible()
{
    MainWindow &w = *m_window;
    QVERIFY(w.Text1()->isVisible());
    QVERIFY(w.Text2()->isVisible());
    QVERIFY(!w.Text3()->isVisible());
    QVERIFY(!w.Text7()->isVisible());
    QVERIFY(!w.Text4()->isVisible());
    QVERIFY(!w.Picture1()->isVisible());
    QCOMPARE(w.Text1()->text(), QStringLiteral("幕名"));
    QCOMPARE(w.Text2()->text(), QStringLiteral("英語文字"));
}

void TestMainWindow::plateShowsTheSignInWhiteOnBlackAboveABlueBand()
{
    const QImage plate =
        m_window->Picture2()->grab().toImage().convertToFormat(QImage::Format_RGB32);

    for (int y = 0; y < kText1Top; ++y)
        QVERIFY2(rowIs(plate, y, kBlack), qPrintable(QStringLiteral("row %1").arg(y)));
    QCOMPARE(plate.pixel(2, (kText1Top + kText1Bottom) / 2), kBlack);

    int blueRows = 0;
    for (int y = kBandTop; y < plate.height(); ++y)
        blueRows += rowIs(plate, y, kBlue) ? 1 : 0;
    QVERIFY2(blueRows >= 2, "the English line's band is not pure blue");
    for (int y = 0; y < kBandTop; ++y)
        QVERIFY(plate.pixel(2, y) != kBlue);

    // Two bold 24-point characters leave far more than a few stray white pixels.
    const int signWhite = countPixels(plate, kText1Top, kText1Bottom, whitish);
    QVERIFY2(signWhite > 150, qPrintable(QStringLiteral("%1 white pixels").arg(signWhite)));
    const int bandWhite = countPixels(plate, kBandTop, plate.height() - 1, whitish);
    QVERIFY2(bandWhite > 20, qPrintable(QStringLiteral("%1 white pixels").arg(bandWhite)));
}

void TestMainWindow::japaneseGlyphsRender()
{
    m_window->Command8()->setFocus();
    SignTextBox *text1 = m_window->Text1();

    // A font without kana and kanji draws the same empty box for every character.
    const QImage sign = shownText(text1, QStringLiteral("幕名"));
    const QImage missing = shownText(text1, QString(QChar(0xE000)) + QChar(0xE001));
    QVERIFY(sign != missing);
    QVERIFY(shownText(text1, QStringLiteral("幕")) != shownText(text1, QStringLiteral("名")));

    SignTextBox *text2 = m_window->Text2();
    QVERIFY(shownText(text2, QStringLiteral("英語")) != shownText(text2, QStringLiteral("文字")));
}

void TestMainWindow::separatorCannotBeSeen()
{
    MainWindow &w = *m_window;
    w.Command8()->setFocus();
    w.Text1()->clear();
    w.Text2()->clear();
    const QImage plate = w.Picture2()->grab().toImage().convertToFormat(QImage::Format_RGB32);

    const int lineX = twipsToPixels(SignPlate::kLineX);
    QCOMPARE(lineX, 88);
    for (int y = 0; y < twipsToPixels(SignPlate::kLineBottom); ++y) {
        const QRgb beside = plate.pixel(lineX - 40, y);
        QCOMPARE(beside, y < kBandTop ? kBlack : kBlue);
        for (int x = lineX - 1; x <= lineX + 1; ++x)
            QVERIFY2(plate.pixel(x, y) == beside,
                     qPrintable(QStringLiteral("line shows at %1,%2").arg(x).arg(y)));
    }
}

void TestMainWindow::windowHasAFixedSize()
{
    MainWindow &w = *m_window;
    QCOMPARE(w.windowTitle(), QStringLiteral("QuinteloVersion2"));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.size(), w.minimumSize());
    QVERIFY(!w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(w.centralWidget()->size(), QSize(398, 291));
}

void TestMainWindow::captionsCarryTheirAccessKeys()
{
    MainWindow &w = *m_window;
    QCOMPARE(w.Command8()->text(), QStringLiteral("種別・行き先に変更(&I)"));
    QCOMPARE(w.Command6()->text(), QStringLiteral("画像として保存(&S)"));
    QCOMPARE(w.Command5()->text(), QStringLiteral("終了(&X)"));
    QCOMPARE(w.Frame3()->title(), QStringLiteral("エディタ - プレビュー"));

    QStringList menus;
    for (QAction *menu : w.menuBar()->actions())
        menus << menu->text();
    QCOMPARE(menus, (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("翻訳(&C)"),
                                 QStringLiteral("ヘルプ(&H)")}));
    QCOMPARE(w.hozon()->text(), QStringLiteral("保存(&S)"));
    QCOMPARE(w.end()->text(), QStringLiteral("終了(&X)"));
    QCOMPARE(w.honyak()->text(), QStringLiteral("YAHOO翻訳(&H)"));
    QCOMPARE(w.bajyon()->text(), QStringLiteral("バージョン情報(&V)"));
    QCOMPARE(w.hajimeni()->text(), QStringLiteral("ヘルプ(&S)"));
}

void TestMainWindow::earlierCreatedSiblingsLieAbove()
{
    MainWindow &w = *m_window;
    SignPlate *plate = w.Picture2();

    w.Text2()->setTwips({0, 480, 3615, 255});
    QCOMPARE(siblingOnTop(plate, {120, 40}), w.Text2());

    // As in the destination layout: Text1 out of the way, the destination boxes shown.
    w.Text1()->hide();
    w.Text3()->show();
    w.Text7()->show();
    QVERIFY(w.Text3()->geometry().intersects(w.Text7()->geometry()));
    const QRect overlap = w.Text3()->geometry().intersected(w.Text7()->geometry());
    QCOMPARE(siblingOnTop(plate, overlap.center()), w.Text7());

    QWidget *client = w.centralWidget();
    QVERIFY(w.Frame2()->geometry().contains(w.Command3()->geometry()));
    QCOMPARE(siblingOnTop(client, w.Command3()->geometry().center()), w.Command3());
    QCOMPARE(siblingOnTop(client, w.Command1()->geometry().center()), w.Command1());
    QCOMPARE(siblingOnTop(client, plate->geometry().center()), plate);
}

void TestMainWindow::focusStartsInText1AndTabSkipsHiddenBoxes()
{
    MainWindow &w = *m_window;
    QCOMPARE(QApplication::focusWidget(), w.Text1());

    QStringList reached;
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QVERIFY2(focus->isVisible(), qPrintable(focus->objectName()));
        if (focus == w.Text1())
            break;
        reached << focus->objectName();
    }
    QCOMPARE(QApplication::focusWidget(), w.Text1());
    const QStringList expected{"Text2",    "Command8", "Command3", "Command4",
                               "honayku",  "Command7", "Command1", "Command6",
                               "Command5", "Command2", "Picture2"};
    QCOMPARE(reached, expected);
}

void TestMainWindow::menuShortcutsWinOverTheTextBox_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("action");

    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << QStringLiteral("hozon");
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << QStringLiteral("end");
    QTest::newRow("Ctrl+H") << int(Qt::Key_H) << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << QStringLiteral("honyak");
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << QStringLiteral("bajyon");
    QTest::newRow("F1") << int(Qt::Key_F1) << Qt::KeyboardModifiers(Qt::NoModifier)
                        << QStringLiteral("hajimeni");
}

void TestMainWindow::menuShortcutsWinOverTheTextBox()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, action);

    MainWindow &w = *m_window;
    const QList<QAction *> actions{w.hozon(), w.end(), w.honyak(), w.bajyon(), w.hajimeni()};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (QAction *a : actions)
        spies.push_back(std::make_unique<QSignalSpy>(a, &QAction::triggered));

    QGuiApplication::clipboard()->setText(QStringLiteral("貼り付け"));
    SignTextBox *text1 = w.Text1();
    QCOMPARE(QApplication::focusWidget(), text1);
    text1->selectAll();
    QTest::keyClick(text1, Qt::Key(key), modifiers);

    for (qsizetype i = 0; i < actions.size(); ++i)
        QCOMPARE(spies[std::size_t(i)]->count(), actions[i]->objectName() == action ? 1 : 0);
    // Neither cut nor paste reached the text.
    QCOMPARE(text1->text(), QStringLiteral("幕名"));
}

void TestMainWindow::textBoxesHaveNoLengthLimit()
{
    SignTextBox *text1 = m_window->Text1();
    text1->setText(QString(40000, QChar(u'幕')));
    QCOMPARE(text1->text().size(), 40000);

    // Pasted as a user would, through the paste key the menu shortcuts leave alone.
    QGuiApplication::clipboard()->setText(QString(40000, QLatin1Char('a')));
    text1->clear();
    QTest::keyClick(text1, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(text1->text().size(), 40000);
}

void TestMainWindow::signStateRoundTrips()
{
    MainWindow &w = *m_window;
    const SignState original = w.signState();
    QCOMPARE(original.controls.at(QStringLiteral("Text1")).text, QStringLiteral("幕名"));
    QVERIFY(original.controls.at(QStringLiteral("Text1")).visible);
    QVERIFY(!original.controls.at(QStringLiteral("Text3")).visible);

    QTest::keyClicks(w.Text1(), QStringLiteral("abc"));
    w.Text2()->setBackColor(Qt::red);
    w.Text1()->setFontSize(30);
    w.Text3()->show();
    w.Text2()->setTwips({0, 480, 3615, 255});
    w.Command3()->setEnabled(false);
    w.Command8()->setText(QStringLiteral("x"));
    QVERIFY(w.signState() != original);

    w.setSignState(original);
    QVERIFY(w.signState() == original);
    QCOMPARE(w.Text1()->text(), QStringLiteral("幕名"));
    QVERIFY(!w.Text3()->isVisible());
    QCOMPARE(w.Text2()->geometry(), QRect(0, 64, 241, 17));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
