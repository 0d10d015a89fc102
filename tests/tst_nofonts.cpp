#include "TestSupport.h"
#include "app/AboutBox.h"
#include "composer/SignLineEdit.h"
#include "render/PlatePainter.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImageReader>
#include <QTemporaryDir>

namespace {

constexpr int kWaitBoundMs = 5000;

} // namespace

// Run by CTest with a font configuration that names no font folder: a machine without a
// single font must still get the program up and save a sign.
class TestNoFonts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Without this the tests below would prove nothing. Qt lists its three generic
        // families even when no font stands behind them; then nothing resolves to a face.
        const QStringList generic{QStringLiteral("Monospace"), QStringLiteral("Sans Serif"),
                                  QStringLiteral("Serif")};
        QStringList installed = QFontDatabase::families();
        installed.removeIf([&generic](const QString &family) { return generic.contains(family); });
        QVERIFY2(installed.isEmpty(), qPrintable(QStringLiteral("fonts are installed after all: ") +
                                                 installed.join(QStringLiteral(", "))));
        for (const QString &family : generic)
            QVERIFY2(QFontInfo(QFont(family)).family().isEmpty(),
                     qPrintable(family + QStringLiteral(" is backed by a real font")));
        installFonts();
    }

    void startsAndSaves()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        FakedStart app;
        QPointer<SplashWindow> splash = app.start();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        splash->Timer1()->start(0);
        QVERIFY(QTest::qWaitFor([&] { return splash.isNull(); }, kWaitBoundMs));
        MainWindow *main = app.controller.mainWindow();
        QVERIFY(main && main->isVisible());

        // The boxes still take text.
        SignLineEdit *line = main->lineEdit(SignLine::Main);
        line->setFocus();
        QTest::keyClick(line, Qt::Key_End);
        QTest::keyClicks(line, QStringLiteral("abc"));
        QVERIFY(main->document().currentFrame().text(SignLine::Main).endsWith(u"abc"));

        bool aboutOpened = false;
        whenOpen<AboutBox>([&](AboutBox *about) {
            aboutOpened = true;
            click(about->cmdOK());
        });
        click(named<QPushButton>(*main, "Command2"));
        QVERIFY(aboutOpened);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        const QString file = dir.filePath(QStringLiteral("sign.gif"));
        app.fakes.dialogs.answer(file);
        click(named<QPushButton>(*main, "Command6"));
        QVERIFY(app.fakes.messages.shown.isEmpty());
        QVERIFY(bytesOf(file).startsWith("GIF89a"));
        QImageReader reader(file);
        reader.setDecideFormatFromContent(true);
        const QImage saved = rgb(reader.read());
        QCOMPARE(saved.size(), QSize(241, 81));
        QCOMPARE(saved, PlatePainter(main->document().currentFrame()).render());
    }
};

QTEST_MAIN(TestNoFonts)
#include "tst_nofonts.moc"
