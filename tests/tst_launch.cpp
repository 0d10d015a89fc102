#include "MainWindowTest.h"
#include "composer/SignLineEdit.h"
#include "launch/HelpDocument.h"
#include "launch/LaunchCommands.h"
#include "launch/TranslationPage.h"
#include "platform/ShellOpenCommand.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QUrl>

class TestLaunch : public MainWindowTest
{
    Q_OBJECT

private slots:
    void init()
    {
        m_startDir = QDir::currentPath();
        MainWindowTest::init();
    }
    void cleanup()
    {
        MainWindowTest::cleanup();
        QDir::setCurrent(m_startDir);
    }

    void shellCommandLineIsPrefixAndBareTarget()
    {
        for (const QString &target :
             {kTranslationPageUrl, QStringLiteral("C:\\Program Files\\Quintelo\\help\\QNT.html")})
            QCOMPARE(shellOpenCommandLine(target),
                     QStringLiteral("rundll32.exe url.dll,FileProtocolHandler ") + target);
        QCOMPARE(kShellOpenWindowStyle, 2);
    }
    void translationAsksFirst_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("honayku button") << QStringLiteral("button");
        QTest::newRow("honyak menu") << QStringLiteral("menu");
        QTest::newRow("Ctrl+H in Text2") << QStringLiteral("ctrl+h");
    }
    void translationAsksFirst()
    {
        QFETCH(QString, way);
        const auto ask = [&] {
            if (way == u"button") {
                click(control("honayku"));
            } else if (way == u"menu") {
                named<QAction>(window(), "honyak")->trigger();
            } else {
                QTest::keyClick(window().lineEdit(SignLine::English), Qt::Key_H,
                                Qt::ControlModifier);
            }
        };

        fakes().messages.answerNo();
        ask();
        QCOMPARE(fakes().messages.shown.size(), 1);
        const FakeMessageBoxService::Shown &question = fakes().messages.shown.first();
        QCOMPARE(question.text, QStringLiteral("YAHOOJAPANの翻訳ページにリンクします。。"
                                               "インターネットの接続環境はよろしいですか？"));
        QCOMPARE(question.icon, MessageBoxService::Icon::Question);
        QVERIFY(question.question);
        QVERIFY(fakes().launcher.opened.isEmpty());

        fakes().messages.answerYes();
        ask();
        QCOMPARE(fakes().messages.shown.size(), 2);
        QCOMPARE(fakes().launcher.opened, QStringList{kTranslationPageUrl});
        QCOMPARE(QUrl(kTranslationPageUrl, QUrl::StrictMode).scheme(), QStringLiteral("https"));
        QCOMPARE(frame(), Frame());
    }
    void helpOpensWithoutAQuestionFromAnyFolder()
    {
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        QTest::keyClick(window().lineEdit(SignLine::Main), Qt::Key_F1);
        named<QAction>(window(), "hajimeni")->trigger();

        QVERIFY(fakes().messages.shown.isEmpty());
        const QString beside =
            QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/help/QNT.html");
        QCOMPARE(fakes().launcher.opened, QStringList({beside, beside}));
        QVERIFY(QFile::exists(beside));

        // A help file in the current folder comes first.
        QVERIFY(QDir(elsewhere.path()).mkdir(QStringLiteral("help")));
        QFile local(elsewhere.filePath(kHelpDocumentPath));
        QVERIFY(local.open(QIODevice::WriteOnly));
        local.close();
        named<QAction>(window(), "hajimeni")->trigger();
        QCOMPARE(fakes().launcher.opened.last(),
                 QDir::toNativeSeparators(QFileInfo(local).absoluteFilePath()));
    }
    void installedHelpIsFoundFromTheProgramsFolder()
    {
        QTemporaryDir elsewhere;
        QTemporaryDir prefix;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        const QDir bin(prefix.filePath(QStringLiteral("bin")));
        QVERIFY(bin.mkpath(QStringLiteral(".")));
        QVERIFY(bin.mkpath(kInstalledHelpFolder));
        QFile installed(QDir(bin.filePath(kInstalledHelpFolder)).filePath("QNT.html"));
        QVERIFY(installed.open(QIODevice::WriteOnly));
        installed.close();

        LaunchCommands(fakes().messages, fakes().launcher, bin.path()).openHelp();
        const QString expected =
            QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(installed).absoluteFilePath()));
        QCOMPARE(fakes().launcher.opened, QStringList{expected});
        QVERIFY(fakes().messages.shown.isEmpty());

        // A help folder beside the program, as in the build tree, still comes first.
        QVERIFY(bin.mkpath(QStringLiteral("help")));
        QFile beside(bin.filePath(kHelpDocumentPath));
        QVERIFY(beside.open(QIODevice::WriteOnly));
        beside.close();
        LaunchCommands(fakes().messages, fakes().launcher, bin.path()).openHelp();
        QCOMPARE(fakes().launcher.opened.last(),
                 QDir::toNativeSeparators(QFileInfo(beside).absoluteFilePath()));
    }
    void missingHelpIsReported()
    {
        QTemporaryDir elsewhere;
        QTemporaryDir emptyProgramDir;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        LaunchCommands(fakes().messages, fakes().launcher, emptyProgramDir.path()).openHelp();

        QVERIFY(fakes().launcher.opened.isEmpty());
        QCOMPARE(fakes().messages.shown.size(), 1);
        QVERIFY(!fakes().messages.shown.first().question);
        QVERIFY(fakes().messages.shown.first().text.contains(QStringLiteral("help/QNT.html")));
    }
    void openerFailureIsReported()
    {
        fakes().launcher.succeeds = false;
        named<QAction>(window(), "hajimeni")->trigger();
        fakes().messages.answerYes();
        click(control("honayku"));

        QCOMPARE(fakes().launcher.opened.size(), 2);
        QCOMPARE(fakes().messages.shown.size(), 3);
        const auto &help = fakes().messages.shown[0];
        const auto &page = fakes().messages.shown[2];
        for (const auto &told : {help, page}) {
            QVERIFY(!told.question);
            QVERIFY(told.text.contains(QStringLiteral("開けませんでした")));
        }
        QVERIFY(help.text.contains(QStringLiteral("ヘルプ")));
        QVERIFY(page.text.contains(QStringLiteral("翻訳ページ")));
    }

private:
    QString m_startDir;
};

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
