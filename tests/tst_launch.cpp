#include "TestSupport.h"
#include "ui/HelpDocument.h"
#include "ui/LaunchCommands.h"
#include "ui/SignLineEdit.h"
#include "ui/TranslationPage.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QString touched(const QDir &folder, const QString &name)
{
    folder.mkpath(QFileInfo(folder.filePath(name)).path());
    QFile file(folder.filePath(name));
    file.open(QIODevice::WriteOnly);
    return QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
}

} // namespace

class TestLaunch : public MainWindowTest
{
    Q_OBJECT

private slots:
    void translationAsksFirst_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("honayku button") << "button";
        QTest::newRow("honyak menu") << "menu";
        QTest::newRow("Ctrl+H in Text2") << "keys";
    }
    void translationAsksFirst()
    {
        QFETCH(QString, way);
        for (const bool yes : {false, true}) {
            yes ? fakes().messages.answerYes() : fakes().messages.answerNo();
            if (way == u"button")
                click(control("honayku"));
            else if (way == u"menu")
                named<QAction>(window(), "honyak")->trigger();
            else
                QTest::keyClick(window().lineEdit(SignLine::English), Qt::Key_H,
                                Qt::ControlModifier);
            QCOMPARE(fakes().launcher.opened,
                     yes ? QStringList{kTranslationPageUrl} : QStringList());
        }
        QCOMPARE(fakes().messages.shown.first().text,
                 QStringLiteral("YAHOOJAPANの翻訳ページにリンクします。。"
                                "インターネットの接続環境はよろしいですか？"));
        QCOMPARE(fakes().messages.shown.first().icon, MessageBoxService::Icon::Question);
        QCOMPARE(frame(), Frame());
    }
    void helpIsFoundWhereverItLies()
    {
        const QString start = QDir::currentPath();
        QTemporaryDir elsewhere, prefix;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        // Beside the program, from any folder, with F1 or the menu.
        QTest::keyClick(window().lineEdit(SignLine::Main), Qt::Key_F1);
        const QString beside =
            QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/help/QNT.html");
        QCOMPARE(fakes().launcher.opened, QStringList{beside});
        // In the installed folder relative to the program's; one beside it comes first, and one
        // in the current folder before both.
        const QDir bin(prefix.filePath(QStringLiteral("bin")));
        const QString installed = QDir::toNativeSeparators(
            QDir::cleanPath(touched(bin, kInstalledHelpFolder + QStringLiteral("/QNT.html"))));
        LaunchCommands(fakes().messages, fakes().launcher, bin.path()).openHelp();
        QCOMPARE(fakes().launcher.opened.last(), installed);
        const QString local = touched(bin, kHelpDocumentPath);
        LaunchCommands(fakes().messages, fakes().launcher, bin.path()).openHelp();
        QCOMPARE(fakes().launcher.opened.last(), local);
        const QString current = touched(QDir(elsewhere.path()), kHelpDocumentPath);
        named<QAction>(window(), "hajimeni")->trigger();
        QCOMPARE(fakes().launcher.opened.last(), current);
        QVERIFY(fakes().messages.shown.isEmpty());
        QDir::setCurrent(start);
    }
    void failuresAreTold()
    {
        QTemporaryDir empty;
        LaunchCommands(fakes().messages, fakes().launcher, empty.path()).openHelp();
        fakes().launcher.succeeds = false;
        fakes().messages.answerYes();
        click(control("honayku"));
        QCOMPARE(fakes().messages.shown.size(), 3);
        QVERIFY(fakes().messages.shown[0].text.contains(QStringLiteral("help/QNT.html")));
        QVERIFY(fakes().messages.shown[2].text.contains(
            QStringLiteral("翻訳ページを開けませんでした")));
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
        for (int layout = 0; layout < 3; ++layout, click(control("Command8")))
            for (const QPushButton *button : window().findChildren<QPushButton *>())
                add(buttonKeys, button->text());
        for (const QAction *menu : window().menuBar()->actions())
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
};

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
