#include "MainWindowTest.h"
#include "composer/SignPlate.h"
#include "composer/SignTextBox.h"

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);
const QRgb kBlue = qRgb(0, 0, 0xFF);

// The separator's three pixel columns, 80 rows long.
const QRect kLine(87, 0, 3, 80);

} // namespace

class TestLayout : public MainWindowTest
{
    Q_OBJECT

private slots:
    void firstPressShowsTypeAndDestination()
    {
        MainWindow &w = m_ui->window;
        QCOMPARE(w.typeLayoutOn(), qint16(0));
        press();
        QCOMPARE(w.typeLayoutOn(), qint16(-1));

        QCOMPARE(w.Text1()->twips(), (TwipRect{150, 350, 1100, 630}));
        QCOMPARE(w.Text1()->FontSize(), 16.0f);
        QCOMPARE(w.Text2()->twips(), (TwipRect{150, 800, 1100, 255}));
        QCOMPARE(w.Text2()->FontSize(), 6.0f);
        QCOMPARE(w.Text2()->BackColor(), QColor(Qt::black));
        QVERIFY(w.Text3()->isVisible());
        QVERIFY(w.Text7()->isVisible());
        QCOMPARE(w.Picture2()->lineBorderColor(), QColor(Qt::white));
        QVERIFY(!w.Command3()->isEnabled());
        QCOMPARE(w.Command8()->text(), QStringLiteral("種別幕のみに変更(&I)"));
        QCOMPARE(w.Command4()->text(), QStringLiteral("種別英字文字色変更(&N)"));
        QCOMPARE(w.Command7()->text(), QStringLiteral("種別フォント変更(&F)"));
        QCOMPARE(w.Command1()->text(), QStringLiteral("種別文字色変更(&M)"));
        QCOMPARE(w.Text1()->geometry(), QRect(10, 23, 73, 42));
        // Neither the destination boxes nor the hidden colour store are touched.
        QCOMPARE(w.Text3()->twips(), (TwipRect{1440, 240, 2055, 615}));
        QCOMPARE(w.Text4()->BackColor(), QColor(Qt::blue));
    }
    void secondPressRestoresTheSignName()
    {
        MainWindow &w = m_ui->window;
        const SignState original = w.signState();
        press();
        const SignState typeLayout = w.signState();
        press();

        QCOMPARE(w.typeLayoutOn(), qint16(0));
        QCOMPARE(w.Text1()->twips(), (TwipRect{0, 240, 3615, 630}));
        QCOMPARE(w.Text1()->FontSize(), 24.0f);
        // Everything is as the window started, except that Command4 now shares Command3's key.
        QCOMPARE(w.Command4()->text(), QStringLiteral("英字文字色変更(&N)"));
        SignState expected = original;
        expected.controls[QStringLiteral("Command4")].text = QStringLiteral("英字文字色変更(&N)");
        QVERIFY(w.signState() == expected);

        press();
        QVERIFY(w.signState() == typeLayout);
    }
    void laterSiblingsLieBelow()
    {
        MainWindow &w = m_ui->window;
        press();
        SignPlate *plate = w.Picture2();
        const QRect typeOverlap = w.Text1()->geometry().intersected(w.Text2()->geometry());
        QVERIFY(!typeOverlap.isEmpty());
        QCOMPARE(plate->childAt(typeOverlap.center()), w.Text2());
        const QRect destinationOverlap = w.Text3()->geometry().intersected(w.Text7()->geometry());
        QVERIFY(!destinationOverlap.isEmpty());
        QCOMPARE(plate->childAt(destinationOverlap.center()), w.Text7());
        // The buttons inside the frame can be clicked.
        QVERIFY(w.Frame2()->geometry().contains(w.Command3()->geometry()));
        QCOMPARE(w.centralWidget()->childAt(w.Command3()->geometry().center()), w.Command3());
    }
    void separatorShowsOnlyInTheTypeLayout_data()
    {
        QTest::addColumn<int>("presses");
        QTest::newRow("first show") << 0;
        QTest::newRow("type and destination") << 1;
        QTest::newRow("back to the sign name") << 2;
    }
    void separatorShowsOnlyInTheTypeLayout()
    {
        QFETCH(int, presses);
        MainWindow &w = m_ui->window;
        for (int i = 0; i < presses; ++i)
            press();
        // Empty sign-name boxes, so that no glyph can stand in the line's place.
        if (presses != 1) {
            w.Text1()->clear();
            w.Text2()->clear();
        }
        w.Command8()->setFocus();
        const QImage plate = grabbed(w.Picture2());

        if (presses == 1) {
            QCOMPARE(countPixels(plate, exactly(kWhite), kLine), 3 * 80);
            // Three pixels wide, not more, and no longer than the line.
            QCOMPARE(plate.pixel(kLine.left() - 1, 5), kBlack);
            QCOMPARE(plate.pixel(kLine.right() + 1, 5), kBlack);
            QCOMPARE(plate.pixel(88, 80), kBlack);
            // The English line went black: no blue is left, the type plate's band included.
            QCOMPARE(countPixels(plate, exactly(kBlue)), 0);
            QVERIFY(countPixels(plate, exactly(kWhite),
                                w.Text3()->geometry().adjusted(3, 0, 0, 0)) > 100);
            return;
        }
        QCOMPARE(countPixels(plate, exactly(kBlack), {kLine.left(), 0, 3, 64}), 3 * 64);
        QCOMPARE(countPixels(plate, exactly(kBlue), {0, 64, 241, 17}), 241 * 17);
    }
    void typedTextsSurviveEveryToggle()
    {
        MainWindow &w = m_ui->window;
        const auto type = [](SignTextBox *box, const QString &text) {
            box->clear();
            QTest::keyClicks(box, text);
        };
        type(w.Text1(), QStringLiteral("Rapid"));
        type(w.Text2(), QStringLiteral("Express"));
        press();
        type(w.Text3(), QStringLiteral("Tokyo"));
        type(w.Text7(), QStringLiteral("Shinjuku"));
        press();
        QVERIFY(w.Text3()->isHidden());
        press();
        QVERIFY(w.Text3()->isVisible());
        QCOMPARE(w.Text1()->text(), QStringLiteral("Rapid"));
        QCOMPARE(w.Text2()->text(), QStringLiteral("Express"));
        QCOMPARE(w.Text3()->text(), QStringLiteral("Tokyo"));
        QCOMPARE(w.Text7()->text(), QStringLiteral("Shinjuku"));
    }

private:
    void press() { click(m_ui->window.Command8()); }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
