#include "SavingWindowTest.h"
#include "app/AboutBox.h"
#include "composer/PictureBox.h"
#include "composer/SignPlate.h"
#include "composer/SignTextBox.h"

#include <QClipboard>
#include <QDir>
#include <QImageReader>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <tuple>

#include <unistd.h>

namespace {

constexpr int kWaitBoundMs = 5000;
constexpr qsizetype kHugeLength = 100000;

// Every reason a failed save can give; a message must give exactly the right one.
const QStringList kReasons{
    QStringLiteral("フォルダがありません"),
    QStringLiteral("同じ名前のフォルダ"),
    QStringLiteral("ファイルを作成できません"),
    QStringLiteral("書き込み中"),
    QStringLiteral("確定できませんでした"),
    QStringLiteral("ファイル名が長すぎます"),
    QStringLiteral("パス（フォルダ名とファイル名を合わせたもの）が長すぎます"),
};

qsizetype bytesLong(const QString &name)
{
    return QFile::encodeName(name).size();
}

// A name of exactly the given bytes: Japanese as far as it goes, ASCII to make up the rest.
QString nameOfBytes(qsizetype bytes, const QString &extension)
{
    QString name;
    while (bytesLong(name + extension) + 3 <= bytes)
        name += QStringLiteral("幕");
    while (bytesLong(name + extension) < bytes)
        name += QLatin1Char('a');
    return name + extension;
}

// A line of the kind a sign carries, repeated to the length asked for.
QString hugeText(qsizetype length)
{
    const QString unit = QStringLiteral("東京行き 快速 Rapid for Tokyo 123 ");
    QString text;
    text.reserve(length);
    while (text.size() < length)
        text += unit;
    text.truncate(length);
    return text;
}

// Pixels in area that are not the background: something was drawn there.
int inkIn(const QImage &image, const QRect &area, const QColor &background)
{
    return countPixels(
        image, [bg = background.rgb()](QRgb p) { return p != bg; }, area);
}

SignTextBox *box(MainWindow &w, const QString &name)
{
    return w.findChild<SignTextBox *>(name);
}

void toLayout(MainWindow &w, bool typeLayout)
{
    if ((w.typeLayoutOn() != 0) != typeLayout)
        click(w.Command8());
}

// Into the box and over all it holds, as a user starts to replace a text.
void selectAllOf(SignTextBox *edit)
{
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
}

// Ctrl+V belongs to the About box in the main window; Shift+Insert is the paste key left.
void pasteInto(SignTextBox *edit, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    selectAllOf(edit);
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
}

// As a keyboard sends it: one key event for each character, a surrogate pair in one event.
void typeInto(SignTextBox *edit, const QString &text)
{
    selectAllOf(edit);
    QTest::keyClick(edit, Qt::Key_Delete);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, character, Qt::NoModifier);
    }
}

// As a Japanese input method hands over a converted phrase: all at once.
void commitInto(SignTextBox *edit, const QString &text)
{
    selectAllOf(edit);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(edit, &commit);
}

// Folders nested deeper than an absolute path can reach: each level is made and entered by a
// relative name, as only that works past the limit.
class DeepFolder
{
public:
    DeepFolder(const QString &base, int levels)
        : m_base(base)
        , m_start(QDir::currentPath())
    {
        QDir::setCurrent(base);
        for (int i = 0; i < levels && QDir().mkdir(kLevel) && QDir::setCurrent(kLevel); ++i)
            ++m_levels;
        QDir::setCurrent(m_start);
    }
    ~DeepFolder()
    {
        // Bottom up by relative names: Qt's recursive removal goes by absolute paths.
        enter(m_levels);
        for (const QString &file : QDir().entryList(QDir::Files | QDir::Hidden))
            QFile::remove(file);
        for (int depth = m_levels; depth > 0; --depth) {
            enter(depth - 1);
            QDir().rmdir(kLevel);
        }
        QDir::setCurrent(m_start);
    }
    DeepFolder(const DeepFolder &) = delete;
    DeepFolder &operator=(const DeepFolder &) = delete;

    int levels() const { return m_levels; }
    QString path() const
    {
        QString p = m_base;
        for (int i = 0; i < m_levels; ++i)
            p += QLatin1Char('/') + kLevel;
        return p;
    }
    // Makes the folder depth levels down the current one; leave() goes back.
    void enter(int depth) const
    {
        QDir::setCurrent(m_base);
        for (int i = 0; i < depth; ++i)
            QDir::setCurrent(kLevel);
    }
    void leave() const { QDir::setCurrent(m_start); }

private:
    inline static const QString kLevel = QString(200, QLatin1Char('d'));
    QString m_base;
    QString m_start;
    int m_levels = 0;
};

} // namespace

