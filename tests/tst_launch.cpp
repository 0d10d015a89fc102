#include "TestSupport.h"
#include "identity/AppIdentity.h"
#include "platform/SettingsFile.h"
#include "tr/ProgramLanguage.h"
#include "ui/HelpDocument.h"
#include "ui/LaunchCommands.h"
#include "ui/LedSettingsDialog.h"
#include "ui/SignLineEdit.h"
#include "ui/TranslationPage.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

QString touched(const QDir &folder, const QString &name)
{
    folder.mkpath(QFileInfo(folder.filePath(name)).path());
    QFile file(folder.filePath(name));
    file.open(QIODevice::WriteOnly);
    return QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
}

// Every text a window shows that still has Japanese in it, but for the sign's own data (the
// presets' names) and the language menu, which names both languages on purpose.
QStringList japaneseTexts(const QWidget &window)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    QStringList texts{window.windowTitle()};
    for (const QAction *action : window.findChildren<QAction *>()) {
        const QString menu = action->parent() ? action->parent()->objectName() : QString();
        if (menu != u"syubetu" && menu != u"rosensyoku" && menu != u"gengo")
            texts << action->text() << action->iconText() << action->toolTip();
    }
    // Qt's own OK and Cancel speak Qt's language, which the tests keep Japanese.
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        if (!qobject_cast<QDialogButtonBox *>(button->parent()))
            texts << button->text();
    for (const QGroupBox *box : window.findChildren<QGroupBox *>())
        texts << box->title();
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts << label->text();
    texts.removeIf([](const QString &text) { return !text.contains(japanese); });
    return texts;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
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

    // Japanese unless English is chosen in the help menu; the choice is kept and told once.
    void windowSpeaksTheChosenLanguage()
    {
        QCOMPARE(named<QMenu>(window(), "fairu")->title(), QStringLiteral("ファイル(&F)"));
        QCOMPARE(control("Command6")->text(), QStringLiteral("画像として保存(&S)"));
        QVERIFY(named<QAction>(window(), "languageJapanese")->isChecked());

        named<QAction>(window(), "languageEnglish")->trigger();
        named<QAction>(window(), "languageEnglish")->trigger();
        QCOMPARE(chosenLanguage(fakes().settings), ProgramLanguage::English);
        QCOMPARE(fakes().messages.shown.size(), 1);
        QCOMPARE(fakes().messages.shown[0].text,
                 QStringLiteral("表示の言語は、Quintelo を次に起動したときから切り替わります。"));
        QVERIFY(!named<QAction>(window(), "languageJapanese")->isChecked());

        // The next start: every text of the window and its dialogs in English.
        QTranslator *english = installProgramTranslation(*qApp, chosenLanguage(fakes().settings));
        QVERIFY(english);
        const auto uninstall = qScopeGuard([english] {
            QCoreApplication::removeTranslator(english);
            delete english;
        });
        MainWindow next(fakes().services, nullptr);
        QVERIFY(named<QAction>(next, "languageEnglish")->isChecked());
        QCOMPARE(named<QMenu>(next, "fairu")->title(), QStringLiteral("&File"));
        QCOMPARE(named<QMenu>(next, "herupu")->title(), QStringLiteral("&Help"));
        QCOMPARE(named<QPushButton>(next, "Command6")->text(), QStringLiteral("&Save Picture"));
        for (int layout = 0; layout < 2; ++layout, named<QPushButton>(next, "Command8")->click())
            QCOMPARE(japaneseTexts(next).join(u'|'), QString());
        const LedSettingsDialog led{LedSettings()};
        QCOMPARE(led.windowTitle(), QStringLiteral("LED Settings"));
        QCOMPARE(japaneseTexts(led).join(u'|'), QString());
        fakes().messages.answerNo();
        named<QPushButton>(next, "Command5")->click();
        QCOMPARE(fakes().messages.shown.last().text,
                 QStringLiteral("Exit? Unsaved work will be lost."));
    }

    // The settings leave Qt's stand-in organisation for the program's own name once, and a
    // move that cannot be made leaves the earlier file where it was.
    void settingsMoveOnceToTheProgramsName()
    {
        QTemporaryDir config;
        const QString earlier =
            config.filePath(QStringLiteral("Unknown Organization/Quintelo.conf"));
        writeFile(earlier, "[General]\nlanguage=en\n");
        QVERIFY(moveEarlierSettings(config.path()));
        QVERIFY(!QFileInfo::exists(QFileInfo(earlier).path()));
        // Where the program's settings are read from, with the user's folder there.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        {
            const QSettings settings(QSettings::UserScope, kAppTitle, kAppTitle);
            QCOMPARE(settings.fileName(), settingsFileIn(config.path()));
            QCOMPARE(chosenLanguage(settings), ProgramLanguage::English);
        }

        writeFile(earlier, "[General]\nlanguage=ja\n");
        QVERIFY(!moveEarlierSettings(config.path()));
        QVERIFY(QFile::exists(earlier));
        QCOMPARE(bytesOf(settingsFileIn(config.path())), QByteArray("[General]\nlanguage=en\n"));

        QTemporaryDir blocked;
        writeFile(blocked.filePath(QStringLiteral("Unknown Organization/Quintelo.conf")), "x");
        writeFile(blocked.filePath(QStringLiteral("Quintelo")), "a file where the folder goes");
        QVERIFY(!moveEarlierSettings(blocked.path()));
        QCOMPARE(bytesOf(blocked.filePath(QStringLiteral("Unknown Organization/Quintelo.conf"))),
                 QByteArray("x"));
    }
};

QTEST_MAIN(TestLaunch)
#include "tst_launch.moc"
