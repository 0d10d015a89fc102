#include "TestSupport.h"
#include "app/AboutBox.h"
#include "composer/SignLineEdit.h"

#include <QAction>

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareTestApplication();
        m_app = std::make_unique<FakedStart>();
        m_app->start()->Timer1()->start(0);
        QVERIFY(QTest::qWaitFor([this] { return m_app->controller.mainWindow(); }));
        QVERIFY(QTest::qWaitForWindowActive(&main()));
    }
    void cleanupTestCase() { m_app.reset(); }

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
        const QString &opening = way[0], &closing = way[1];
        const QString user = QString::fromLatin1(QTest::currentDataTag());
        m_app->fakes.logonName.name = user;
        QPointer<AboutBox> seen;
        QString shown, caption;
        bool overMain = false, sysInfoKeepsItOpen = false;
        QPointer<QWidget> focus;
        whenOpen<AboutBox>([&](AboutBox *box) {
            seen = box;
            focus = main().focusWidget();
            shown = box->siyo()->text();
            caption = box->windowTitle();
            overMain = box->isModal() && box->parentWidget() == &main();
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
            click(named<QPushButton>(main(), "Command2"));
        else if (opening == u"bajyon")
            named<QAction>(main(), "bajyon")->trigger();
        else
            QTest::keyClick(mainLine(), Qt::Key_V, Qt::ControlModifier);

        QVERIFY(seen.isNull());
        QCOMPARE(shown, user);
        QCOMPARE(caption, QStringLiteral("QuinteloVersion2バージョン情報"));
        QVERIFY(overMain && sysInfoKeepsItOpen);
        QVERIFY(focus);
        QTRY_COMPARE(QApplication::focusWidget(), focus.data());
    }

private:
    MainWindow &main() { return *m_app->controller.mainWindow(); }
    SignLineEdit *mainLine() { return main().lineEdit(SignLine::Main); }

    std::unique_ptr<FakedStart> m_app;
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
