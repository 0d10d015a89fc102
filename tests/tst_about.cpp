#include "TestSupport.h"
#include "app/AboutBox.h"
#include "composer/SignLineEdit.h"

#include <QAction>

#include <memory>

namespace {

constexpr int kWaitBoundMs = 5000;

// What a test saw of one opening of the box.
struct Opening
{
    QPointer<AboutBox> box;
    bool modalOverTheMainWindow = false;
    // The box was still open when the bound ran out and had to be closed by the test.
    bool leftOpen = false;
};

// Runs open, which returns only once the box has closed again, and acts on the box from inside
// its modal loop. A box left open is closed after a bound, so a broken way of closing fails
// the test instead of hanging it.
Opening openWhile(const std::function<void()> &open, const std::function<void(AboutBox &)> &act)
{
    Opening seen;
    whenOpen<AboutBox>([&seen, act](AboutBox *box) {
        seen.box = box;
        seen.modalOverTheMainWindow =
            box->isModal() && box->parentWidget() && box->parentWidget()->objectName() == u"Form1";
        act(*box);
        QTimer::singleShot(kWaitBoundMs, box, [box, &seen] {
            if (box->isVisible()) {
                seen.leftOpen = true;
                box->reject();
            }
        });
    });
    open();
    return seen;
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installFonts();
        m_app = std::make_unique<FakedStart>();
        SplashWindow *splash = m_app->start();
        m_splashCredit = splash->findChild<QLabel *>(QStringLiteral("Label1"))->text();
        splash->Timer1()->start(0);
        QVERIFY(QTest::qWaitFor([this] { return m_app->controller.mainWindow(); }, kWaitBoundMs));
        QVERIFY(QTest::qWaitForWindowExposed(&main()));
    }
    void cleanupTestCase() { m_app.reset(); }

    void looksAsDesigned()
    {
        m_app->fakes.logonName.name = QStringLiteral("山田太郎");
        QString caption, name, credit;
        QImage picture;
        QRect pictureInside;
        const Opening seen = openWhile([this] { click(named<QPushButton>(main(), "Command2")); },
                                       [&](AboutBox &box) {
                                           caption = box.windowTitle();
                                           name = box.siyo()->text();
                                           credit = box.Label2()->text();
                                           picture = box.Picture1()->grab().toImage();
                                           pictureInside = box.Picture1()->contentsRect();
                                           click(box.cmdOK());
                                       });
        QVERIFY(seen.box.isNull());
        QVERIFY(seen.modalOverTheMainWindow);
        QVERIFY(!seen.leftOpen);
        QCOMPARE(caption, QStringLiteral("QuinteloVersion2バージョン情報"));
        QCOMPARE(name, QStringLiteral("山田太郎"));
        QCOMPARE(credit, m_splashCredit);

        // The picture starts at the inside's top-left and is cut where the inside ends.
        const QImage bmp = rgb(QImage(QStringLiteral(":/about.bmp")));
        QCOMPARE(bmp.size(), QSize(241, 81));
        QVERIFY(pictureInside.width() < 233 && pictureInside.height() < 81);
        const int w = pictureInside.width();
        const int h = pictureInside.height();
        for (const QPoint p : {QPoint(0, 0), QPoint(w - 1, h - 1), QPoint(w / 2, h / 2)})
            QCOMPARE(picture.pixel(pictureInside.topLeft() + p), bmp.pixel(p));
    }
    void opensFreshAndClosesEveryWay_data()
    {
        // The command that opens the box and the way it is closed.
        QTest::addColumn<QStringList>("row");
        QTest::newRow("Command2, OK") << QStringList{"Command2", "ok"};
        QTest::newRow("bajyon, Esc") << QStringList{"bajyon", "esc"};
        QTest::newRow("Ctrl+V in Text1, Enter on OK") << QStringList{"Ctrl+V", "enter"};
        QTest::newRow("bajyon, Enter on the picture") << QStringList{"bajyon", "enter-picture"};
        QTest::newRow("Command2, close button") << QStringList{"Command2", "close"};
    }
    void opensFreshAndClosesEveryWay()
    {
        QFETCH(QStringList, row);
        const QString &command = row[0], &way = row[1];
        // Each opening reads the name anew.
        const QString user = QString::fromLatin1(QTest::currentDataTag());
        m_app->fakes.logonName.name = user;
        const int readsBefore = m_app->fakes.logonName.reads;
        const QString textBefore = mainLine()->text();
        QString shown;
        const Opening seen = openWhile(
            [&] {
                if (command == u"Command2") {
                    click(named<QPushButton>(main(), "Command2"));
                } else if (command == u"bajyon") {
                    named<QAction>(main(), "bajyon")->trigger();
                } else {
                    mainLine()->setFocus();
                    QTest::keyClick(mainLine(), Qt::Key_V, Qt::ControlModifier);
                }
            },
            [&](AboutBox &box) {
                shown = box.siyo()->text();
                if (way == u"ok") {
                    click(box.cmdOK());
                } else if (way == u"esc") {
                    QTest::keyClick(box.focusWidget(), Qt::Key_Escape);
                } else if (way == u"enter") {
                    QTest::keyClick(box.focusWidget(), Qt::Key_Return);
                } else if (way == u"enter-picture") {
                    box.Picture1()->setFocus();
                    QTest::keyClick(box.Picture1(), Qt::Key_Return);
                } else {
                    box.windowHandle()->close();
                }
            });
        QVERIFY(seen.modalOverTheMainWindow);
        QVERIFY(!seen.leftOpen);
        QCOMPARE(m_app->fakes.logonName.reads, readsBefore + 1);
        QCOMPARE(shown, user);
        // Released on closing: the next opening cannot reuse it.
        QVERIFY(seen.box.isNull());
        // Ctrl+V opened the box instead of pasting.
        QCOMPARE(mainLine()->text(), textBefore);

        // The main window takes input again, and has the focus back without a click: without a
        // window manager nobody else would hand it back.
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(QTest::qWaitForWindowActive(&main()));
        mainLine()->setFocus();
        mainLine()->clear();
        QTest::keyClicks(mainLine(), QStringLiteral("ok"));
        QCOMPARE(mainLine()->text(), QStringLiteral("ok"));
    }
    void systemInfoChangesNothing()
    {
        const Frame before = main().document().currentFrame();
        const qsizetype messagesBefore = m_app->fakes.messages.shown.size();
        bool openAfterClick = false, openAfterEnter = false;
        const Opening seen = openWhile([this] { named<QAction>(main(), "bajyon")->trigger(); },
                                       [&](AboutBox &box) {
                                           click(box.cmdSysInfo());
                                           QCoreApplication::processEvents();
                                           openAfterClick = box.isVisible();
                                           // Enter presses the focused button, which does nothing.
                                           box.cmdSysInfo()->setFocus();
                                           QTest::keyClick(box.cmdSysInfo(), Qt::Key_Return);
                                           QCoreApplication::processEvents();
                                           openAfterEnter = box.isVisible();
                                           click(box.cmdOK());
                                       });
        QVERIFY(openAfterClick);
        QVERIFY(openAfterEnter);
        QVERIFY(!seen.leftOpen);
        QCOMPARE(main().document().currentFrame(), before);
        QCOMPARE(m_app->fakes.messages.shown.size(), messagesBefore);
    }

private:
    MainWindow &main() { return *m_app->controller.mainWindow(); }
    SignLineEdit *mainLine() { return main().lineEdit(SignLine::Main); }

    std::unique_ptr<FakedStart> m_app;
    QString m_splashCredit;
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
