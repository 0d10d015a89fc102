#include "FakeServices.h"
#include "TestSetup.h"
#include "composer/MainWindow.h"
#include "composer/PictureBox.h"
#include "composer/SignPlate.h"
#include "composer/SignTextBox.h"
#include "platform/QtDialogService.h"
#include "platform/SaveFileDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kBlue = qRgb(0, 0, 0xFF);
const QByteArray kPngSignature("\x89PNG\r\n\x1a\n");

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage grabbed(QWidget *widget)
{
    return rgb(widget->grab().toImage());
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Read by what the bytes are, not by the name, so a misnamed file cannot pass.
QImage imageIn(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return rgb(reader.read());
}

QSet<QRgb> coloursOf(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

int countWhite(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200;
        }
    return n;
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

template <class Dialog> void whenOpen(std::function<void(Dialog *)> act, int attemptsLeft = 500)
{
    QTimer::singleShot(10, [act, attemptsLeft] {
        if (auto *dialog = dynamic_cast<Dialog *>(QApplication::activeModalWidget()))
            act(dialog);
        else if (attemptsLeft > 0)
            whenOpen<Dialog>(act, attemptsLeft - 1);
    });
}

// A dialog without the button is closed all the same, so a failing test cannot hang.
void clickButton(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    if (QPushButton *button = box ? box->button(which) : nullptr)
        QTest::mouseClick(button, Qt::LeftButton);
    else
        dialog->reject();
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void plateIsSavedInTheFormatItsNameSays_data();
    void plateIsSavedInTheFormatItsNameSays();
    void fileMenuSavesWhatThePlateShowsInTheDestinationBox_data();
    void fileMenuSavesWhatThePlateShowsInTheDestinationBox();
    void savingTwiceToOneNameOverwrites();
    void cancelSavesAndReportsNothing_data();
    void cancelSavesAndReportsNothing();
    void failedSaveKeepsWhatWasThere_data();
    void failedSaveKeepsWhatWasThere();
    void pictureShowsNoCaretNorSelection_data();
    void pictureShowsNoCaretNorSelection();
    void windowLyingOverThePlateStaysOutOfThePicture();
    void realDialogNamesAGifAndFollowsTheFlags();

private:
    void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // The plate as a user sees it with nothing being edited in it.
    QImage cleanPlate();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<MainWindow> m_window;
};

void TestExport::initTestCase()
{
    prepareTestApplication();
    // A caret that never blinks off: a picture that could ever show it does here.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

void TestExport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_fakes = std::make_unique<FakeServices>();
    m_window = std::make_unique<MainWindow>(m_fakes->services);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestExport::cleanup()
{
    m_window.reset();
    m_fakes.reset();
    m_dir.reset();
}

QImage TestExport::cleanPlate()
{
    QWidget *focus = QApplication::focusWidget();
    m_window->Command8()->setFocus();
    QImage plate = grabbed(m_window->Picture2());
    if (focus)
        focus->setFocus();
    return plate;
}

void TestExport::plateIsSavedInTheFormatItsNameSays_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("magic");
    QTest::addColumn<bool>("englishLine");
    QTest::newRow("gif") << "sign.gif" << QByteArray("GIF8") << true;
    QTest::newRow("gif, English line empty") << "sign.gif" << QByteArray("GIF8") << false;
    QTest::newRow("png") << "sign.png" << kPngSignature << true;
    QTest::newRow("bmp") << "sign.bmp" << QByteArray("BM") << true;
    QTest::newRow("upper-case extension") << "SIGN.PNG" << kPngSignature << true;
    QTest::newRow("any other extension") << "sign.jpg" << QByteArray("BM") << true;
}

void TestExport::plateIsSavedInTheFormatItsNameSays()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, magic);
    QFETCH(bool, englishLine);
    MainWindow &w = *m_window;
    if (!englishLine)
        w.Text2()->clear();
    const SignState before = w.signState();

    m_fakes->dialogs.answer(path(name));
    click(w.Command6());

    QVERIFY(m_fakes->messages.shown.isEmpty());
    QVERIFY(w.signState() == before);
    const QByteArray bytes = bytesOf(path(name));
    QVERIFY2(bytes.startsWith(magic), bytes.left(8).toHex().constData());
    if (magic == "GIF8")
        QVERIFY(bytes.startsWith("GIF89a") || bytes.startsWith("GIF87a"));
    QCOMPARE(entriesOf(m_dir->path()), QStringList{name});

    // Picture1 keeps the capture: exactly the plate, as the window shows it.
    const QImage capture = rgb(w.Picture1()->picture());
    QCOMPARE(capture.size(), QSize(241, 81));
    QCOMPARE(capture, cleanPlate());
    QCOMPARE(capture.pixel(2, 2), kBlack);
    QCOMPARE(capture.pixel(2, 75), kBlue);
    QVERIFY(countWhite(capture.copy(0, 16, 241, 42)) > 150);

    const QImage saved = imageIn(path(name));
    QCOMPARE(saved.size(), QSize(241, 81));
    if (magic != "GIF8" || coloursOf(capture).size() <= 256) {
        if (!englishLine)
            QVERIFY(coloursOf(capture).size() <= 256);
        QCOMPARE(saved, capture);
        return;
    }
    // White text shaded onto black and onto blue needs a few more than a GIF's 256 colours;
    // those it has are chosen so that no pixel strays far and the plain ones stay exact.
    QCOMPARE(saved.pixel(2, 2), kBlack);
    QCOMPARE(saved.pixel(2, 75), kBlue);
    int worst = 0;
    for (int y = 0; y < capture.height(); ++y)
        for (int x = 0; x < capture.width(); ++x) {
            const QRgb a = capture.pixel(x, y);
            const QRgb b = saved.pixel(x, y);
            for (const int d : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)})
                worst = std::max(worst, std::abs(d));
        }
    QVERIFY2(worst <= 16, qPrintable(QStringLiteral("a pixel off by %1").arg(worst)));
}

