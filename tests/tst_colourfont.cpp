#include "FakeServices.h"
#include "TestSetup.h"
#include "composer/MainWindow.h"
#include "composer/SignPlate.h"
#include "composer/SignTextBox.h"
#include "platform/FontColorDialog.h"
#include "platform/FontSubstitutes.h"
#include "platform/QtDialogService.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using FontChoice = DialogService::FontChoice;

namespace {

const QColor kRed(0xFF, 0, 0);
const QColor kGreen(0, 0x80, 0);
constexpr qint32 kFontFlags = 259;

int countMatching(const QImage &image, const std::function<bool(QRgb)> &match)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += match(image.pixel(x, y)) ? 1 : 0;
    return n;
}

bool reddish(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
}

QImage grabbed(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Acts on the modal dialog of the given kind as soon as it is up, as a user would.
template <class Dialog> void whenOpen(std::function<void(Dialog *)> act, int attemptsLeft = 500)
{
    QTimer::singleShot(10, [act, attemptsLeft] {
        if (auto *dialog = dynamic_cast<Dialog *>(QApplication::activeModalWidget()))
            act(dialog);
        else if (attemptsLeft > 0)
            whenOpen<Dialog>(act, attemptsLeft - 1);
    });
}

// A dialog without the button is closed all the same, so a failing test cannot hang; the
// missing answer then shows in the result.
void clickButton(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    auto *box = dialog->findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly);
    if (QPushButton *button = box ? box->button(which) : nullptr)
        QTest::mouseClick(button, Qt::LeftButton);
    else
        dialog->reject();
}

} // namespace

class TestColourFont : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void init();
    void cleanup();

    void colourReachesOnlyItsTargets_data();
    void colourReachesOnlyItsTargets();
    void colourDialogOpensOnTheLastChoice();
    void cancelledColourLeavesNoTrace();
    void englishBackgroundReturnsAfterTwoToggles();
    void backgroundCannotBeChangedBesideTheDestination();
    void fontDialogOpensOnText1AndRestylesOnlyIt();
    void layoutPressReplacesTheChosenSize();
    void fontOkWithoutChangesLooksTheSame();
    void cancelledFontLeavesNoTrace();

    void realFontDialogReturnsAnUnchangedFont();
    void realFontDialogOffersTheTextColour();
    void realFontDialogHidesTheColourWithoutEffects();

private:
    void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    FontChoice text1Choice() const;

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<MainWindow> m_window;
};