class TestHostile : public SavingWindowTest
{
    Q_OBJECT

private slots:
    void hugePasteIsKeptAndSaved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("typeLayout");
        QTest::newRow("Text1, sign name") << "Text1" << false;
        QTest::newRow("Text2, sign name") << "Text2" << false;
        QTest::newRow("Text1, type and destination") << "Text1" << true;
        QTest::newRow("Text2, type and destination") << "Text2" << true;
        QTest::newRow("Text3, type and destination") << "Text3" << true;
        QTest::newRow("Text7, type and destination") << "Text7" << true;
    }
    void hugePasteIsKeptAndSaved()
    {
        QFETCH(QString, name);
        QFETCH(bool, typeLayout);
        MainWindow &w = m_ui->window;
        toLayout(w, typeLayout);
        SignTextBox *edit = box(w, name);
        QVERIFY(edit->isVisible());
        const QString huge = hugeText(kHugeLength);
        QSignalSpy about(&w, &MainWindow::aboutRequested);

        // Ctrl+V asks for the About box even here, and pastes nothing.
        QGuiApplication::clipboard()->setText(huge);
        selectAllOf(edit);
        const QString before = edit->text();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(about.count(), 1);
        QCOMPARE(edit->text(), before);

        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(edit->text().size(), kHugeLength);
        QVERIFY(edit->text() == huge);

        // The window goes on taking keys and clicks.
        QTest::keyClick(edit, Qt::Key_Z);
        QVERIFY(edit->text() == huge + QLatin1Char('z'));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QVERIFY(edit->text() == huge);
        click(w.Command8());
        QCOMPARE(w.typeLayoutOn() != 0, !typeLayout);
        click(w.Command8());
        QCOMPARE(w.typeLayoutOn() != 0, typeLayout);

        const QString file = path(QStringLiteral("huge.gif"));
        fakes().dialogs.answer(file);
        click(w.Command6());

        QVERIFY(fakes().messages.shown.isEmpty());
        QVERIFY(bytesOf(file).startsWith("GIF89a"));
        const QImage saved = imageIn(file);
        QCOMPARE(saved.size(), QSize(241, 81));
        QVERIFY(inkIn(saved, edit->geometry(), edit->BackColor()) > 20);
        QVERIFY(edit->text() == huge);
        QCOMPARE(about.count(), 1);
    }

    void strangeTextIsSavedAsShown_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("how");
        // What typing leaves: keys carry no control characters and no half of a pair.
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("printable");

        const QChar zwj(0x200D);
        const QString family =
            QString::fromUcs4(U"\U0001F468") + zwj + QString::fromUcs4(U"\U0001F469") + zwj +
            QString::fromUcs4(U"\U0001F467") + zwj + QString::fromUcs4(U"\U0001F466");
        const QString flags = QString::fromUcs4(U"\U0001F1EF\U0001F1F5\U0001F1EC\U0001F1E7");
        const QString emoji = QString::fromUcs4(U"\U0001F683\U0001F684 東京 \U0001F600");
        const QString stacks = QStringLiteral("e\u0301\u0301\u0301 東京 a\u0308\u0304");
        QString zalgo;
        for (const QChar letter : QStringLiteral("Zalgo 行き")) {
            zalgo += letter;
            for (char16_t mark = 0x0300; mark < 0x0300 + 24; ++mark)
                zalgo += QChar(mark);
        }
        const QString arabic = QStringLiteral("مرحبا بالعالم");
        const QString hebrew = QStringLiteral("שלום עולם");
        const QString mixed = QStringLiteral("東京 مرحبا 行き שלום 123 快速");
        const QString highAlone = QStringLiteral("東京") + QChar(0xD83D) + QStringLiteral("行き");
        const QString lowAlone = QStringLiteral("東京") + QChar(0xDC00) + QStringLiteral("行き");
        const QString rlo(QChar(0x202E));
        const QString zwsp(QChar(0x200B));
        const QString controls = QStringLiteral("A\tB\nC\rD") + QChar(0) + QStringLiteral("E\aF") +
                                 rlo + QStringLiteral("GHI") + zwsp + QStringLiteral("J");
        const QString controlsTyped =
            QStringLiteral("ABCDEF") + rlo + QStringLiteral("GHI") + zwsp + QStringLiteral("J");
        const QString onlyControls =
            QStringLiteral("\t\n\r") + QChar(0) + QStringLiteral("\a") + rlo + zwsp;

        struct Row
        {
            const char *tag;
            QString text;
            QString typed;
            bool printable;
        };
        const QList<Row> rows{
            {"emoji", emoji, emoji, true},
            {"emoji ZWJ family", family, family, true},
            {"flags", flags, flags, true},
            {"combining stacks", stacks, stacks, true},
            {"Zalgo", zalgo, zalgo, true},
            {"Arabic", arabic, arabic, true},
            {"Hebrew", hebrew, hebrew, true},
            {"right-to-left with Japanese", mixed, mixed, true},
            {"unpaired high surrogate", highAlone, QStringLiteral("東京行き"), true},
            {"unpaired low surrogate", lowAlone, QStringLiteral("東京行き"), true},
            {"control characters", controls, controlsTyped, true},
            {"only control characters", onlyControls, rlo + zwsp, false},
        };
        for (const Row &row : rows)
            for (const char *how : {"pasted", "typed", "input method"})
                QTest::addRow("%s, %s", row.tag, how)
                    << row.text << QString::fromLatin1(how) << row.typed << row.printable;
    }
    void strangeTextIsSavedAsShown()
    {
        QFETCH(QString, text);
        QFETCH(QString, how);
        QFETCH(QString, typed);
        QFETCH(bool, printable);
        MainWindow &w = m_ui->window;
        const auto enter = [&](const QString &name) {
            SignTextBox *edit = box(w, name);
            if (how == u"pasted")
                pasteInto(edit, text);
            else if (how == u"typed")
                typeInto(edit, text);
            else
                commitInto(edit, text);
            QCOMPARE(edit->text(), how == u"typed" ? typed : text);
        };

        // Both layouts, each with the boxes it shows.
        for (const bool typeLayout : {false, true}) {
            toLayout(w, typeLayout);
            const QStringList names = typeLayout ? QStringList{"Text1", "Text2", "Text3", "Text7"}
                                                 : QStringList{"Text1", "Text2"};
            for (const QString &name : names)
                enter(name);
            const QString file = path(QStringLiteral("plate%1.png").arg(int(typeLayout)));
            fakes().dialogs.answer(file);
            click(w.Command6());

            QVERIFY(fakes().messages.shown.isEmpty());
            const QImage saved = imageIn(file);
            // The click left the focus on the button: no caret in the window, as in the picture.
            QCOMPARE(saved, grabbed(w.Picture2()));
            for (const QString &name : names) {
                SignTextBox *edit = box(w, name);
                const int ink = inkIn(saved, edit->geometry(), edit->BackColor());
                QVERIFY2(printable ? ink > 0 : ink == 0,
                         qPrintable(QStringLiteral("%1: %2 pixels drawn").arg(name).arg(ink)));
            }
        }

        // The destination by the File menu while its box has the focus, caret at the end.
        SignTextBox *destination = w.Text3();
        enter(QStringLiteral("Text3"));
        QVERIFY(destination->hasFocus());
        const QString file = path(QStringLiteral("destination.png"));
        fakes().dialogs.answer(file);
        QTest::keyClick(destination, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(fakes().messages.shown.isEmpty());
        QVERIFY(destination->hasFocus());
        // Without the focus the box shows what the picture must: no caret, no selection.
        w.Command8()->setFocus();
        QCOMPARE(imageIn(file), grabbed(w.Picture2()).copy(destination->geometry()));
    }

    void awkwardSavePaths_data()
    {
        // The name asked for, relative to the test's folder or built by the row's tag.
        QTest::addColumn<QString>("name");
        // "" for a new file, "file" when one stands there already.
        QTest::addColumn<QString>("setUp");
        // The reason the user must be given, or empty when the file is to be written.
        QTest::addColumn<QString>("because");
        QTest::addColumn<bool>("writeFails");

        const QString &tooLongName = kReasons[5];
        const QString &tooLongPath = kReasons[6];
        const QString &writing = kReasons[3];
        const QString file = QStringLiteral("file");
        struct Row
        {
            const char *tag;
            QString name;
            QString setUp;
            QString because;
            bool writeFails;
        };
        const QList<Row> rows{
            {"Japanese folder and name", "方向幕/東京行き.gif", {}, {}, false},
            {"spaces", "行き先 フォルダ/my sign .png", {}, {}, false},
            {"only an extension", ".gif", {}, {}, false},
            {"only an extension, replaced", ".gif", file, {}, false},
            {"name of 248 bytes", nameOfBytes(248, ".gif"), {}, {}, false},
            {"name of 249 bytes", nameOfBytes(249, ".gif"), {}, {}, false},
            {"name of 255 bytes", nameOfBytes(255, ".gif"), {}, {}, false},
            {"name of 255 bytes, replaced", nameOfBytes(255, ".png"), file, {}, false},
            {"name of 255 bytes, write fails", nameOfBytes(255, ".gif"), file, writing, true},
            {"name of 256 bytes", nameOfBytes(256, ".gif"), {}, tooLongName, false},
            {"name of 300 characters", QString(300, u'x') + ".gif", {}, tooLongName, false},
            {"path at the limit", "path:4095", {}, {}, false},
            {"path at the limit, replaced", "path:4095", file, {}, false},
            {"path one over the limit", "path:4096", {}, tooLongPath, false},
            {"path far over the limit, file there", "deep", file, tooLongPath, false},
        };
        for (const Row &row : rows)
            QTest::newRow(row.tag) << row.name << row.setUp << row.because << row.writeFails;
    }
    void awkwardSavePaths()
    {
        QFETCH(QString, name);
        QFETCH(QString, setUp);
        QFETCH(QString, because);
        QFETCH(bool, writeFails);
        MainWindow &w = m_ui->window;
        QCOMPARE(::pathconf(QFile::encodeName(m_dir->path()).constData(), _PC_NAME_MAX), 255);

        std::unique_ptr<DeepFolder> deep;
        QString file;
        if (name.startsWith(u"path:")) {
            // Folders of 200 bytes, then a name that makes up the length asked for.
            const qsizetype length = name.mid(5).toInt();
            QString folder = m_dir->path();
            while (bytesLong(folder) + 201 + 40 < length)
                folder += QLatin1Char('/') + QString(200, QLatin1Char('d'));
            file = folder + QLatin1Char('/') +
                   nameOfBytes(length - bytesLong(folder) - 1, QStringLiteral(".gif"));
            QCOMPARE(bytesLong(file), length);
        } else if (name == u"deep") {
            deep = std::make_unique<DeepFolder>(m_dir->path(), 24);
            QCOMPARE(deep->levels(), 24);
            file = deep->path() + QStringLiteral("/sign.gif");
            QVERIFY(bytesLong(file) > 4096);
        } else {
            file = path(name);
        }
        const QString folder = QFileInfo(file).path();
        if (!deep)
            QVERIFY(QDir().mkpath(folder));

        // What stands there before: written, like everything past the path limit, by a name
        // relative to the folder it is in.
        const QByteArray earlier("GIF89a an earlier sign the user keeps");
        const QString fileName = QFileInfo(file).fileName();
        const auto inFolder = [&](const std::function<void()> &act) {
            const QString current = QDir::currentPath();
            if (deep)
                deep->enter(deep->levels());
            else
                QDir::setCurrent(folder);
            act();
            QDir::setCurrent(current);
        };
        if (setUp == u"file") {
            inFolder([&] {
                QFile old(fileName);
                QVERIFY(old.open(QIODevice::WriteOnly) && old.write(earlier) == earlier.size());
            });
            QVERIFY(!QTest::currentTestFailed());
        }
        if (writeFails)
            fakes().imageWriter.failWith = QStringLiteral("No space left on device");

        fakes().dialogs.answer(file);
        click(w.Command6());

        QStringList left;
        QByteArray bytes;
        inFolder([&] {
            left = entriesOf(QStringLiteral("."));
            bytes = bytesOf(fileName);
        });
        const QStringList expectedLeft =
            because.isEmpty() || setUp == u"file" ? QStringList{fileName} : QStringList{};
        QCOMPARE(left, expectedLeft);

        if (because.isEmpty()) {
            QVERIFY2(fakes().messages.shown.isEmpty(),
                     qPrintable(fakes().messages.shown.value(0).text));
            const QByteArray magic = file.endsWith(u".png") ? kPngSignature : QByteArray("GIF89a");
            QVERIFY2(bytes.startsWith(magic), bytes.left(8).toHex().constData());
            QVERIFY(bytes != earlier);
            QCOMPARE(imageIn(file).size(), QSize(241, 81));
            if (magic == kPngSignature)
                QCOMPARE(imageIn(file), rgb(w.Picture1()->picture()));
            return;
        }
        QCOMPARE(fakes().messages.shown.size(), 1);
        const QString text = fakes().messages.shown[0].text;
        QCOMPARE(fakes().messages.shown[0].icon, MessageBoxService::Icon::Critical);
        for (const QString &reason : kReasons)
            QVERIFY2(text.contains(reason) == (reason == because), qPrintable(text));
        QVERIFY(text.contains(QDir::toNativeSeparators(file)));
        if (setUp == u"file")
            QCOMPARE(bytes, earlier);
    }

    void longNamedLinkKeepsPointingAtTheNewPicture()
    {
        const QByteArray earlier("GIF89a an earlier sign the user keeps");
        QFile target(path(QStringLiteral("target.gif")));
        QVERIFY(target.open(QIODevice::WriteOnly) && target.write(earlier) == earlier.size());
        target.close();
        const QString link = path(nameOfBytes(255, QStringLiteral(".gif")));
        QVERIFY(QFile::link(target.fileName(), link));

        fakes().dialogs.answer(link);
        click(m_ui->window.Command6());

        QVERIFY(fakes().messages.shown.isEmpty());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(entriesOf(m_dir->path()),
                 QStringList({QStringLiteral("target.gif"), QFileInfo(link).fileName()}));
        QVERIFY(bytesOf(target.fileName()).startsWith("GIF89a"));
        QCOMPARE(imageIn(target.fileName()).size(), QSize(241, 81));
    }

    void oddLogonNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("looks like markup") << "<b>山田</b><img src=\"x.png\">&amp;";
        QTest::newRow("very long") << QString(300, QChar(0x5C71));
        QTest::newRow("line break") << "山田\n太郎";
    }
    void oddLogonNames()
    {
        QFETCH(QString, name);
        FakedStart app;
        app.fakes.logonName.name = name;
        QPointer<SplashWindow> splash = app.start();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        const QRect designed = splash->siyo()->geometry();
        checkNameShown(splash->siyo(), name);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(splash->siyo()->geometry(), designed);

        splash->Timer1()->start(0);
        QVERIFY(QTest::qWaitFor([&] { return splash.isNull(); }, kWaitBoundMs));
        MainWindow *main = app.controller.mainWindow();
        QVERIFY(main && main->isVisible());

        QString shown;
        QImage asShown, asPlain;
        QSize aboutSize;
        whenOpen<AboutBox>([&](AboutBox *about) {
            shown = about->siyo()->text();
            std::tie(asShown, asPlain) = labelAsShownAndAsPlain(about->siyo());
            aboutSize = about->size();
            click(about->cmdOK());
        });
        click(main->Command2());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(shown, name);
        QCOMPARE(asShown, asPlain);
        QCOMPARE(aboutSize, QSize(519, 184));
        if (name.isEmpty())
            QCOMPARE(colourCount(asShown), 1);
        // The window still takes input once the box is gone.
        QVERIFY(QTest::qWaitForWindowActive(main));
        main->Text1()->setFocus();
        QTest::keyClick(main->Text1(), Qt::Key_End);
        QTest::keyClicks(main->Text1(), QStringLiteral("ok"));
        QVERIFY(main->Text1()->text().endsWith(QStringLiteral("ok")));
    }

private:
    // The label as it draws its text, and as it would draw the same text taken literally.
    static std::pair<QImage, QImage> labelAsShownAndAsPlain(QLabel *label)
    {
        const QImage shown = grabbed(label);
        const Qt::TextFormat format = label->textFormat();
        label->setTextFormat(Qt::PlainText);
        const QImage plain = grabbed(label);
        label->setTextFormat(format);
        return {shown, plain};
    }
    static void checkNameShown(QLabel *label, const QString &name)
    {
        QCOMPARE(label->text(), name);
        const auto [shown, plain] = labelAsShownAndAsPlain(label);
        // A name is shown as it is spelt, never read as markup.
        QCOMPARE(shown, plain);
        // An empty name leaves the label blank.
        if (name.isEmpty())
            QCOMPARE(colourCount(shown), 1);
        else
            QVERIFY(colourCount(shown) > 1);
    }
};

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