void TestExport::fileMenuSavesWhatThePlateShowsInTheDestinationBox_data()
{
    QTest::addColumn<bool>("typeLayout");
    QTest::newRow("type and destination") << true;
    QTest::newRow("sign name, destination hidden") << false;
}

void TestExport::fileMenuSavesWhatThePlateShowsInTheDestinationBox()
{
    QFETCH(bool, typeLayout);
    MainWindow &w = *m_window;
    if (typeLayout) {
        click(w.Command8());
        QVERIFY(w.Text3()->isVisible());
    }
    w.Text3()->setText(QStringLiteral("東京"));
    const QImage expected = cleanPlate().copy(w.Text3()->geometry());

    m_fakes->dialogs.answer(path(QStringLiteral("destination.png")));
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);

    QCOMPARE(m_fakes->dialogs.saveCalls.size(), 1);
    const QImage capture = rgb(w.Picture1()->picture());
    QCOMPARE(capture.size(), QSize(137, 41));
    QCOMPARE(capture, expected);
    // The destination's text in the one layout, the sign name behind it in the other.
    QVERIFY(countWhite(capture) > 40);
    QCOMPARE(imageIn(path(QStringLiteral("destination.png"))), capture);
}

void TestExport::savingTwiceToOneNameOverwrites()
{
    MainWindow &w = *m_window;
    const QString name = path(QStringLiteral("sign.gif"));
    w.Text1()->setText(QStringLiteral("快速"));
    m_fakes->dialogs.answer(name);
    click(w.Command6());
    const QByteArray first = bytesOf(name);
    QVERIFY(first.startsWith("GIF8"));

    w.Text1()->setText(QStringLiteral("各駅停車"));
    m_fakes->dialogs.answer(name);
    click(w.Command6());

    QVERIFY(m_fakes->messages.shown.isEmpty());
    const QByteArray second = bytesOf(name);
    QVERIFY(second.startsWith("GIF8"));
    QVERIFY(second != first);
    // The new sign is in the file: its picture differs from the first where the texts differ.
    QVERIFY(imageIn(name) != QImage::fromData(first).convertToFormat(QImage::Format_RGB32));
    QCOMPARE(imageIn(name).size(), QSize(241, 81));
    QCOMPARE(entriesOf(m_dir->path()), QStringList{QStringLiteral("sign.gif")});
}

void TestExport::cancelSavesAndReportsNothing_data()
{
    QTest::addColumn<bool>("fileMenu");
    QTest::addColumn<bool>("afterColour");
    QTest::addColumn<bool>("emptyName");
    for (const bool fileMenu : {false, true})
        for (const bool afterColour : {false, true})
            for (const bool emptyName : {false, true})
                QTest::addRow("%s, %s, %s", fileMenu ? "File menu" : "button",
                              afterColour ? "after a colour command" : "first thing",
                              emptyName ? "empty name" : "Cancel")
                    << fileMenu << afterColour << emptyName;
}

