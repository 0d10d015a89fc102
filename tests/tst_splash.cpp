#include "TestSupport.h"
#include "io/RollFile.h"

#include <QSignalSpy>

class TestSplash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }

    void handsOverWithTheNameShownWhole_data()
    {
        QTest::addColumn<std::optional<QString>>("name");
        QTest::newRow("Japanese name") << std::optional<QString>(QStringLiteral("山田太郎"));
        QTest::newRow("name cannot be read") << std::optional<QString>();
    }
    void handsOverWithTheNameShownWhole()
    {
        QFETCH(std::optional<QString>, name);
        FakedStart app;
        app.fakes.logonName.name = name;
        QSignalSpy finished(&app.controller, &AppController::finishedWithoutMainWindow);
        QPointer<SplashWindow> splash = app.start();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QLabel *siyo = splash->siyo();
        QCOMPARE(siyo->text(), name.value_or(QString()));
        // "使用者：" runs under the name's label; the name lies on top where they meet.
        const QRect overlap = siyo->geometry().intersected(named(*splash, "Label2")->geometry());
        QCOMPARE(splash->childAt(overlap.center()), siyo);

        bool mainShownBeforeSplashWent = false;
        connect(splash, &SplashWindow::handOver, this, [&] {
            mainShownBeforeSplashWent =
                splash && splash->isVisible() && app.controller.mainWindow()->isVisible();
        });
        QVERIFY(QTest::qWaitFor([&] { return splash.isNull(); }));
        QVERIFY(mainShownBeforeSplashWent);
        QCOMPARE(finished.count(), 0);
    }
    void leftoverAndNamedFileWaitForTheMainWindow_data()
    {
        QTest::addColumn<bool>("restore");
        QTest::newRow("restored") << true;
        QTest::newRow("declined") << false;
    }
    void leftoverAndNamedFileWaitForTheMainWindow()
    {
        QFETCH(bool, restore);
        FakedStart app;
        QTemporaryDir dir;
        const QString named = dir.filePath(QStringLiteral("named.quintelo"));
        const auto rollOf = [](const QString &text) {
            Frame frame;
            frame.text(SignLine::Main) = text;
            return QList<Frame>{frame};
        };
        const QDir autosaves(app.autosaves.path());
        QVERIFY(RollFile::save(rollOf(QStringLiteral("東京")),
                               autosaves.filePath(QStringLiteral("autosave-1.quintelo")))
                    .isEmpty());
        QVERIFY(RollFile::save(rollOf(QStringLiteral("大阪")), named).isEmpty());
        restore ? app.fakes.messages.answerYes() : app.fakes.messages.answerNo();
        app.controller.openOnStart(named);
        emit app.start()->handOver();
        QCOMPARE(app.fakes.messages.shown.first().text,
                 QStringLiteral("前回の作業を復元しますか？"));
        QCOMPARE(app.controller.mainWindow()->document().frames(),
                 rollOf(restore ? QStringLiteral("東京") : QStringLiteral("大阪")));
        QCOMPARE(autosaves.entryList({QStringLiteral("autosave-1-*")}).size(), restore ? 0 : 1);
    }

    void onlyACharacterKeyEndsWithoutMainWindow_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ends");
        QTest::newRow("letter a") << int(Qt::Key_A) << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
        QTest::newRow("F5") << int(Qt::Key_F5) << false;
        QTest::newRow("click") << 0 << false;
    }
    void onlyACharacterKeyEndsWithoutMainWindow()
    {
        QFETCH(int, key);
        QFETCH(bool, ends);
        FakedStart app;
        QSignalSpy finished(&app.controller, &AppController::finishedWithoutMainWindow);
        QPointer<SplashWindow> splash = app.start();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        if (key == 0)
            QTest::mouseClick(splash->siyo(), Qt::LeftButton);
        else
            QTest::keyClick(splash, Qt::Key(key));
        QCoreApplication::processEvents();
        QCOMPARE(finished.count(), ends ? 1 : 0);
        QCOMPARE(splash.isNull() || !splash->isVisible(), ends);
        if (ends) {
            // The hand-over time passes: the timer must have died with the splash.
            QTest::qWait(SplashWindow::kHandOverMs + 500);
            QVERIFY(app.controller.mainWindow() == nullptr);
        }
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
