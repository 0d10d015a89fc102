#include "FakeServices.h"
#include "TestSetup.h"
#include "composer/MainWindow.h"
#include "composer/SignTextBox.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>

#include <memory>

namespace {

const QString kQuestion = QStringLiteral("終了しますか？未保存データは削除されます。");

} // namespace

class TestExit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void init();
    void cleanup();

    void noKeepsEverything_data();
    void noKeepsEverything();
    void yesFromTheCommandsEndsWithOneQuestion_data();
    void yesFromTheCommandsEndsWithOneQuestion();
    void yesFromTheTitleBarClosesWithOneQuestion();

private:
    void addWaysOut();
    void leave(const QString &way);

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<MainWindow> m_window;
};

void TestExit::init()
{
    m_fakes = std::make_unique<FakeServices>();
    m_window = std::make_unique<MainWindow>(m_fakes->services);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestExit::cleanup()
{
    m_window.reset();
    m_fakes.reset();
}

void TestExit::addWaysOut()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Command5") << QStringLiteral("button");
    QTest::newRow("end from the menu") << QStringLiteral("menu");
    QTest::newRow("Ctrl+X in Text1") << QStringLiteral("ctrl+x");
    QTest::newRow("title-bar close") << QStringLiteral("close");
}

// Each way out as the user takes it.
void TestExit::leave(const QString &way)
{
    MainWindow &w = *m_window;
    if (way == QLatin1String("button")) {
        QTest::mouseClick(w.Command5(), Qt::LeftButton);
    } else if (way == QLatin1String("menu")) {
        auto *fairu = w.menuBar()->findChild<QMenu *>(QStringLiteral("fairu"));
        QVERIFY(fairu);
        QVERIFY(fairu->actions().contains(w.end()));
        w.end()->trigger();
    } else if (way == QLatin1String("ctrl+x")) {
        w.Text1()->setFocus();
        w.Text1()->selectAll();
        QTest::keyClick(w.Text1(), Qt::Key_X, Qt::ControlModifier);
    } else {
        // What the title bar's close button and the system menu's Close deliver.
        w.windowHandle()->close();
    }
}

void TestExit::noKeepsEverything_data()
{
    addWaysOut();
}

void TestExit::noKeepsEverything()
{
    QFETCH(QString, way);
    MainWindow &w = *m_window;

    QTest::keyClicks(w.Text1(), QStringLiteral(" Rapid"));
    QTest::keyClicks(w.Text2(), QStringLiteral(" Express"));
    SignState changed = w.signState();
    changed.controls[QStringLiteral("Text1")].foreColor = QColor(0xFF, 0xFF, 0x00);
    changed.controls[QStringLiteral("Text2")].backColor = QColor(0xC0, 0x00, 0x00);
    w.setSignState(changed);
    const SignState before = w.signState();
    QCOMPARE(before, changed);
    const QRect geometryBefore = w.geometry();

    m_fakes->messages.answerNo();
    leave(way);

    QCOMPARE(m_fakes->messages.shown.size(), 1);
    const FakeMessageBoxService::Shown &box = m_fakes->messages.shown.first();
    QCOMPARE(box.title, QStringLiteral("Quintelo"));
    QCOMPARE(box.text, kQuestion);
    QCOMPARE(box.icon, MessageBoxService::Icon::Exclamation);
    QVERIFY(box.question);

    QVERIFY(w.isVisible());
    QCOMPARE(w.signState(), before);
    QCOMPARE(w.geometry(), geometryBefore);
    // Ctrl+X asked instead of cutting: the typed text is still whole.
    QVERIFY(w.Text1()->text().endsWith(QStringLiteral(" Rapid")));

    // Refusing once does not count as leave given: the next attempt asks again.
    m_fakes->messages.answerNo();
    leave(way);
    QCOMPARE(m_fakes->messages.shown.size(), 2);
    QVERIFY(w.isVisible());
}

void TestExit::yesFromTheCommandsEndsWithOneQuestion_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Command5") << QStringLiteral("button");
    QTest::newRow("end from the menu") << QStringLiteral("menu");
    QTest::newRow("Ctrl+X in Text1") << QStringLiteral("ctrl+x");
}

void TestExit::yesFromTheCommandsEndsWithOneQuestion()
{
    QFETCH(QString, way);
    m_fakes->messages.answerYes();
    leave(way);

    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_fakes->messages.shown.size(), 1);
    // Quitting closes every window once more; the confirmed window must not ask again.
    QVERIFY(m_window->close());
    QCOMPARE(m_fakes->messages.shown.size(), 1);
}

void TestExit::yesFromTheTitleBarClosesWithOneQuestion()
{
    m_fakes->messages.answerYes();
    leave(QStringLiteral("close"));

    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_fakes->messages.shown.size(), 1);
    QCOMPARE(m_fakes->messages.shown.first().text, kQuestion);
    QVERIFY(m_window->close());
    QCOMPARE(m_fakes->messages.shown.size(), 1);
}

QTEST_MAIN(TestExit)
#include "tst_exit.moc"