void TestExport::cancelSavesAndReportsNothing()
{
    QFETCH(bool, fileMenu);
    QFETCH(bool, afterColour);
    QFETCH(bool, emptyName);
    MainWindow &w = *m_window;
    if (afterColour) {
        m_fakes->dialogs.answer(QColor(Qt::red));
        click(w.Command1());
        QVERIFY(w.CommonDialog1().CancelError);
    }
    w.CommonDialog1().FileName = path(QStringLiteral("earlier.gif"));
    const SignState before = w.signState();

    if (emptyName)
        m_fakes->dialogs.answer(QString());
    else
        m_fakes->dialogs.cancel();
    if (fileMenu)
        w.hozon()->trigger();
    else
        click(w.Command6());

    QCOMPARE(m_fakes->dialogs.saveCalls.size(), 1);
    const DialogService::SaveRequest request = m_fakes->dialogs.saveCalls[0];
    QCOMPARE(request.title, QStringLiteral("方向幕画像の保存"));
    QVERIFY(request.filter.startsWith(QStringLiteral("GIFファイル(*.gif)")));
    QCOMPARE(request.defaultExt, QStringLiteral("gif"));
    QCOMPARE(request.fileName, QString());
    QCOMPARE(request.flags, afterColour ? 1 : 4);

    QVERIFY(m_fakes->messages.shown.isEmpty());
    QVERIFY(m_fakes->imageWriter.calls.isEmpty());
    QVERIFY(w.Picture1()->picture().isNull());
    QVERIFY(w.signState() == before);
    QVERIFY(entriesOf(m_dir->path()).isEmpty());
}

void TestExport::failedSaveKeepsWhatWasThere_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("because");
    QTest::newRow("folder missing") << "missing/sign.gif"
                                    << ""
                                    << "フォルダがありません";
    QTest::newRow("name of a folder") << "sign.gif"
                                      << "folder"
                                      << "同じ名前のフォルダ";
    QTest::newRow("write fails over an earlier file") << "sign.gif"
                                                      << "file"
                                                      << "書き込み中";
    QTest::newRow("write fails, no earlier file") << "sign.png"
                                                  << ""
                                                  << "書き込み中";
}

void TestExport::failedSaveKeepsWhatWasThere()
{
    QFETCH(QString, name);
    QFETCH(QString, setUp);
    QFETCH(QString, because);
    MainWindow &w = *m_window;
    const QByteArray earlier("GIF89a an earlier sign the user keeps");
    if (setUp == u"folder") {
        QVERIFY(QDir(m_dir->path()).mkpath(name));
        QFile inside(path(name + QStringLiteral("/keep.txt")));
        QVERIFY(inside.open(QIODevice::WriteOnly) && inside.write(earlier) == earlier.size());
    } else if (setUp == u"file") {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
    }
    if (because == u"書き込み中")
        m_fakes->imageWriter.failWith = QStringLiteral("No space left on device");
    const QStringList entriesBefore = entriesOf(m_dir->path());
    const SignState before = w.signState();

    m_fakes->dialogs.answer(path(name));
    click(w.Command6());

    QCOMPARE(m_fakes->messages.shown.size(), 1);
    const FakeMessageBoxService::Shown &message = m_fakes->messages.shown[0];
    QCOMPARE(message.title, QStringLiteral("Quintelo"));
    QCOMPARE(message.icon, MessageBoxService::Icon::Critical);
    QVERIFY(!message.question);
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(path(name))), qPrintable(message.text));
    QVERIFY2(message.text.contains(because), qPrintable(message.text));
    if (!m_fakes->imageWriter.failWith.isEmpty())
        QVERIFY(message.text.contains(m_fakes->imageWriter.failWith));

    QVERIFY(w.signState() == before);
    QCOMPARE(entriesOf(m_dir->path()), entriesBefore);
    if (setUp == u"folder") {
        QVERIFY(QFileInfo(path(name)).isDir());
        QCOMPARE(bytesOf(path(name + QStringLiteral("/keep.txt"))), earlier);
        QCOMPARE(entriesOf(path(name)), QStringList{QStringLiteral("keep.txt")});
    } else if (setUp == u"file") {
        QCOMPARE(bytesOf(path(name)), earlier);
    }
}

void TestExport::pictureShowsNoCaretNorSelection_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("typeLayout");
    QTest::addColumn<bool>("select");
    for (const bool select : {false, true}) {
        const char *what = select ? "selection" : "caret";
        QTest::addRow("Text1, sign name, %s", what) << "Text1" << false << select;
        QTest::addRow("Text3, destination, %s", what) << "Text3" << true << select;
    }
}