void TestColourFont::init()
{
    m_fakes = std::make_unique<FakeServices>();
    m_window = std::make_unique<MainWindow>(m_fakes->services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestColourFont::cleanup()
{
    m_window.reset();
    m_fakes.reset();
}

FontChoice TestColourFont::text1Choice() const
{
    SignTextBox *t = m_window->Text1();
    return {t->FontName(),      t->FontSize(),       t->FontBold(), t->FontItalic(),
            t->FontUnderline(), t->FontStrikethru(), t->ForeColor()};
}

void TestColourFont::colourReachesOnlyItsTargets_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("typeLayout");
    QTest::addColumn<QStringList>("targets");

    QTest::newRow("sign text") << "Command1" << false << QStringList{"Text1.fore"};
    QTest::newRow("English text") << "Command4" << false << QStringList{"Text2.fore"};
    QTest::newRow("English background")
        << "Command3" << false << QStringList{"Text2.back", "Text4.back"};
    QTest::newRow("type plate text") << "Command1" << true << QStringList{"Text1.fore"};
    QTest::newRow("type English text") << "Command4" << true << QStringList{"Text2.fore"};
}

void TestColourFont::colourReachesOnlyItsTargets()
{
    QFETCH(QString, button);
    QFETCH(bool, typeLayout);
    QFETCH(QStringList, targets);

    MainWindow &w = *m_window;
    if (typeLayout)
        click(w.Command8());
    const SignState before = w.signState();
    m_fakes->dialogs.answer(kRed);
    click(w.findChild<QPushButton *>(button));

    QCOMPARE(m_fakes->dialogs.colorCalls.size(), 1);
    QCOMPARE(m_fakes->dialogs.colorCalls[0].initial, QColor(Qt::black));
    QCOMPARE(m_fakes->dialogs.colorCalls[0].flags, 1);

    SignState expected = before;
    for (const QString &target : targets) {
        const QStringList parts = target.split(u'.');
        ControlState &c = expected.controls[parts[0]];
        (parts[1] == u"fore" ? c.foreColor : c.backColor) = kRed;
    }
    QVERIFY(w.signState() == expected);
    QVERIFY(w.CommonDialog1().CancelError);
    QCOMPARE(w.CommonDialog1().Flags, 1);
}

void TestColourFont::colourDialogOpensOnTheLastChoice()
{
    MainWindow &w = *m_window;
    m_fakes->dialogs.answer(kRed);
    click(w.Command1());
    m_fakes->dialogs.answer(kGreen);
    click(w.Command4());
    m_fakes->dialogs.cancel();
    click(w.Command3());

    const auto &calls = m_fakes->dialogs.colorCalls;
    QCOMPARE(calls.size(), 3);
    QCOMPARE(calls[0].initial, QColor(Qt::black));
    QCOMPARE(calls[1].initial, kRed);
    QCOMPARE(calls[2].initial, kGreen);
    QCOMPARE(w.Text1()->ForeColor(), kRed);
    QCOMPARE(w.Text2()->ForeColor(), kGreen);
    // The sign text shows red on the plate.
    QVERIFY(countMatching(grabbed(w.Picture2()), reddish) > 100);
}

void TestColourFont::cancelledColourLeavesNoTrace()
{
    MainWindow &w = *m_window;
    // The save dialog's own settings until a colour command first runs.
    QCOMPARE(w.CommonDialog1().Flags, 4);
    QVERIFY(!w.CommonDialog1().CancelError);

    const SignState before = w.signState();
    for (QPushButton *button : {w.Command1(), w.Command4(), w.Command3()}) {
        m_fakes->dialogs.cancel();
        click(button);
        QVERIFY(w.signState() == before);
        // What the next save dialog of the same object inherits.
        QVERIFY(w.CommonDialog1().CancelError);
        QCOMPARE(w.CommonDialog1().Flags, 1);
        QCOMPARE(w.CommonDialog1().Color, QColor(Qt::black));
    }
    m_fakes->dialogs.cancel();
    click(w.Command1());
    QCOMPARE(m_fakes->dialogs.colorCalls.size(), 4);
    for (const auto &call : m_fakes->dialogs.colorCalls)
        QCOMPARE(call.initial, QColor(Qt::black));
    QVERIFY(m_fakes->dialogs.scriptUsedUp());
}

void TestColourFont::englishBackgroundReturnsAfterTwoToggles()
{
    MainWindow &w = *m_window;
    m_fakes->dialogs.answer(kGreen);
    click(w.Command3());
    QCOMPARE(w.Text2()->BackColor(), kGreen);
    QCOMPARE(w.Text4()->BackColor(), kGreen);

    const auto greenPixels = [&w] {
        return countMatching(grabbed(w.Picture2()), [](QRgb p) { return p == kGreen.rgb(); });
    };
    QVERIFY(greenPixels() > 241 * 10);

    click(w.Command8());
    QCOMPARE(w.Text2()->BackColor(), QColor(Qt::black));
    QCOMPARE(greenPixels(), 0);

    click(w.Command8());
    QCOMPARE(w.Text2()->BackColor(), kGreen);
    QVERIFY(greenPixels() > 241 * 10);
}

void TestColourFont::backgroundCannotBeChangedBesideTheDestination()
{
    MainWindow &w = *m_window;
    click(w.Command8());
    const SignState before = w.signState();
    m_fakes->dialogs.answer(kRed);
    click(w.Command3());
    QVERIFY(m_fakes->dialogs.colorCalls.isEmpty());
    QVERIFY(w.signState() == before);
}

void TestColourFont::fontDialogOpensOnText1AndRestylesOnlyIt()
{
    MainWindow &w = *m_window;
    const SignState before = w.signState();
    const FontChoice chosen{QStringLiteral("BIZ UDPGothic"), 40, false, true, true, true, kRed};
    m_fakes->dialogs.answer(chosen);
    click(w.Command7());

    QCOMPARE(m_fakes->dialogs.fontCalls.size(), 1);
    const auto &call = m_fakes->dialogs.fontCalls[0];
    QCOMPARE(call.flags, kFontFlags);
    QCOMPARE(call.initial,
             (FontChoice{kSignFace, 24, true, false, false, false, QColor(Qt::white)}));
    QCOMPARE(text1Choice(), chosen);

    SignState expected = before;
    ControlState &text1 = expected.controls[QStringLiteral("Text1")];
    text1.font = w.Text1()->font();
    text1.foreColor = kRed;
    QVERIFY(w.signState() == expected);
    QVERIFY(w.CommonDialog2().CancelError);
    QCOMPARE(w.CommonDialog2().Flags, kFontFlags);
    // The colour dialog object is a different one and stays as it was.
    QCOMPARE(w.CommonDialog1().Flags, 4);
}

void TestColourFont::layoutPressReplacesTheChosenSize()
{
    MainWindow &w = *m_window;
    m_fakes->dialogs.answer(
        FontChoice{QStringLiteral("BIZ UDPGothic"), 40, true, true, false, false, kRed});
    click(w.Command7());
    QCOMPARE(w.Text1()->FontSize(), 40.0f);

    click(w.Command8());
    QCOMPARE(w.Text1()->FontSize(), 16.0f);
    QCOMPARE(w.Text1()->FontName(), QStringLiteral("BIZ UDPGothic"));
    QVERIFY(w.Text1()->FontItalic());
    QCOMPARE(w.Text1()->ForeColor(), kRed);

    // The same button restyles the type plate, and the next press overrides its size again.
    m_fakes->dialogs.answer(
        FontChoice{QStringLiteral("BIZ UDPGothic"), 40, true, false, false, false, kRed});
    click(w.Command7());
    QCOMPARE(w.Text1()->FontSize(), 40.0f);
    click(w.Command8());
    QCOMPARE(w.Text1()->FontSize(), 24.0f);
    QVERIFY(!w.Text1()->FontItalic());
    QCOMPARE(w.Text2()->FontSize(), 9.0f);
}

void TestColourFont::fontOkWithoutChangesLooksTheSame()
{
    MainWindow &w = *m_window;
    w.Command7()->setFocus();
    const SignState before = w.signState();
    const QImage plate = grabbed(w.Picture2());

    m_fakes->dialogs.answer(text1Choice());
    click(w.Command7());
    QCOMPARE(m_fakes->dialogs.fontCalls.size(), 1);
    QVERIFY(w.signState() == before);
    QCOMPARE(grabbed(w.Picture2()), plate);
}

void TestColourFont::cancelledFontLeavesNoTrace()
{
    MainWindow &w = *m_window;
    click(w.Command8());
    const SignState before = w.signState();
    m_fakes->dialogs.cancel();
    click(w.Command7());
    QCOMPARE(m_fakes->dialogs.fontCalls.size(), 1);
    QCOMPARE(m_fakes->dialogs.fontCalls[0].initial.size, 16.0f);
    QVERIFY(w.signState() == before);
    QVERIFY(w.CommonDialog2().CancelError);
}

void TestColourFont::realFontDialogReturnsAnUnchangedFont()
{
    QtDialogService service;
    const FontChoice initial{kSignFace, 24, true, false, true, false, QColor(Qt::white)};
    QFont shown;
    bool colourOffered = false;
    whenOpen<FontColorDialog>([&](FontColorDialog *dialog) {
        shown = dialog->fontChooser()->currentFont();
        colourOffered = dialog->colorButton()->isVisible();
        clickButton(dialog, QDialogButtonBox::Ok);
    });
    const std::optional<FontChoice> result = service.chooseFont(initial, kFontFlags);

    // The Windows face name stands for a font that is really installed, and that is shown.
    QVERIFY2(QFontDatabase::hasFamily(shown.family()), qPrintable(shown.family()));
    QCOMPARE(shown.pointSize(), 24);
    QVERIFY(shown.bold());
    QVERIFY(shown.underline());
    QVERIFY(colourOffered);
    QVERIFY(result);
    QCOMPARE(*result, initial);

    whenOpen<FontColorDialog>(
        [](FontColorDialog *dialog) { clickButton(dialog, QDialogButtonBox::Cancel); });
    QVERIFY(!service.chooseFont(initial, kFontFlags));
}

void TestColourFont::realFontDialogOffersTheTextColour()
{
    QtDialogService service;
    const FontChoice initial{
        QStringLiteral("BIZ UDPGothic"), 16, false, false, false, false, QColor(Qt::white)};
    QColor offered;
    QRgb swatchShown = 0;
    whenOpen<FontColorDialog>([&](FontColorDialog *dialog) {
        whenOpen<QColorDialog>([&offered](QColorDialog *colours) {
            offered = colours->currentColor();
            colours->setCurrentColor(kRed);
            colours->accept();
        });
        QTest::mouseClick(dialog->colorButton(), Qt::LeftButton);
        QLabel *swatch = dialog->colorSwatch();
        swatchShown = grabbed(swatch).pixel(swatch->width() / 2, swatch->height() / 2);
        clickButton(dialog, QDialogButtonBox::Ok);
    });
    const std::optional<FontChoice> result = service.chooseFont(initial, kFontFlags);

    QCOMPARE(offered, QColor(Qt::white));
    QCOMPARE(swatchShown, kRed.rgb());
    QVERIFY(result);
    QCOMPARE(result->color, kRed);
    QCOMPARE(result->name, initial.name);
    QCOMPARE(result->size, 16.0f);
}

void TestColourFont::realFontDialogHidesTheColourWithoutEffects()
{
    QtDialogService service;
    const FontChoice initial{
        QStringLiteral("BIZ UDPGothic"), 16, false, false, false, false, kGreen};
    bool colourOffered = true;
    whenOpen<FontColorDialog>([&colourOffered](FontColorDialog *dialog) {
        colourOffered = dialog->colorButton()->isVisible();
        clickButton(dialog, QDialogButtonBox::Ok);
    });
    const std::optional<FontChoice> result = service.chooseFont(initial, 0x3);
    QVERIFY(!colourOffered);
    QVERIFY(result);
    QCOMPARE(result->color, kGreen);
}

QTEST_MAIN(TestColourFont)
#include "tst_colourfont.moc"
