#include "TestSupport.h"
#include "io/RollFile.h"
#include "platform/SystemLogonName.h"
#include "ui/AboutBox.h"
#include "ui/RollFileCommands.h"
#include "ui/SignLineEdit.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>

namespace {

QList<Frame> rollOf(const QString &text)
{
    Frame frame;
    frame.text(SignLine::Main) = text;
    return {frame};
}

} // namespace

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
        QLabel *siyo = splash->userNameLabel();
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
    // Asked once the splash has gone, and a file named on the command line gives way to the work
    // taken back, with a word that it was not opened.
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
        OtherCopy(app.autosaves.path(), QString(), {QStringLiteral("東京")}).kill();
        QVERIFY(RollFile::save(rollOf(QStringLiteral("大阪")), named).ok());
        restore ? app.fakes.messages.answerYes() : app.fakes.messages.answerNo();
        app.controller.openOnStart(named);
        QPointer<SplashWindow> splash = app.start();
        bool splashGoneWhenAsked = false;
        app.fakes.messages.whenShown = [&] {
            splashGoneWhenAsked = app.fakes.messages.shown.size() == 1 &&
                                  (splash.isNull() || splash->isHidden()) &&
                                  app.controller.mainWindow()->isVisible();
            app.fakes.messages.whenShown = nullptr;
        };
        splash->handOverTimer()->start(0);
        QTRY_COMPARE(app.fakes.messages.shown.size(), 2);
        QVERIFY(splashGoneWhenAsked);
        QCOMPARE(app.controller.mainWindow()->document().frames(),
                 rollOf(restore ? QStringLiteral("東京") : QStringLiteral("大阪")));
        // Restored: told that the file was not opened. Declined: told where the work is.
        QCOMPARE(app.fakes.messages.shown.last().text.contains(QStringLiteral("named.quintelo")),
                 restore);
    }

    // Taken back after a crash, the work is unsaved: it carries the mark and the roll file's
    // name, every way of dropping it asks first, and it is saved back there only after asking.
    void recoveredWorkIsUnsavedUntilSaved()
    {
        QTemporaryDir dir;
        const QString six = dir.filePath(QStringLiteral("six.quintelo"));
        QVERIFY(RollFile::save(rollOf(QStringLiteral("元")), six).ok());
        FakedStart app;
        const QStringList names{"一", "二", "三", "四", "五"};
        OtherCopy(app.autosaves.path(), six, names).kill();
        app.fakes.messages.answerYes();
        MainWindow &main = app.handOver();
        const SignDocument &document = main.document();
        QCOMPARE(document.frameCount(), names.size());
        QVERIFY(main.isWindowModified() && main.windowTitle().startsWith(u"six.quintelo"));
        named<QAction>(main, "sinki")->trigger();
        named<QAction>(main, "hiraku")->trigger();
        main.rollFiles().openAfterAsking(six); // a recent file, a drop
        QCOMPARE(document.frameCount(), names.size());
        QCOMPARE(app.fakes.messages.shown.size(), 4);
        named<QAction>(main, "makuhozon")->trigger(); // asked, and cancelled
        QCOMPARE(RollFile::load(six).frames, rollOf(QStringLiteral("元")));
        app.fakes.messages.answer(0);
        named<QAction>(main, "makuhozon")->trigger();
        QCOMPARE(RollFile::load(six).frames, document.frames());
        QVERIFY(!main.isWindowModified() && app.fakes.dialogs.saveRequests.isEmpty());
        // Nothing unsaved is left anywhere to be offered again.
        QVERIFY(QDir(app.autosaves.path()).entryList({"*.quintelo"}, QDir::Files).isEmpty());
    }

    // Every autosave no running copy holds is offered, newest first, each kept until answered;
    // declined work is kept where the user is told.
    void everyLeftoverIsOfferedNewestFirst()
    {
        FakedStart app;
        const QString folder = app.autosaves.path();
        OtherCopy running(folder, QString(), {QStringLiteral("走行中")});
        OtherCopy older(folder, QString(), {QStringLiteral("古い")});
        OtherCopy newer(folder, QStringLiteral("/n/新しい.quintelo"), {QStringLiteral("新しい")});
        older.kill();
        newer.kill();
        QFile aged(older.autosave);
        QVERIFY(aged.open(QIODevice::Append));
        aged.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                         QFileDevice::FileModificationTime);
        QList<int> kept; // how many of the two are in their place as each box comes up
        app.fakes.messages.whenShown = [&] {
            kept << int(QFile::exists(older.autosave)) + int(QFile::exists(newer.autosave));
        };
        app.fakes.messages.answerNo();
        app.fakes.messages.answerYes();
        MainWindow &main = app.handOver();
        const auto &shown = app.fakes.messages.shown;
        QCOMPARE(shown.size(), 3);
        QVERIFY(shown[0].text.contains(u"新しい.quintelo") && shown[1].text.contains(u"無題"));
        QCOMPARE(kept, (QList<int>{2, 1, 0}));
        QCOMPARE(main.document().frames(), rollOf(QStringLiteral("古い")));
        QCOMPARE(RollFile::load(shown[2].text.section(u'\n', -1)).frames,
                 rollOf(QStringLiteral("新しい")));
        QVERIFY(QFile::exists(running.autosave));
    }

    // A roll file another running copy has open opens only read-only, and a roll file changed
    // on the disk since it was read is not written over unasked, however small the change.
    void copiesNeverWriteOverEachOther()
    {
        QTemporaryDir dir;
        const QString six = dir.filePath(QStringLiteral("six.quintelo"));
        const QString seven = dir.filePath(QStringLiteral("seven.quintelo"));
        QVERIFY(RollFile::save(rollOf(QStringLiteral("六")), six).ok());
        QVERIFY(RollFile::save(rollOf(QStringLiteral("七")), seven).ok());
        FakedStart app;
        const OtherCopy other(app.autosaves.path(), six);
        MainWindow &main = app.handOver();
        RollFileCommands &files = main.rollFiles();
        QVERIFY(!files.openFile(six));
        app.fakes.messages.answer(0);
        QVERIFY(files.openFile(six));
        QVERIFY(main.windowTitle().contains(u"読み取り専用"));
        main.document().editText(SignLine::Main, QStringLiteral("こちら"));
        app.fakes.dialogs.answer(six);
        QVERIFY(!files.save()); // a new name is asked for, and asked again for the taken one
        QCOMPARE(app.fakes.dialogs.saveRequests.size(), 2);
        QCOMPARE(RollFile::load(six).frames, rollOf(QStringLiteral("六")));

        app.fakes.messages.answer(1);
        QVERIFY(files.openAfterAsking(seven));
        // Another program writes the same number of bytes and puts the time back.
        const QDateTime time = QFileInfo(seven).lastModified();
        QVERIFY(RollFile::save(rollOf(QStringLiteral("八")), seven).ok());
        QFile touched(seven);
        QVERIFY(touched.open(QIODevice::Append));
        touched.setFileTime(time, QFileDevice::FileModificationTime);
        touched.close();
        main.document().editText(SignLine::Main, QStringLiteral("こちら"));
        const qsizetype asked = app.fakes.messages.shown.size();
        QVERIFY(!files.save());
        QCOMPARE(RollFile::load(seven).frames, rollOf(QStringLiteral("八")));
        app.fakes.messages.answer(0);
        QVERIFY(files.save() && files.save()); // its own save is no change on the disk
        QCOMPARE(RollFile::load(seven).frames, main.document().frames());
        QCOMPARE(app.fakes.messages.shown.size(), asked + 2);
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
            QTest::mouseClick(splash->userNameLabel(), Qt::LeftButton);
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
        QCOMPARE(SystemLogonName().greetingName(), expected);
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
        app.start()->handOverTimer()->start(0);
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
            shown = box->userNameLabel()->text();
            caption = box->windowTitle();
            overMain = box->isModal() && box->parentWidget() == &main;
            // The System Info button, clicked or pressed with Enter, does nothing.
            click(box->systemInfoButton());
            box->systemInfoButton()->setFocus();
            QTest::keyClick(box->systemInfoButton(), Qt::Key_Return);
            sysInfoKeepsItOpen = box->isVisible();
            box->okButton()->setFocus();
            if (closing == u"ok")
                click(box->okButton());
            else if (closing == u"esc")
                QTest::keyClick(box->okButton(), Qt::Key_Escape);
            else if (closing == u"enter")
                QTest::keyClick(box->okButton(), Qt::Key_Return);
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