void TestExport::pictureShowsNoCaretNorSelection()
{
    QFETCH(QString, box);
    QFETCH(bool, typeLayout);
    QFETCH(bool, select);
    MainWindow &w = *m_window;
    if (typeLayout)
        click(w.Command8());
    auto *edit = w.findChild<SignTextBox *>(box);
    QVERIFY(edit);
    const QImage expected = cleanPlate().copy(w.Text3()->geometry());
    edit->setFocus();
    QVERIFY(edit->hasFocus());
    // A selection made backwards: the caret sits at its start.
    if (select)
        edit->setSelection(2, -2);
    else
        edit->setCursorPosition(1);
    const QImage editing = grabbed(w.Picture2()).copy(w.Text3()->geometry());
    QVERIFY2(editing != expected, "the box shows no caret or selection to leave out");

    m_fakes->dialogs.answer(path(QStringLiteral("sign.png")));
    QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);

    QCOMPARE(m_fakes->dialogs.saveCalls.size(), 1);
    QCOMPARE(rgb(w.Picture1()->picture()), expected);
    QCOMPARE(imageIn(path(QStringLiteral("sign.png"))), expected);
    // The user goes on editing where they were.
    QVERIFY(edit->hasFocus());
    QVERIFY(!edit->isReadOnly());
    QCOMPARE(edit->cursorPosition(), select ? 0 : 1);
    QCOMPARE(edit->selectionStart(), select ? 0 : -1);
    QCOMPARE(edit->selectionLength(), select ? 2 : 0);
    QCOMPARE(grabbed(w.Picture2()).copy(w.Text3()->geometry()), editing);
}

void TestExport::windowLyingOverThePlateStaysOutOfThePicture()
{
    MainWindow &w = *m_window;
    const QImage expected = cleanPlate();
    const QRect plateOnScreen(w.Picture2()->mapToGlobal(QPoint(0, 0)), w.Picture2()->size());

    QWidget cover(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    cover.setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette red = cover.palette();
    red.setColor(QPalette::Window, Qt::red);
    cover.setPalette(red);
    cover.setAutoFillBackground(true);
    cover.setGeometry(plateOnScreen);
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    const QImage screen = rgb(w.screen()
                                  ->grabWindow(0, plateOnScreen.x(), plateOnScreen.y(),
                                               plateOnScreen.width(), plateOnScreen.height())
                                  .toImage());
    QVERIFY2(screen.pixel(120, 40) == qRgb(0xFF, 0, 0), "the cover does not lie over the plate");

    m_fakes->dialogs.answer(path(QStringLiteral("sign.bmp")));
    click(w.Command6());

    QCOMPARE(rgb(w.Picture1()->picture()), expected);
    QCOMPARE(imageIn(path(QStringLiteral("sign.bmp"))), expected);
}

void TestExport::realDialogNamesAGifAndFollowsTheFlags()
{
    FakeServices &f = *m_fakes;
    QtDialogService dialogs;
    Services services{dialogs, f.messages, f.launcher, f.logonName, f.windowCapture, f.imageWriter};
    MainWindow w(services);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    QString title;
    bool readOnlyShown = true;
    whenOpen<SaveFileDialog>([&](SaveFileDialog *dialog) {
        title = dialog->windowTitle();
        readOnlyShown = dialog->readOnlyBox()->isVisible();
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path("sign"));
        clickButton(dialog, QDialogButtonBox::Save);
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
    QCOMPARE(w.CommonDialog1().Flags, 1);
    QVERIFY(w.CommonDialog1().CancelError);

    bool readOnlyTicked = false;
    whenOpen<SaveFileDialog>([&](SaveFileDialog *dialog) {
        readOnlyShown = dialog->readOnlyBox()->isVisible();
        readOnlyTicked = dialog->readOnlyBox()->isChecked();
        clickButton(dialog, QDialogButtonBox::Cancel);
    });
    click(w.Command6());

    QVERIFY(readOnlyShown);
    QVERIFY(readOnlyTicked);
    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(entriesOf(m_dir->path()), QStringList{QStringLiteral("sign.gif")});

    // Picking the PNG type makes a name without extension a PNG.
    whenOpen<SaveFileDialog>([&](SaveFileDialog *dialog) {
        QTest::keyClick(dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")),
                        Qt::Key_Down);
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path("plate"));
        clickButton(dialog, QDialogButtonBox::Save);
    });
    click(w.Command6());
    QVERIFY(bytesOf(path(QStringLiteral("plate.png"))).startsWith(kPngSignature));
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
