#include "TestSupport.h"
#include "app/AboutBox.h"
#include "composer/SignLineEdit.h"
#include "io/RollFile.h"
#include "platform/SystemLogonName.h"

#include <QAction>
#include <QProcess>
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

    void systemNameIsTheLoggedOnUser()
    {
        QProcess id;
        id.start(QStringLiteral("id"), {QStringLiteral("-un")});
        QVERIFY(id.waitForFinished(10000));
        QCOMPARE(id.exitCode(), 0);
        const QString expected = QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed();
        QVERIFY(!expected.isEmpty());
        QCOMPARE(SystemLogonName().GetCurrentUserName(), expected);
    }

    // Every way of opening builds a fresh box over the main window, reading the name anew, and
    // every way of closing gives the keys back to the control that had them.
    void opensFreshAndClosesEveryWay_data()
    {
        QTest::addColumn<QStringList>("way"); // how the box is opened, and how it is closed
        QTest::newRow("Command2, OK") << QStringList{"Command2", "ok"};
        QTest::newRow("bajyon, Esc") << QStringList{"bajyon", "esc"};
        QTest::newRow("Ctrl+V in Text1, Enter") << QStringList{"ctrl+v", "enter"};
        QTest::newRow("Command2, close button") << QStringList{"Command2", "close"};
    }
    void opensFreshAndClosesEveryWay()
    {
        QFETCH(QStringList, way);
        FakedStart app;
        app.start()->Timer1()->start(0);
        QVERIFY(QTest::qWaitFor([&app] { return app.controller.mainWindow(); }));
        MainWindow &main = *app.controller.mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        const QString &opening = way[0], &closing = way[1];
        const QString user = QString::fromLatin1(QTest::currentDataTag());
        app.fakes.logonName.name = user;
        QPointer<AboutBox> seen;
        QString shown, caption;
        bool overMain = false, sysInfoKeepsItOpen = false;
        QPointer<QWidget> focus;
        whenOpen<AboutBox>([&](AboutBox *box) {
            seen = box;
            focus = main.focusWidget();
            shown = box->siyo()->text();
            caption = box->windowTitle();
            overMain = box->isModal() && box->parentWidget() == &main;
            // The System Info button, clicked or pressed with Enter, does nothing.
            click(box->cmdSysInfo());
            box->cmdSysInfo()->setFocus();
            QTest::keyClick(box->cmdSysInfo(), Qt::Key_Return);
            sysInfoKeepsItOpen = box->isVisible();
            box->cmdOK()->setFocus();
            if (closing == u"ok")
                click(box->cmdOK());
            else if (closing == u"esc")
                QTest::keyClick(box->cmdOK(), Qt::Key_Escape);
            else if (closing == u"enter")
                QTest::keyClick(box->cmdOK(), Qt::Key_Return);
            else
                box->windowHandle()->close();
            QTimer::singleShot(3000, box, &QDialog::reject);
        });
        if (opening == u"Command2")
            click(named<QPushButton>(main, "Command2"));
        else if (opening == u"bajyon")
            named<QAction>(main, "bajyon")->trigger();
        else
            QTest::keyClick(main.lineEdit(SignLine::Main), Qt::Key_V, Qt::ControlModifier);

        QVERIFY(seen.isNull());
        QCOMPARE(shown, user);
        QCOMPARE(caption, QStringLiteral("QuinteloVersion2バージョン情報"));
        QVERIFY(overMain && sysInfoKeepsItOpen);
        QVERIFY(focus);
        QTRY_COMPARE(QApplication::focusWidget(), focus.data());
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
