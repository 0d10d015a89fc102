#include "TestSupport.h"
#include "composer/SignLineEdit.h"
#include "export/ExportSettings.h"
#include "render/PlatePainter.h"
#include "sign/PlateGeometry.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

class TestSave : public MainWindowTest
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        MainWindowTest::init();
    }
    void plateIsSavedAsThePainterDrawsIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("gif") << "sign.gif" << QByteArray("gif");
        QTest::newRow("png") << "sign.PNG" << QByteArray("png");
        QTest::newRow("bmp") << "sign.bmp" << QByteArray("bmp");
    }
    void plateIsSavedAsThePainterDrawsIt()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        // Typed with the caret and a selection on screen, and the window out of sight: none of
        // it may change the picture.
        QTest::keyClicks(window().lineEdit(SignLine::Main), QStringLiteral("Exp"));
        window().lineEdit(SignLine::Main)->selectAll();
        window().showMinimized();
        fakes().dialogs.answer(path(name));
        click(control("Command6"));
        QVERIFY(fakes().messages.shown.isEmpty());
        QCOMPARE(QImageReader::imageFormat(path(name)), format);
        const QImage saved = rgb(QImage(path(name)));
        if (format == "gif")
            QCOMPARE(saved.size(), QSize(241, 81));
        else
            QCOMPARE(saved, PlatePainter(frame()).render());
    }
    void fileMenuSavesTheDestinationArea()
    {
        for (const bool typeLayout : {false, true}) {
            if (typeLayout)
                click(control("Command8"));
            fakes().dialogs.answer(path(QStringLiteral("destination.png")));
            QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
            const QImage saved = rgb(QImage(path(QStringLiteral("destination.png"))));
            QCOMPARE(saved.size(), QSize(137, 41));
            QCOMPARE(saved,
                     PlatePainter(frame()).render(lineRect(frame().layout, SignLine::Destination)));
        }
    }
    void cancelSavesNothingAndAFailureIsTold()
    {
        fakes().dialogs.cancel();
        click(control("Command6"));
        fakes().dialogs.answer(QString());
        named<QAction>(window(), "hozon")->trigger();
        QCOMPARE(fakes().dialogs.saveCalls.size(), 2);
        QVERIFY(fakes().messages.shown.isEmpty());
        QVERIFY(QDir(m_dir->path()).isEmpty());

        fakes().dialogs.answer(path(QStringLiteral("missing/sign.gif")));
        click(control("Command6"));
        QCOMPARE(fakes().messages.shown.size(), 1);
        QVERIFY(fakes().messages.shown.first().text.contains(
            QDir::toNativeSeparators(path(QStringLiteral("missing/sign.gif")))));
    }
    void exportSettingsSizeEverySaveAndTheSheet()
    {
        whenOpen<QDialog>([](QDialog *dialog) {
            named<QRadioButton>(*dialog, "takasa")->click();
            named<QSpinBox>(*dialog, "takasati")->setValue(162);
            named<QComboBox>(*dialog, "yousi")->setCurrentIndex(1);
            clickButton(dialog, QDialogButtonBox::Ok);
        });
        named<QAction>(window(), "kakidasisettei")->trigger();
        fakes().dialogs.answer(path(QStringLiteral("sign.png")));
        click(control("Command6"));
        QCOMPARE(QImage(path(QStringLiteral("sign.png"))).size(), QSize(482, 162));
        fakes().dialogs.answer(path(QStringLiteral("sign.svg")));
        click(control("Command6"));
        QVERIFY(bytesOf(path(QStringLiteral("sign.svg"))).contains("<svg width=\"482\""));
        fakes().dialogs.answer(path(QStringLiteral("sheet.pdf")));
        named<QAction>(window(), "insatusheet")->trigger();
        QVERIFY(bytesOf(path(QStringLiteral("sheet.pdf"))).startsWith("%PDF"));
        QVERIFY(fakes().messages.shown.isEmpty());
        QCOMPARE(ExportSettings::load(fakes().settings).paper, ExportSettings::Paper::B5);
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestSave)
#include "tst_save.moc"
