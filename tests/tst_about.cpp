#include "FakeServices.h"
#include "TestSetup.h"
#include "app/AboutBox.h"
#include "app/AppController.h"
#include "app/SplashWindow.h"
#include "composer/MainWindow.h"
#include "composer/SignTextBox.h"

#include <QAction>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

constexpr int kWaitBoundMs = 5000;

// What a test saw of one opening of the box.
struct Opening
{
    QPointer<AboutBox> box;
    bool modalWithoutOwner = false;
    // The box was still open when the bound ran out and had to be closed by the test.
    bool leftOpen = false;
};

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void looksAsDesigned();
    void opensFreshFromEveryCommand_data();
    void opensFreshFromEveryCommand();
    void closesEveryWay_data();
    void closesEveryWay();
    void systemInfoChangesNothing();

private:
    Opening openWhile(const std::function<void()> &open,
                      const std::function<void(AboutBox &)> &act);
    MainWindow &main() { return *m_controller->mainWindow(); }

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<AppController> m_controller;
    QString m_splashCredit;
};

void TestAbout::initTestCase()
{
    prepareTestApplication();
    m_fakes = std::make_unique<FakeServices>();
    m_controller = std::make_unique<AppController>(m_fakes->services);
    m_controller->start();
    m_splashCredit = m_controller->splash()->findChild<QLabel *>(QStringLiteral("Label1"))->text();
    m_controller->splash()->Timer1()->start(0);
    QVERIFY(
        QTest::qWaitFor([this] { return m_controller->mainWindow() != nullptr; }, kWaitBoundMs));
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
}

void TestAbout::cleanupTestCase()
{
    m_controller.reset();
    m_fakes.reset();
}

// Runs open, which returns only once the box has closed again, and acts on the box from inside
// its modal loop. A box left open is closed after a bound, so a broken way of closing fails
// the test instead of hanging it.
Opening TestAbout::openWhile(const std::function<void()> &open,
                             const std::function<void(AboutBox &)> &act)
{
    Opening seen;
    int polls = 0;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        AboutBox *box = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *about = qobject_cast<AboutBox *>(w); about && about->isVisible())
                box = about;
        if (!box) {
            if (++polls * poll.interval() > kWaitBoundMs)
                poll.stop();
            return;
        }
        poll.stop();
        seen.box = box;
        seen.modalWithoutOwner = QApplication::activeModalWidget() == box &&
                                 box->windowModality() == Qt::ApplicationModal &&
                                 box->parentWidget() == nullptr;
        act(*box);
        QTimer::singleShot(kWaitBoundMs, box, [box, &seen] {
            if (box->isVisible()) {
                seen.leftOpen = true;
                box->reject();
            }
        });
    });
    poll.start();
    open();
    poll.stop();
    return seen;
}

void TestAbout::looksAsDesigned()
{
    m_fakes->logonName.name = QStringLiteral("山田太郎");
    QString caption, name, credit, title, description, disclaimer, sysInfo;
    QSize clientSize;
    QFont titleFont;
    bool ownIcon = false, fixedFrame = false, okHasFocus = false;
    QImage window, picture;
    QRect pictureInside;
    const auto look = [&](AboutBox &box) {
        caption = box.windowTitle();
        clientSize = box.size();
        ownIcon = !box.windowIcon().isNull();
        fixedFrame = box.minimumSize() == box.maximumSize() &&
                     !(box.windowFlags() & Qt::WindowMaximizeButtonHint) &&
                     (box.windowFlags() & Qt::WindowCloseButtonHint);
        okHasFocus = box.focusWidget() == box.cmdOK();
        name = box.siyo()->text();
        credit = box.Label2()->text();
        title = box.Label1()->text();
        titleFont = box.Label1()->font();
        description = box.lblDescription()->text();
        disclaimer = box.lblDisclaimer()->text();
        sysInfo = box.cmdSysInfo()->text();
        window = box.grab().toImage();
        picture = box.Picture1()->grab().toImage();
        pictureInside = box.Picture1()->contentsRect();
        QTest::mouseClick(box.cmdOK(), Qt::LeftButton);
    };
    const Opening seen =
        openWhile([this] { QTest::mouseClick(main().Command2(), Qt::LeftButton); }, look);
    QVERIFY(seen.box.isNull());
    QVERIFY(seen.modalWithoutOwner);
    QVERIFY(!seen.leftOpen);

    QCOMPARE(caption, QStringLiteral("QuinteloVersion2バージョン情報"));
    QCOMPARE(clientSize, QSize(519, 184));
    QVERIFY(ownIcon);
    QVERIFY(fixedFrame);
    QVERIFY(okHasFocus);
    QCOMPARE(name, QStringLiteral("山田太郎"));
    QVERIFY(credit.startsWith(QStringLiteral("開発者：")));
    QCOMPARE(credit, m_splashCredit);
    QCOMPARE(title, QStringLiteral("QuinteloVersion2"));
    QVERIFY(titleFont.bold());
    QCOMPARE(titleFont.pointSizeF(), 14.25);
    QCOMPARE(
        description,
        QStringLiteral("当プログラムは、容易に電車の側面などに取り付けられている方向幕風の画像を"
                       "容易作成するソフトです。なお、容易なので、実際の物とは異なります。"
                       "また、英字翻訳については、YAHOOJAPAN翻訳の方にリンクしています。"));
    QVERIFY(disclaimer.contains(QStringLiteral("再配布")));
    QCOMPARE(sysInfo, QStringLiteral("ｼｽﾃﾑ情報(&S)..."));

    // The separator: grey over white, between the upper and the lower part.
    QCOMPARE(window.pixel(200, 112), qRgb(0x80, 0x80, 0x80));
    QCOMPARE(window.pixel(200, 113), qRgb(0xFF, 0xFF, 0xFF));

    // The picture starts at the inside's top-left and is cut where the inside ends.
    const QImage bmp = QImage(QStringLiteral(":/about.bmp")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(bmp.size(), QSize(241, 81));
    QCOMPARE(picture.size(), QSize(233, 81));
    QVERIFY(pictureInside.width() < 233 && pictureInside.height() < 81);
    const int w = pictureInside.width();
    const int h = pictureInside.height();
    for (const QPoint p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1),
                           QPoint(w / 2, h / 2)})
        QCOMPARE(picture.pixel(pictureInside.topLeft() + p), bmp.pixel(p));
}

