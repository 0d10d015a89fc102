#include "MainWindowTest.h"
#include "composer/SignTextBox.h"

#include <QAction>
#include <QMenuBar>

class TestExit : public MainWindowTest
{
    Q_OBJECT

private slots:
    void noKeepsEverything_data() { addWaysOut(); }
    void noKeepsEverything()
    {
        QFETCH(QString, way);
        MainWindow &w = m_ui->window;
        FakeMessageBoxService &messages = m_ui->fakes.messages;
        QTest::keyClicks(w.Text1(), QStringLiteral(" Rapid"));
        w.Text2()->setBackColor(QColor(0xC0, 0x00, 0x00));
        const SignState before = w.signState();

        messages.answerNo();
        leave(way);
        QCOMPARE(messages.shown.size(), 1);
        const FakeMessageBoxService::Shown &box = messages.shown.first();
        QCOMPARE(box.title, QStringLiteral("Quintelo"));
        QCOMPARE(box.text, QStringLiteral("終了しますか？未保存データは削除されます。"));
        QCOMPARE(box.icon, MessageBoxService::Icon::Exclamation);
        QVERIFY(box.question);
        QVERIFY(w.isVisible());
        // Ctrl+X asked instead of cutting: the typed text is still whole.
        QCOMPARE(w.signState(), before);

        // Refusing once does not count as leave given: the next attempt asks again.
        messages.answerNo();
        leave(way);
        QCOMPARE(messages.shown.size(), 2);
        QVERIFY(w.isVisible());
    }
    void yesEndsWithOneQuestion_data() { addWaysOut(); }
    void yesEndsWithOneQuestion()
    {
        QFETCH(QString, way);
        m_ui->fakes.messages.answerYes();
        leave(way);
        QVERIFY(!m_ui->window.isVisible());
        QCOMPARE(m_ui->fakes.messages.shown.size(), 1);
        // Quitting closes every window once more; the confirmed window must not ask again.
        QVERIFY(m_ui->window.close());
        QCOMPARE(m_ui->fakes.messages.shown.size(), 1);
    }

private:
    static void addWaysOut()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Command5") << QStringLiteral("button");
        QTest::newRow("end from the menu") << QStringLiteral("menu");
        QTest::newRow("Ctrl+X in Text1") << QStringLiteral("ctrl+x");
        QTest::newRow("title-bar close") << QStringLiteral("close");
    }
    // Each way out as the user takes it.
    void leave(const QString &way)
    {
        MainWindow &w = m_ui->window;
        if (way == u"button") {
            click(w.Command5());
        } else if (way == u"menu") {
            auto *fairu = w.menuBar()->findChild<QMenu *>(QStringLiteral("fairu"));
            QVERIFY(fairu && fairu->actions().contains(w.end()));
            w.end()->trigger();
        } else if (way == u"ctrl+x") {
            w.Text1()->setFocus();
            w.Text1()->selectAll();
            QTest::keyClick(w.Text1(), Qt::Key_X, Qt::ControlModifier);
        } else {
            // What the title bar's close button and the system menu's Close deliver.
            w.windowHandle()->close();
        }
    }
};

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
