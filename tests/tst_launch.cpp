#include "MainWindowTest.h"
#include "composer/SignTextBox.h"
#include "launch/HelpDocument.h"
#include "launch/LaunchCommands.h"
#include "launch/TranslationPage.h"
#include "platform/ShellOpenCommand.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QRegularExpression>
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
        MainWindow &w = m_ui->window;
        const auto ask = [&] {
            if (way == u"button") {
                click(w.honayku());
            } else if (way == u"menu") {
                w.honyak()->trigger();
            } else {
                w.Text2()->setFocus();
                QTest::keyClick(w.Text2(), Qt::Key_H, Qt::ControlModifier);
            }
        };
        const SignState before = w.signState();

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
        QCOMPARE(w.signState(), before);
    }
    void helpOpensWithoutAQuestionFromAnyFolder()
    {
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        m_ui->window.Text1()->setFocus();
        QTest::keyClick(m_ui->window.Text1(), Qt::Key_F1);
        m_ui->window.hajimeni()->trigger();

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
        m_ui->window.hajimeni()->trigger();
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
        m_ui->window.hajimeni()->trigger();
        fakes().messages.answerYes();
        click(m_ui->window.honayku());

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

    void helpGivesNoKeyThatAMenuTakes()
    {
        // Each caption either layout shows, without its access key, and that key.
        QHash<QString, QString> buttonKeys, menuKeys;
        const auto add = [](QHash<QString, QString> &keys, QString caption) {
            const qsizetype key = caption.indexOf(u'&');
            caption.remove(key, 1);
            keys.insert(caption.section(u'(', 0, 0), caption.mid(key, 1));
        };
        MainWindow &w = m_ui->window;
        for (int layout = 0; layout < 3; ++layout, click(w.Command8()))
            for (const QPushButton *button : w.findChildren<QPushButton *>())
                add(buttonKeys, button->text());
        for (const QAction *menu : w.menuBar()->actions())
            add(menuKeys, menu->text());

        const QString help = QString::fromUtf8(
            bytesOf(QCoreApplication::applicationDirPath() + QStringLiteral("/help/QNT.html")));
        static const QRegularExpression promise(QStringLiteral("([^\\s>]+) \\(Alt\\+(\\w)\\)"));
        int promises = 0;
        for (const QRegularExpressionMatch &match : promise.globalMatch(help)) {
            const QString name = match.captured(1), key = match.captured(2);
            // A menu's access key is taken before a button's.
            QVERIFY2(menuKeys.value(name) == key ||
                         (buttonKeys.value(name) == key && menuKeys.key(key).isEmpty()),
                     qPrintable(match.captured()));
            ++promises;
        }
        QVERIFY(promises > 10);
    }

private:
    QString m_startDir;
};

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
