#include "SavingWindowTest.h"
#include "composer/PictureBox.h"
#include "composer/SignPlate.h"
#include "composer/SignTextBox.h"
#include "platform/QtDialogService.h"
#include "platform/SaveFileDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>

#include <memory>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kBlue = qRgb(0, 0, 0xFF);

} // namespace

class TestExport : public SavingWindowTest
{
    Q_OBJECT

private slots:
    void plateIsSavedInTheFormatItsNameSays_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::addColumn<bool>("englishLine");
        QTest::newRow("gif") << "sign.gif" << QByteArray("GIF8") << true;
        QTest::newRow("gif, English line empty") << "sign.gif" << QByteArray("GIF8") << false;
        QTest::newRow("png") << "sign.png" << kPngSignature << true;
        QTest::newRow("bmp") << "sign.bmp" << QByteArray("BM") << true;
        QTest::newRow("upper-case extension") << "SIGN.PNG" << kPngSignature << true;
        QTest::newRow("double extension") << "sign.gif.png" << kPngSignature << true;
    }
    void plateIsSavedInTheFormatItsNameSays()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        QFETCH(bool, englishLine);
        MainWindow &w = m_ui->window;
        if (!englishLine)
            w.Text2()->clear();
        const QFileInfo file(path(name));
        QVERIFY(QDir().mkpath(file.path()));
        const SignState before = w.signState();

        fakes().dialogs.answer(path(name));
        click(w.Command6());

        QVERIFY(fakes().messages.shown.isEmpty());
        QVERIFY(w.signState() == before);
        const QByteArray bytes = bytesOf(path(name));
        QVERIFY2(bytes.startsWith(magic), bytes.left(8).toHex().constData());
        if (magic == "GIF8")
            QVERIFY(bytes.startsWith("GIF89a") || bytes.startsWith("GIF87a"));
        QCOMPARE(entriesOf(file.path()), QStringList{file.fileName()});

        // Picture1 keeps the capture: exactly the plate, as the window shows it.
        const QImage capture = rgb(w.Picture1()->picture());
        QCOMPARE(capture.size(), QSize(241, 81));
        QCOMPARE(capture, cleanPlate());
        QCOMPARE(capture.pixel(2, 2), kBlack);
        QCOMPARE(capture.pixel(2, 75), kBlue);
        QVERIFY(countPixels(capture, whitish, {0, 16, 241, 42}) > 150);

        const QImage saved = imageIn(path(name));
        QCOMPARE(saved.size(), QSize(241, 81));
        if (magic != "GIF8" || colourCount(capture) <= 256) {
            QVERIFY(englishLine || colourCount(capture) <= 256);
            QCOMPARE(saved, capture);
            return;
        }
        // White text shaded onto black and onto blue needs a few more than a GIF's 256 colours;
        // the plain ones stay exact and the text stays white (the palette's quality is
        // tst_imagewriter's business).
        QCOMPARE(saved.pixel(2, 2), kBlack);
        QCOMPARE(saved.pixel(2, 75), kBlue);
        QVERIFY(countPixels(saved, whitish, {0, 16, 241, 42}) > 150);
    }
    void fileMenuSavesTheDestinationBox_data()
    {
        QTest::addColumn<bool>("typeLayout");
        QTest::newRow("type and destination") << true;
        QTest::newRow("sign name, destination hidden") << false;
    }
    void fileMenuSavesTheDestinationBox()
    {
        QFETCH(bool, typeLayout);
        MainWindow &w = m_ui->window;
        if (typeLayout)
            click(w.Command8());
        w.Text3()->setText(QStringLiteral("東京"));
        const QImage expected = cleanPlate().copy(w.Text3()->geometry());

        fakes().dialogs.answer(path(QStringLiteral("destination.png")));
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(fakes().dialogs.saveCalls.size(), 1);
        const QImage capture = rgb(w.Picture1()->picture());
        QCOMPARE(capture.size(), QSize(137, 41));
        QCOMPARE(capture, expected);
        // The destination's text in the one layout, the sign name behind it in the other.
        QVERIFY(countPixels(capture, whitish) > 40);
        QCOMPARE(imageIn(path(QStringLiteral("destination.png"))), capture);
    }
    void savingTwiceToOneNameOverwrites()
    {
        MainWindow &w = m_ui->window;
        const QString name = path(QStringLiteral("sign.gif"));
        w.Text1()->setText(QStringLiteral("快速"));
        fakes().dialogs.answer(name);
        click(w.Command6());
        const QImage first = imageIn(name);

        w.Text1()->setText(QStringLiteral("各駅停車"));
        fakes().dialogs.answer(name);
        click(w.Command6());

        QVERIFY(fakes().messages.shown.isEmpty());
        QVERIFY(bytesOf(name).startsWith("GIF8"));
        QCOMPARE(imageIn(name).size(), QSize(241, 81));
        QVERIFY(imageIn(name) != first);
        QCOMPARE(entriesOf(m_dir->path()), QStringList{QStringLiteral("sign.gif")});
    }
    void cancelSavesAndReportsNothing_data()
    {
        QTest::addColumn<bool>("fileMenu");
        QTest::addColumn<bool>("afterColour");
        QTest::addColumn<bool>("emptyName");
        QTest::newRow("button, Cancel") << false << false << false;
        QTest::newRow("File menu, empty name") << true << false << true;
        QTest::newRow("button after a colour command, empty name") << false << true << true;
        QTest::newRow("File menu after a colour command, Cancel") << true << true << false;
    }
    void cancelSavesAndReportsNothing()
    {
        QFETCH(bool, fileMenu);
        QFETCH(bool, afterColour);
        QFETCH(bool, emptyName);
        MainWindow &w = m_ui->window;
        if (afterColour) {
            fakes().dialogs.answer(QColor(Qt::red));
            click(w.Command1());
        }
        w.CommonDialog1().FileName = path(QStringLiteral("earlier.gif"));
        const SignState before = w.signState();

        if (emptyName)
            fakes().dialogs.answer(QString());
        else
            fakes().dialogs.cancel();
        if (fileMenu)
            w.hozon()->trigger();
        else
            click(w.Command6());

        QCOMPARE(fakes().dialogs.saveCalls.size(), 1);
        const DialogService::SaveRequest request = fakes().dialogs.saveCalls[0];
        QCOMPARE(request.title, QStringLiteral("方向幕画像の保存"));
        QVERIFY(request.filter.startsWith(QStringLiteral("GIFファイル(*.gif)")));
        QCOMPARE(request.fileName, QString());
        QCOMPARE(request.flags, afterColour ? 1 : 4);

        QVERIFY(fakes().messages.shown.isEmpty());
        QVERIFY(fakes().imageWriter.calls.isEmpty());
        QVERIFY(w.Picture1()->picture().isNull());
        QVERIFY(w.signState() == before);
        QVERIFY(entriesOf(m_dir->path()).isEmpty());
    }
    void failedSaveKeepsWhatWasThere_data()
    {
        // The name to save under, what stands there before, and what the message must say.
        QTest::addColumn<QStringList>("row");
        QTest::newRow("no folder") << QStringList{"missing/sign.gif", "", "フォルダがありません"};
        QTest::newRow("a folder") << QStringList{"sign.gif", "folder", "同じ名前のフォルダ"};
        QTest::newRow("write fails") << QStringList{"sign.gif", "file", "書き込み中"};
        QTest::newRow("write fails, new") << QStringList{"sign.png", "", "書き込み中"};
    }
    void failedSaveKeepsWhatWasThere()
    {
        QFETCH(QStringList, row);
        const QString &name = row[0], &setUp = row[1], &because = row[2];
        MainWindow &w = m_ui->window;
        const QByteArray earlier("GIF89a an earlier sign the user keeps");
        const QString kept = setUp == u"folder" ? name + QStringLiteral("/keep.txt") : name;
        if (setUp == u"folder")
            QVERIFY(QDir(m_dir->path()).mkpath(name));
        if (!setUp.isEmpty()) {
            QFile file(path(kept));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
        }
        if (because == u"書き込み中")
            fakes().imageWriter.failWith = QStringLiteral("No space left on device");
        const QStringList entriesBefore = entriesOf(m_dir->path());
        const SignState before = w.signState();

        fakes().dialogs.answer(path(name));
        click(w.Command6());

        QCOMPARE(fakes().messages.shown.size(), 1);
        const FakeMessageBoxService::Shown &message = fakes().messages.shown[0];
        QCOMPARE(message.title, QStringLiteral("Quintelo"));
        QCOMPARE(message.icon, MessageBoxService::Icon::Critical);
        QVERIFY(!message.question);
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(path(name))),
                 qPrintable(message.text));
        QVERIFY2(message.text.contains(because), qPrintable(message.text));
        QVERIFY(message.text.contains(fakes().imageWriter.failWith));

        QVERIFY(w.signState() == before);
        QCOMPARE(entriesOf(m_dir->path()), entriesBefore);
        if (!setUp.isEmpty())
            QCOMPARE(bytesOf(path(kept)), earlier);
        if (setUp == u"folder")
            QCOMPARE(entriesOf(path(name)), QStringList{QStringLiteral("keep.txt")});
    }
    void pictureShowsNoCaretNorSelection_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("select");
        QTest::newRow("Text1, sign name, caret") << "Text1" << false;
        QTest::newRow("Text3, destination, selection") << "Text3" << true;
    }
    void pictureShowsNoCaretNorSelection()
    {
        QFETCH(QString, box);
        QFETCH(bool, select);
        MainWindow &w = m_ui->window;
        if (box == u"Text3")
            click(w.Command8());
        auto *edit = w.findChild<SignTextBox *>(box);
        const QImage expected = cleanPlate().copy(w.Text3()->geometry());
        edit->setFocus();
        // A selection made backwards: the caret sits at its start.
        if (select)
            edit->setSelection(2, -2);
        else
            edit->setCursorPosition(1);
        const QImage editing = grabbed(w.Picture2()).copy(w.Text3()->geometry());
        QVERIFY2(editing != expected, "the box shows no caret or selection to leave out");

        fakes().dialogs.answer(path(QStringLiteral("sign.png")));
        QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(fakes().dialogs.saveCalls.size(), 1);
        QCOMPARE(rgb(w.Picture1()->picture()), expected);
        QCOMPARE(imageIn(path(QStringLiteral("sign.png"))), expected);
        // The user goes on editing where they were.
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->cursorPosition(), select ? 0 : 1);
        QCOMPARE(edit->selectionLength(), select ? 2 : 0);
        QCOMPARE(grabbed(w.Picture2()).copy(w.Text3()->geometry()), editing);
    }
    void windowLyingOverThePlateStaysOutOfThePicture()
    {
        MainWindow &w = m_ui->window;
        const QImage expected = cleanPlate();
        const QRect plateOnScreen(w.Picture2()->mapToGlobal(QPoint(0, 0)), w.Picture2()->size());

        QWidget cover(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        cover.setAttribute(Qt::WA_ShowWithoutActivating);
        cover.setStyleSheet(QStringLiteral("background: red"));
        cover.setGeometry(plateOnScreen);
        cover.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        const QImage screen =
            rgb(w.screen()->grabWindow(0, plateOnScreen.x(), plateOnScreen.y(), 241, 81).toImage());
        QVERIFY2(screen.pixel(120, 40) == qRgb(0xFF, 0, 0),
                 "the cover does not lie over the plate");

        fakes().dialogs.answer(path(QStringLiteral("sign.bmp")));
        click(w.Command6());
        QCOMPARE(rgb(w.Picture1()->picture()), expected);
        QCOMPARE(imageIn(path(QStringLiteral("sign.bmp"))), expected);
    }
    void realDialogNamesAGifAndFollowsTheFlags()
    {
        FakeServices &f = fakes();
        QtDialogService dialogs;
        Services services{dialogs,     f.messages,      f.launcher,
                          f.logonName, f.windowCapture, f.imageWriter};
        MainWindow w(services);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto saveAs = [this](SaveFileDialog *dialog, const QString &name) {
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path(name));
            clickButton(dialog, QDialogButtonBox::Save);
        };

        QString title;
        bool readOnlyShown = true;
        whenOpen<SaveFileDialog>([&](SaveFileDialog *dialog) {
            title = dialog->windowTitle();
            readOnlyShown = dialog->readOnlyBox()->isVisible();
            saveAs(dialog, QStringLiteral("sign"));
        });
        click(w.Command6());
        QCOMPARE(title, QStringLiteral("方向幕画像の保存"));
        QVERIFY(!readOnlyShown);
        QCOMPARE(entriesOf(m_dir->path()), QStringList{QStringLiteral("sign.gif")});
        QVERIFY(bytesOf(path(QStringLiteral("sign.gif"))).startsWith("GIF89a"));
        QCOMPARE(imageIn(path(QStringLiteral("sign.gif"))).size(), QSize(241, 81));

        // A colour command leaves Flags 1 and CancelError on; the next save shows the box ticked
        // and its Cancel is still no error.
        whenOpen<QColorDialog>([](QColorDialog *dialog) {
            dialog->setCurrentColor(Qt::yellow);
            clickButton(dialog, QDialogButtonBox::Ok);
        });
        click(w.Command4());
        bool readOnlyTicked = false;
        whenOpen<SaveFileDialog>([&](SaveFileDialog *dialog) {
            readOnlyShown = dialog->readOnlyBox()->isVisible();
            readOnlyTicked = dialog->readOnlyBox()->isChecked();
            clickButton(dialog, QDialogButtonBox::Cancel);
        });
        click(w.Command6());
        QVERIFY(readOnlyShown && readOnlyTicked);
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(entriesOf(m_dir->path()), QStringList{QStringLiteral("sign.gif")});

        // Picking the PNG type makes a name without extension a PNG.
        whenOpen<SaveFileDialog>([&](SaveFileDialog *dialog) {
            QTest::keyClick(dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")),
                            Qt::Key_Down);
            saveAs(dialog, QStringLiteral("plate"));
        });
        click(w.Command6());
        QVERIFY(bytesOf(path(QStringLiteral("plate.png"))).startsWith(kPngSignature));
    }

private:
    // The plate as a user sees it with nothing being edited in it.
    QImage cleanPlate()
    {
        QWidget *focus = QApplication::focusWidget();
        m_ui->window.Command8()->setFocus();
        QImage plate = grabbed(m_ui->window.Picture2());
        if (focus)
            focus->setFocus();
        return plate;
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
