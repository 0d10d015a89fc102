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
    void initTestCase() { installFonts(); }

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
    void onlyACharacterKeyEndsWithoutMainWindow_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ends");
        QTest::newRow("letter a") << int(Qt::Key_A) << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
        QTest::newRow("Shift") << int(Qt::Key_Shift) << false;
        QTest::newRow("F5") << int(Qt::Key_F5) << false;
        QTest::newRow("clicks") << 0 << false;
    }
    void onlyACharacterKeyEndsWithoutMainWindow()
    {
        QFETCH(int, key);
        QFETCH(bool, ends);
        FakedStart app;
        QSignalSpy finished(&app.controller, &AppController::finishedWithoutMainWindow);
        QPointer<SplashWindow> splash = app.start();
        QVERIFY(QTest::qWaitForWindowExposed(splash));

        if (key == 0) {
            QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(200, 40));
            QTest::mouseClick(splash, Qt::RightButton, {}, QPoint(200, 40));
            for (QLabel *label : splash->findChildren<QLabel *>())
                QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
            QTest::mouseDClick(splash->siyo(), Qt::LeftButton);
        } else {
            QTest::keyClick(splash, Qt::Key(key),
                            key == Qt::Key_Shift ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QCoreApplication::processEvents();
        QCOMPARE(finished.count(), ends ? 1 : 0);
        if (!ends) {
            QVERIFY(splash && splash->isVisible() && splash->Timer1()->isActive());
            QVERIFY(app.controller.mainWindow() == nullptr);
            return;
        }
        QVERIFY(QTest::qWaitFor([&] { return splash.isNull(); }, kWaitBoundMs));
        // Waiting out the hand-over time: the timer must have died with the splash.
        QTest::qWait(SplashWindow::kHandOverMs + 700);
        QVERIFY(app.controller.mainWindow() == nullptr);
        QCOMPARE(finished.count(), 1);
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
