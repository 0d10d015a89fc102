#include "FakeServices.h"
#include "TestSetup.h"
#include "composer/MainWindow.h"
#include "composer/SignTextBox.h"
#include "launch/HelpDocument.h"
#include "launch/LaunchCommands.h"
#include "launch/TranslationPage.h"
#include "platform/ShellOpenCommand.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

const QString kTranslationQuestion = QStringLiteral(
    "YAHOOJAPANの翻訳ページにリンクします。。インターネットの接続環境はよろしいですか？");

} // namespace

class TestLaunch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void init();
    void cleanup();

    void shellCommandLineIsPrefixAndBareTarget_data();
    void shellCommandLineIsPrefixAndBareTarget();
    void translationAsksFirst_data();
    void translationAsksFirst();
    void helpOpensWithoutAQuestionFromAnyFolder();
    void helpInTheCurrentFolderComesFirst();
    void missingHelpIsReported();
    void openerFailureIsReported();

private:
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<MainWindow> m_window;
    QString m_startDir;
};

void TestLaunch::init()
{
    m_startDir = QDir::currentPath();
    m_fakes = std::make_unique<FakeServices>();
    m_window = std::make_unique<MainWindow>(m_fakes->services);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestLaunch::cleanup()
{
    m_window.reset();
    m_fakes.reset();
    QDir::setCurrent(m_startDir);
}

void TestLaunch::shellCommandLineIsPrefixAndBareTarget_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("web page") << kTranslationPageUrl;
    QTest::newRow("path with spaces")
        << QStringLiteral("C:\\Program Files\\Quintelo\\help\\QNT.html");
}

void TestLaunch::shellCommandLineIsPrefixAndBareTarget()
{
    QFETCH(QString, target);
    QCOMPARE(shellOpenCommandLine(target),
             QStringLiteral("rundll32.exe url.dll,FileProtocolHandler ") + target);
    QCOMPARE(kShellOpenWindowStyle, 2);
}

void TestLaunch::translationAsksFirst_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("honayku button") << QStringLiteral("button");
    QTest::newRow("honyak menu") << QStringLiteral("menu");
    QTest::newRow("Ctrl+H in Text2") << QStringLiteral("ctrl+h");
}

void TestLaunch::translationAsksFirst()
{
    QFETCH(QString, way);
    MainWindow &w = *m_window;
    const auto ask = [&] {
        if (way == QLatin1String("button")) {
            QTest::mouseClick(w.honayku(), Qt::LeftButton);
        } else if (way == QLatin1String("menu")) {
            w.honyak()->trigger();
        } else {
            w.Text2()->setFocus();
            QTest::keyClick(w.Text2(), Qt::Key_H, Qt::ControlModifier);
        }
    };
    const SignState before = w.signState();

    m_fakes->messages.answerNo();
    ask();
    QCOMPARE(m_fakes->messages.shown.size(), 1);
    const FakeMessageBoxService::Shown &question = m_fakes->messages.shown.first();
    QCOMPARE(question.title, QStringLiteral("Quintelo"));
    QCOMPARE(question.text, kTranslationQuestion);
    QCOMPARE(question.icon, MessageBoxService::Icon::Question);
    QVERIFY(question.question);
    QVERIFY(m_fakes->launcher.opened.isEmpty());

    m_fakes->messages.answerYes();
    ask();
    QCOMPARE(m_fakes->messages.shown.size(), 2);
    QCOMPARE(m_fakes->launcher.opened, QStringList{kTranslationPageUrl});
    const QUrl page(kTranslationPageUrl, QUrl::StrictMode);
    QVERIFY(page.isValid());
    QCOMPARE(page.scheme(), QStringLiteral("https"));
    QCOMPARE(w.signState(), before);
}

void TestLaunch::helpOpensWithoutAQuestionFromAnyFolder()
{
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QVERIFY(QDir::setCurrent(elsewhere.path()));

    m_window->Text1()->setFocus();
    QTest::keyClick(m_window->Text1(), Qt::Key_F1);
    m_window->hajimeni()->trigger();

    QVERIFY(m_fakes->messages.shown.isEmpty());
    const QString beside =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/help/QNT.html");
    QCOMPARE(m_fakes->launcher.opened, QStringList({beside, beside}));
    QVERIFY(QFile::exists(beside));
}

void TestLaunch::helpInTheCurrentFolderComesFirst()
{
    QTemporaryDir here;
    QVERIFY(here.isValid());
    QVERIFY(QDir(here.path()).mkdir(QStringLiteral("help")));
    QFile local(here.filePath(kHelpDocumentPath));
    QVERIFY(local.open(QIODevice::WriteOnly));
    local.close();
    QVERIFY(QDir::setCurrent(here.path()));

    m_window->hajimeni()->trigger();
    QCOMPARE(m_fakes->launcher.opened,
             QStringList{QDir::toNativeSeparators(QFileInfo(local).absoluteFilePath())});
}

void TestLaunch::missingHelpIsReported()
{
    QTemporaryDir elsewhere;
    QTemporaryDir emptyProgramDir;
    QVERIFY(elsewhere.isValid() && emptyProgramDir.isValid());
    QVERIFY(QDir::setCurrent(elsewhere.path()));

    LaunchCommands(m_fakes->messages, m_fakes->launcher, emptyProgramDir.path()).openHelp();

    QVERIFY(m_fakes->launcher.opened.isEmpty());
    QCOMPARE(m_fakes->messages.shown.size(), 1);
    const FakeMessageBoxService::Shown &told = m_fakes->messages.shown.first();
    QCOMPARE(told.title, QStringLiteral("Quintelo"));
    QVERIFY(!told.question);
    QVERIFY(told.text.contains(QStringLiteral("help/QNT.html")));
}

void TestLaunch::openerFailureIsReported()
{
    m_fakes->launcher.succeeds = false;
    m_window->hajimeni()->trigger();
    m_fakes->messages.answerYes();
    QTest::mouseClick(m_window->honayku(), Qt::LeftButton);

    QCOMPARE(m_fakes->launcher.opened.size(), 2);
    QCOMPARE(m_fakes->messages.shown.size(), 3);
    const auto &help = m_fakes->messages.shown[0];
    const auto &page = m_fakes->messages.shown[2];
    for (const auto &told : {help, page}) {
        QCOMPARE(told.title, QStringLiteral("Quintelo"));
        QVERIFY(!told.question);
        QVERIFY(told.text.contains(QStringLiteral("開けませんでした")));
    }
    QVERIFY(help.text.contains(QStringLiteral("ヘルプ")));
    QVERIFY(page.text.contains(QStringLiteral("翻訳ページ")));
}

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
