#include "TestSupport.h"

#include <QSignalSpy>

namespace {

// Far beyond the three seconds the splash stays up; only a bound for waiting, never a measure.
constexpr int kWaitBoundMs = 5000;

} // namespace

class TestSplash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }

    void logonNameShowsWhole()
    {
        const QString name = QStringLiteral("山田太郎");
        SplashWindow splash(name);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QLabel *siyo = splash.siyo();
        QCOMPARE(siyo->text(), name);
        QVERIFY(QFontMetrics(siyo->font()).horizontalAdvance(name) <= siyo->contentsRect().width());
        // "使用者：" runs under the name's label; the name must lie on top where they meet.
        auto *label2 = splash.findChild<QLabel *>(QStringLiteral("Label2"));
        const QRect overlap = siyo->geometry().intersected(label2->geometry());
        QVERIFY(!overlap.isEmpty());
        QCOMPARE(splash.childAt(overlap.center()), siyo);
    }
    void handsOverToTheMainWindow_data()
    {
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Japanese name") << true << QStringLiteral("山田太郎");
        QTest::newRow("name cannot be read") << false << QString();
    }
    void handsOverToTheMainWindow()
    {
        QFETCH(bool, readable);
        QFETCH(QString, shown);
        FakedStart app;
        app.fakes.logonName.name = readable ? std::optional<QString>(shown) : std::nullopt;
        QSignalSpy finished(&app.controller, &AppController::finishedWithoutMainWindow);
        QPointer<SplashWindow> splash = app.start();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QCOMPARE(splash->siyo()->text(), shown);
        QVERIFY(app.controller.mainWindow() == nullptr);

        int handOvers = 0;
        bool splashUpAtHandOver = false;
        bool mainShownAtHandOver = false;
        // Connected after the controller's own slot, so this sees the state right after it ran.
        connect(splash, &SplashWindow::handOver, this, [&] {
            ++handOvers;
            splashUpAtHandOver = splash && splash->isVisible();
            MainWindow *main = app.controller.mainWindow();
            mainShownAtHandOver = main && main->isVisible();
        });
        QVERIFY(QTest::qWaitFor([&] { return splash.isNull(); }, kWaitBoundMs));
        QCOMPARE(handOvers, 1);
        QVERIFY(splashUpAtHandOver);
        QVERIFY(mainShownAtHandOver);
        QVERIFY(app.controller.mainWindow()->isVisible());
        QCOMPARE(finished.count(), 0);
    }
    void characterKeyEndsWithoutMainWindow_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("letter a") << int(Qt::Key_A);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void characterKeyEndsWithoutMainWindow()
    {
        QFETCH(int, key);
        FakedStart app;
        QSignalSpy finished(&app.controller, &AppController::finishedWithoutMainWindow);
        QPointer<SplashWindow> splash = app.start();
        QVERIFY(QTest::qWaitForWindowExposed(splash));

        QTest::keyClick(splash, Qt::Key(key));
        QCOMPARE(finished.count(), 1);
        QVERIFY(QTest::qWaitFor([&] { return splash.isNull(); }, kWaitBoundMs));
        // Waiting out the hand-over time: the timer must have died with the splash.
        QTest::qWait(SplashWindow::kHandOverMs + 700);
        QVERIFY(app.controller.mainWindow() == nullptr);
        QCOMPARE(finished.count(), 1);
    }
    void otherKeysAndClicksDoNothing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("Shift") << QStringLiteral("Shift");
        QTest::newRow("F5") << QStringLiteral("F5");
        QTest::newRow("clicks") << QStringLiteral("clicks");
    }
    void otherKeysAndClicksDoNothing()
    {
        QFETCH(QString, action);
        FakedStart app;
        QSignalSpy finished(&app.controller, &AppController::finishedWithoutMainWindow);
        QPointer<SplashWindow> splash = app.start();
        QVERIFY(QTest::qWaitForWindowExposed(splash));

        if (action == u"Shift") {
            QTest::keyClick(splash, Qt::Key_Shift, Qt::ShiftModifier);
        } else if (action == u"F5") {
            QTest::keyClick(splash, Qt::Key_F5);
        } else {
            QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(200, 40));
            QTest::mouseClick(splash, Qt::RightButton, {}, QPoint(200, 40));
            for (QLabel *label : splash->findChildren<QLabel *>())
                QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
            QTest::mouseDClick(splash->siyo(), Qt::LeftButton);
        }
        QCoreApplication::processEvents();
        QVERIFY(splash && splash->isVisible());
        QVERIFY(splash->Timer1()->isActive());
        QCOMPARE(finished.count(), 0);
        QVERIFY(app.controller.mainWindow() == nullptr);
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
