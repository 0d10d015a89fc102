#include "MainWindowTest.h"
#include "composer/SignPlate.h"
#include "composer/SignTextBox.h"
#include "platform/FontColorDialog.h"
#include "platform/FontSubstitutes.h"
#include "platform/QtDialogService.h"

#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>

using FontChoice = DialogService::FontChoice;

namespace {

const QColor kRed(0xFF, 0, 0);
const QColor kGreen(0, 0x80, 0);
constexpr qint32 kFontFlags = 259;

} // namespace

class TestColourFont : public MainWindowTest
{
    Q_OBJECT

private slots:
    void colourReachesOnlyItsTargets_data()
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
        // The button is disabled beside the destination: no dialog, no change.
        QTest::newRow("background, type layout") << "Command3" << true << QStringList{};
    }
    void colourReachesOnlyItsTargets()
    {
        QFETCH(QString, button);
        QFETCH(bool, typeLayout);
        QFETCH(QStringList, targets);
        MainWindow &w = m_ui->window;
        if (typeLayout)
            click(w.Command8());
        const SignState before = w.signState();
        dialogs().answer(kRed);
        click(w.findChild<QPushButton *>(button));

        SignState expected = before;
        for (const QString &target : targets) {
            const QStringList parts = target.split(u'.');
            ControlState &c = expected.controls[parts[0]];
            (parts[1] == u"fore" ? c.foreColor : c.backColor) = kRed;
        }
        QVERIFY(w.signState() == expected);
        QCOMPARE(dialogs().colorCalls.size(), targets.isEmpty() ? 0 : 1);
        if (targets.isEmpty())
            return;
        QCOMPARE(dialogs().colorCalls[0].initial, QColor(Qt::black));
        QCOMPARE(dialogs().colorCalls[0].flags, 1);
        // What the next save dialog of the same object inherits.
        QVERIFY(w.CommonDialog1().CancelError);
        QCOMPARE(w.CommonDialog1().Flags, 1);
    }
    void colourDialogOpensOnTheLastChoice()
    {
        MainWindow &w = m_ui->window;
        QCOMPARE(w.CommonDialog1().Flags, 4);
        QVERIFY(!w.CommonDialog1().CancelError);
        const SignState before = w.signState();
        for (QPushButton *button : {w.Command1(), w.Command4(), w.Command3()}) {
            dialogs().cancel();
            click(button);
            QVERIFY(w.signState() == before);
            QVERIFY(w.CommonDialog1().CancelError);
            QCOMPARE(w.CommonDialog1().Flags, 1);
        }
        dialogs().answer(kRed);
        click(w.Command1());
        dialogs().answer(kGreen);
        click(w.Command4());
        dialogs().cancel();
        click(w.Command3());

        QList<QColor> initials;
        for (const auto &call : dialogs().colorCalls)
            initials << call.initial;
        const QColor black(Qt::black);
        QCOMPARE(initials, (QList<QColor>{black, black, black, black, kRed, kGreen}));
        QCOMPARE(w.Text1()->ForeColor(), kRed);
        QCOMPARE(w.Text2()->ForeColor(), kGreen);
        QVERIFY(countPixels(grabbed(w.Picture2()), [](QRgb p) {
                    return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
                }) > 100);
    }
    void englishBackgroundReturnsAfterTwoToggles()
    {
        MainWindow &w = m_ui->window;
        dialogs().answer(kGreen);
        click(w.Command3());
        const auto greenPixels = [&w] {
            return countPixels(grabbed(w.Picture2()), exactly(kGreen.rgb()));
        };
        QVERIFY(greenPixels() > 241 * 10);
        click(w.Command8());
        QCOMPARE(greenPixels(), 0);
        click(w.Command8());
        QCOMPARE(w.Text2()->BackColor(), kGreen);
        QCOMPARE(w.Text4()->BackColor(), kGreen);
        QVERIFY(greenPixels() > 241 * 10);
    }
    void fontDialogOpensOnText1AndRestylesOnlyIt()
    {
        MainWindow &w = m_ui->window;
        const SignState before = w.signState();
        dialogs().cancel();
        click(w.Command7());
        QVERIFY(w.signState() == before);

        const FontChoice chosen{QStringLiteral("BIZ UDPGothic"), 40, false, true, true, true, kRed};
        dialogs().answer(chosen);
        click(w.Command7());
        QCOMPARE(dialogs().fontCalls.size(), 2);
        for (const auto &call : dialogs().fontCalls) {
            QCOMPARE(call.flags, kFontFlags);
            QCOMPARE(call.initial,
                     (FontChoice{kSignFace, 24, true, false, false, false, QColor(Qt::white)}));
        }
        QCOMPARE(text1Choice(), chosen);
        SignState expected = before;
        ControlState &text1 = expected.controls[QStringLiteral("Text1")];
        text1.font = w.Text1()->font();
        text1.foreColor = kRed;
        QVERIFY(w.signState() == expected);
        QVERIFY(w.CommonDialog2().CancelError);
        // The colour dialog object is a different one and stays as it was.
        QCOMPARE(w.CommonDialog1().Flags, 4);
    }
    void layoutPressReplacesTheChosenSize()
    {
        MainWindow &w = m_ui->window;
        dialogs().answer(
            FontChoice{QStringLiteral("BIZ UDPGothic"), 40, true, true, false, false, kRed});
        click(w.Command7());
        QCOMPARE(w.Text1()->FontSize(), 40.0f);
        click(w.Command8());
        QCOMPARE(w.Text1()->FontSize(), 16.0f);
        QCOMPARE(w.Text1()->FontName(), QStringLiteral("BIZ UDPGothic"));
        QVERIFY(w.Text1()->FontItalic());
        QCOMPARE(w.Text1()->ForeColor(), kRed);

        // The same button restyles the type plate, opening on its size, and the next press
        // overrides the size again.
        dialogs().answer(
            FontChoice{QStringLiteral("BIZ UDPGothic"), 40, true, false, false, false, kRed});
        click(w.Command7());
        QCOMPARE(dialogs().fontCalls.last().initial.size, 16.0f);
        click(w.Command8());
        QCOMPARE(w.Text1()->FontSize(), 24.0f);
        QVERIFY(!w.Text1()->FontItalic());
    }
    void fontOkWithoutChangesLooksTheSame()
    {
        MainWindow &w = m_ui->window;
        w.Command7()->setFocus();
        const SignState before = w.signState();
        const QImage plate = grabbed(w.Picture2());
        dialogs().answer(text1Choice());
        click(w.Command7());
        QCOMPARE(dialogs().fontCalls.size(), 1);
        QVERIFY(w.signState() == before);
        QCOMPARE(grabbed(w.Picture2()), plate);
    }
    void realFontDialogOffersTheColourWithEffects_data()
    {
        QTest::addColumn<qint32>("flags");
        QTest::newRow("with effects") << kFontFlags;
        QTest::newRow("without effects") << qint32(0x3);
    }
    void realFontDialogOffersTheColourWithEffects()
    {
        QFETCH(qint32, flags);
        const bool effects = flags == kFontFlags;
        QtDialogService service;
        const FontChoice initial{kSignFace, 24, true, false, true, false, QColor(Qt::white)};
        QFont shown;
        QColor offered;
        QRgb swatchShown = 0;
        bool colourOffered = !effects;
        whenOpen<FontColorDialog>([&](FontColorDialog *dialog) {
            shown = dialog->fontChooser()->currentFont();
            colourOffered = dialog->colorButton()->isVisible();
            if (colourOffered) {
                whenOpen<QColorDialog>([&offered](QColorDialog *colours) {
                    offered = colours->currentColor();
                    colours->setCurrentColor(kRed);
                    colours->accept();
                });
                click(dialog->colorButton());
                QLabel *swatch = dialog->colorSwatch();
                swatchShown = grabbed(swatch).pixel(swatch->width() / 2, swatch->height() / 2);
            }
            clickButton(dialog, QDialogButtonBox::Ok);
        });
        const std::optional<FontChoice> result = service.chooseFont(initial, flags);

        // The Windows face name stands for a font that is really installed, and that is shown.
        QVERIFY2(QFontDatabase::hasFamily(shown.family()), qPrintable(shown.family()));
        QCOMPARE(shown.pointSize(), 24);
        QVERIFY(shown.bold() && shown.underline());
        QCOMPARE(colourOffered, effects);
        QVERIFY(result);
        FontChoice expected = initial;
        if (effects) {
            QCOMPARE(offered, QColor(Qt::white));
            QCOMPARE(swatchShown, kRed.rgb());
            expected.color = kRed;
        }
        QCOMPARE(*result, expected);

        whenOpen<FontColorDialog>(
            [](FontColorDialog *dialog) { clickButton(dialog, QDialogButtonBox::Cancel); });
        QVERIFY(!service.chooseFont(initial, flags));
    }

private:
    FakeDialogService &dialogs() { return m_ui->fakes.dialogs; }
    FontChoice text1Choice() const
    {
        SignTextBox *t = m_ui->window.Text1();
        return {t->FontName(),      t->FontSize(),       t->FontBold(), t->FontItalic(),
                t->FontUnderline(), t->FontStrikethru(), t->ForeColor()};
    }
};

QTEST_MAIN(TestColourFont)
#include "tst_colourfont.moc"
