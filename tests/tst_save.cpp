#include "MainWindowTest.h"
#include "composer/SignLineEdit.h"
#include "platform/DialogOwner.h"
#include "platform/QtDialogService.h"
#include "platform/SaveFileDialog.h"
#include "render/PlatePainter.h"
#include "sign/PlateGeometry.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

// Read by what the bytes are, not by the name, so a misnamed file cannot pass.
QImage imageIn(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return rgb(reader.read());
}

} // namespace

class TestSave : public MainWindowTest
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        MainWindowTest::init();
    }

    void plateIsSavedAsThePainterDrawsIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("gif") << "sign.gif" << QByteArray("GIF89a");
        QTest::newRow("png") << "sign.PNG" << QByteArray("\x89PNG");
        QTest::newRow("bmp") << "sign.bmp" << QByteArray("BM");
    }
    void plateIsSavedAsThePainterDrawsIt()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        // Typed with the caret and a selection on screen: neither may reach the picture.
        QTest::keyClicks(window().lineEdit(SignLine::Main), QStringLiteral("Exp"));
        window().lineEdit(SignLine::Main)->selectAll();
        fakes().dialogs.answer(path(name));
        click(control("Command6"));

        QVERIFY(fakes().messages.shown.isEmpty());
        QVERIFY(bytesOf(path(name)).startsWith(magic));
        const QImage expected = PlatePainter(frame()).render();
        QCOMPARE(fakes().imageWriter.calls.size(), 1);
        QCOMPARE(rgb(fakes().imageWriter.calls.first().image), expected);
        QCOMPARE(imageIn(path(name)).size(), QSize(241, 81));
        if (magic != "GIF89a")
            QCOMPARE(imageIn(path(name)), expected);
    }
    void fileMenuSavesTheDestinationArea_data()
    {
        QTest::addColumn<bool>("typeLayout");
        QTest::newRow("type and destination") << true;
        QTest::newRow("sign name, destination hidden") << false;
    }
    void fileMenuSavesTheDestinationArea()
    {
        QFETCH(bool, typeLayout);
        if (typeLayout)
            click(control("Command8"));
        fakes().dialogs.answer(path(QStringLiteral("destination.png")));
        QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
        const QImage saved = imageIn(path(QStringLiteral("destination.png")));
        QCOMPARE(saved.size(), QSize(137, 41));
        QCOMPARE(saved,
                 PlatePainter(frame()).render(lineRect(frame().layout, SignLine::Destination)));
    }
    void savesWhileTheWindowIsMinimised()
    {
        window().showMinimized();
        fakes().dialogs.answer(path(QStringLiteral("sign.png")));
        click(control("Command6"));
        QCOMPARE(imageIn(path(QStringLiteral("sign.png"))), PlatePainter(frame()).render());
    }
    void cancelSavesNothing()
    {
        fakes().dialogs.cancel();
        click(control("Command6"));
        fakes().dialogs.answer(QString());
        named<QAction>(window(), "hozon")->trigger();
        QCOMPARE(fakes().dialogs.saveCalls.size(), 2);
        QVERIFY(fakes().imageWriter.calls.isEmpty());
        QVERIFY(fakes().messages.shown.isEmpty());
        QVERIFY(QDir(m_dir->path()).isEmpty());
    }
    void failureIsToldAndKeepsTheOldFile()
    {
        const QString name = path(QStringLiteral("sign.png"));
        QFile old(name);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old picture") > 0);
        old.close();
        fakes().imageWriter.failWith = QStringLiteral("ディスクがいっぱいです");
        fakes().dialogs.answer(name);
        click(control("Command6"));
        QCOMPARE(fakes().messages.shown.size(), 1);
        const QString told = fakes().messages.shown.first().text;
        QVERIFY(told.contains(QDir::toNativeSeparators(name)));
        QVERIFY(told.contains(QStringLiteral("ディスクがいっぱいです")));
        QCOMPARE(bytesOf(name), QByteArray("old picture"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("sign.png")});
    }
    void realDialogNamesAGifAndFollowsTheFlags()
    {
        QtDialogService dialogs(fakes().dialogOwner);
        FakeServices &f = fakes();
        Services services{f.dialogOwner, dialogs,     f.messages,
                          f.launcher,    f.logonName, f.imageWriter};
        MainWindow w(services);
        f.dialogOwner.setWindow(&w);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto saveAs = [this](SaveFileDialog *dialog, const QString &name) {
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path(name));
            clickButton(dialog, QDialogButtonBox::Save);
        };
        QString title;
        bool readOnlyShown = true;
        bool owned = false;
        whenOpen<SaveFileDialog>([&](SaveFileDialog *dialog) {
            title = dialog->windowTitle();
            owned = dialog->parentWidget() == &w;
            readOnlyShown = dialog->readOnlyBox()->isVisible();
            saveAs(dialog, QStringLiteral("sign"));
        });
        click(named<QPushButton>(w, "Command6"));
        QCOMPARE(title, QStringLiteral("方向幕画像の保存"));
        QVERIFY(owned);
        QVERIFY(!readOnlyShown);
        QVERIFY(bytesOf(path(QStringLiteral("sign.gif"))).startsWith("GIF89a"));

        // After a colour command the box shows, ticked; a type picked in the list gives a name
        // without extension that type's extension.
        whenOpen<QColorDialog>(
            [](QColorDialog *dialog) { clickButton(dialog, QDialogButtonBox::Ok); });
        click(named<QPushButton>(w, "Command4"));
        bool readOnlyTicked = false;
        whenOpen<SaveFileDialog>([&](SaveFileDialog *dialog) {
            readOnlyShown = dialog->readOnlyBox()->isVisible();
            readOnlyTicked = dialog->readOnlyBox()->isChecked();
            QTest::keyClick(dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")),
                            Qt::Key_Down);
            saveAs(dialog, QStringLiteral("plate"));
        });
        click(named<QPushButton>(w, "Command6"));
        QVERIFY(readOnlyShown && readOnlyTicked);
        QVERIFY(bytesOf(path(QStringLiteral("plate.png"))).startsWith("\x89PNG"));
        // The focus went back where it was, so the keys go on working.
        QTRY_COMPARE(QApplication::focusWidget(), named<QWidget>(w, "Command6"));
    }

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestSave)
#include "tst_save.moc"