void TestAbout::opensFreshFromEveryCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Command2") << QStringLiteral("Command2");
    QTest::newRow("bajyon") << QStringLiteral("bajyon");
    QTest::newRow("Ctrl+V in Text1") << QStringLiteral("Ctrl+V");
}

void TestAbout::opensFreshFromEveryCommand()
{
    QFETCH(QString, command);
    const auto open = [this, command] {
        if (command == QLatin1String("Command2")) {
            QTest::mouseClick(main().Command2(), Qt::LeftButton);
        } else if (command == QLatin1String("bajyon")) {
            main().bajyon()->trigger();
        } else {
            main().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&main()));
            main().Text1()->setFocus();
            QTest::keyClick(main().Text1(), Qt::Key_V, Qt::ControlModifier);
        }
    };
    const QString textBefore = main().Text1()->text();

    QPointer<AboutBox> previous;
    for (const QString &user : {QStringLiteral("佐藤"), QStringLiteral("suzuki")}) {
        m_fakes->logonName.name = user;
        const int readsBefore = m_fakes->logonName.reads;
        QString shown;
        const Opening seen = openWhile(open, [&](AboutBox &box) {
            shown = box.siyo()->text();
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        QVERIFY(seen.modalWithoutOwner);
        QVERIFY(!seen.leftOpen);
        QCOMPARE(m_fakes->logonName.reads, readsBefore + 1);
        QCOMPARE(shown, user);
        // Released on closing: the next opening cannot reuse it.
        QVERIFY(seen.box.isNull());
        QVERIFY(previous.isNull());
        previous = seen.box;
    }
    // Ctrl+V opened the box instead of pasting.
    QCOMPARE(main().Text1()->text(), textBefore);
}

void TestAbout::closesEveryWay_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("OK") << QStringLiteral("ok");
    QTest::newRow("Esc") << QStringLiteral("esc");
    QTest::newRow("Enter on OK") << QStringLiteral("enter");
    QTest::newRow("Enter on the picture") << QStringLiteral("enter-picture");
    QTest::newRow("close button") << QStringLiteral("close");
}

void TestAbout::closesEveryWay()
{
    QFETCH(QString, way);
    const Opening seen = openWhile([this] { main().bajyon()->trigger(); },
                                   [&](AboutBox &box) {
                                       if (way == QLatin1String("ok")) {
                                           QTest::mouseClick(box.cmdOK(), Qt::LeftButton);
                                       } else if (way == QLatin1String("esc")) {
                                           QTest::keyClick(box.focusWidget(), Qt::Key_Escape);
                                       } else if (way == QLatin1String("enter")) {
                                           QTest::keyClick(box.focusWidget(), Qt::Key_Return);
                                       } else if (way == QLatin1String("enter-picture")) {
                                           box.Picture1()->setFocus();
                                           QTest::keyClick(box.Picture1(), Qt::Key_Return);
                                       } else {
                                           box.windowHandle()->close();
                                       }
                                   });
    QVERIFY(!seen.leftOpen);
    QVERIFY(seen.box.isNull());

    // The main window takes input again, and has the focus back without a click: without a
    // window manager nobody else would hand it back.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(QTest::qWaitForWindowActive(&main()));
    SignTextBox *text1 = main().Text1();
    text1->setFocus();
    text1->setText(QString());
    QTest::keyClicks(text1, QStringLiteral("ok"));
    QCOMPARE(text1->text(), QStringLiteral("ok"));
}

void TestAbout::systemInfoChangesNothing()
{
    const SignState before = main().signState();
    const qsizetype messagesBefore = m_fakes->messages.shown.size();
    bool openAfterClick = false, openAfterEnter = false, enterOnPictureCloses = false;
    const Opening seen = openWhile([this] { main().bajyon()->trigger(); },
                                   [&](AboutBox &box) {
                                       QTest::mouseClick(box.cmdSysInfo(), Qt::LeftButton);
                                       QCoreApplication::processEvents();
                                       openAfterClick = box.isVisible();
                                       // Enter presses the button that has the focus, and that one
                                       // does nothing.
                                       box.cmdSysInfo()->setFocus();
                                       QTest::keyClick(box.cmdSysInfo(), Qt::Key_Return);
                                       QCoreApplication::processEvents();
                                       openAfterEnter = box.isVisible();
                                       QTest::keyClick(box.focusWidget(), Qt::Key_Tab);
                                       QTest::keyClick(box.focusWidget(), Qt::Key_Return);
                                       enterOnPictureCloses = !box.isVisible();
                                   });
    QVERIFY(openAfterClick);
    QVERIFY(openAfterEnter);
    QVERIFY(enterOnPictureCloses);
    QVERIFY(!seen.leftOpen);
    QCOMPARE(main().signState(), before);
    QCOMPARE(m_fakes->messages.shown.size(), messagesBefore);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
