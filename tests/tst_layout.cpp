#include "FakeServices.h"
#include "TestSetup.h"
#include "composer/MainWindow.h"
#include "composer/SignPlate.h"
#include "composer/SignTextBox.h"

#include <QTest>

#include <memory>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);
const QRgb kBlue = qRgb(0, 0, 0xFF);

// The separator's three pixel columns and its length, and where the English band starts in
// the sign-name layout.
constexpr int kLineLeft = 87;
constexpr int kLineRight = 89;
constexpr int kLineRows = 80;
constexpr int kBandTop = 64;

QImage plateImage(MainWindow &w)
{
    return w.Picture2()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int countColour(const QImage &image, int top, int bottom, QRgb colour)
{
    int n = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour ? 1 : 0;
    return n;
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }
    void init();
    void cleanup();

    void firstPressShowsTypeAndDestination();
    void secondPressRestoresTheSignName();
    void smallLinesStayInFrontOfTheirPlates();
    void typeAndDestinationPlateShowsTheSeparatorAndABlackBand();
    void signNamePlateHidesTheSeparatorAgain();
    void typedTextsSurviveEveryToggle();

private:
    void press() { QTest::mouseClick(m_window->Command8(), Qt::LeftButton); }

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<MainWindow> m_window;
};

void TestLayout::init()
{
    m_fakes = std::make_unique<FakeServices>();
    m_window = std::make_unique<MainWindow>(m_fakes->services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestLayout::cleanup()
{
    m_window.reset();
    m_fakes.reset();
}

void TestLayout::firstPressShowsTypeAndDestination()
{
    MainWindow &w = *m_window;
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

    // The geometry the user sees follows the twips.
    QCOMPARE(w.Text1()->geometry(), QRect(10, 23, 73, 42));
    QCOMPARE(w.Text2()->geometry(), QRect(10, 53, 73, 17));
    // Neither the destination boxes nor the hidden colour store are touched.
    QCOMPARE(w.Text3()->twips(), (TwipRect{1440, 240, 2055, 615}));
    QCOMPARE(w.Text4()->BackColor(), QColor(Qt::blue));
}

void TestLayout::secondPressRestoresTheSignName()
{
    MainWindow &w = *m_window;
    const SignState original = w.signState();
    press();
    const SignState typeLayout = w.signState();
    press();

    QCOMPARE(w.typeLayoutOn(), qint16(0));
    QCOMPARE(w.Text1()->Width(), 3615);
    QCOMPARE(w.Text1()->Top(), 240);
    QCOMPARE(w.Text1()->Left(), 0);
    QCOMPARE(w.Text1()->FontSize(), 24.0f);
    QCOMPARE(w.Text2()->BackColor(), QColor(Qt::blue));
    QVERIFY(!w.Text3()->isVisible());
    QVERIFY(!w.Text7()->isVisible());

    // Everything is as the window started, except that Command4 now shares Command3's key.
    QCOMPARE(w.Command4()->text(), QStringLiteral("英字文字色変更(&N)"));
    SignState expected = original;
    expected.controls[QStringLiteral("Command4")].text = QStringLiteral("英字文字色変更(&N)");
    QVERIFY(w.signState() == expected);

    press();
    QVERIFY(w.signState() == typeLayout);
}

void TestLayout::smallLinesStayInFrontOfTheirPlates()
{
    MainWindow &w = *m_window;
    press();
    SignPlate *plate = w.Picture2();

    const QRect typeOverlap = w.Text1()->geometry().intersected(w.Text2()->geometry());
    QVERIFY(!typeOverlap.isEmpty());
    QCOMPARE(plate->childAt(typeOverlap.center()), w.Text2());

    const QRect destinationOverlap = w.Text3()->geometry().intersected(w.Text7()->geometry());
    QVERIFY(!destinationOverlap.isEmpty());
    QCOMPARE(plate->childAt(destinationOverlap.center()), w.Text7());
}

void TestLayout::typeAndDestinationPlateShowsTheSeparatorAndABlackBand()
{
    MainWindow &w = *m_window;
    press();
    const QImage plate = plateImage(w);

    for (int y = 0; y < kLineRows; ++y)
        for (int x = kLineLeft; x <= kLineRight; ++x)
            QVERIFY2(plate.pixel(x, y) == kWhite,
                     qPrintable(QStringLiteral("no line at %1,%2").arg(x).arg(y)));
    // Three pixels wide, not more, and no longer than the line.
    QCOMPARE(plate.pixel(kLineLeft - 1, 5), kBlack);
    QCOMPARE(plate.pixel(kLineRight + 1, 5), kBlack);
    QCOMPARE(plate.pixel(kLineLeft + 1, kLineRows), kBlack);

    // The English line went black: no blue is left anywhere, the type plate's band included.
    QCOMPARE(countColour(plate, 0, plate.height() - 1, kBlue), 0);
    QCOMPARE(plate.pixel(w.Text2()->geometry().left() + 1, w.Text2()->geometry().center().y()),
             kBlack);
    // The destination shows white text right of the line.
    int destinationWhite = 0;
    for (int y = w.Text3()->geometry().top(); y <= w.Text3()->geometry().bottom(); ++y)
        for (int x = kLineRight + 2; x < plate.width(); ++x)
            destinationWhite += plate.pixel(x, y) == kWhite ? 1 : 0;
    QVERIFY2(destinationWhite > 100, qPrintable(QString::number(destinationWhite)));
}

void TestLayout::signNamePlateHidesTheSeparatorAgain()
{
    MainWindow &w = *m_window;
    press();
    press();
    // Empty boxes, so that no glyph can stand in the line's place.
    w.Text1()->clear();
    w.Text2()->clear();
    w.Command8()->setFocus();
    const QImage plate = plateImage(w);

    for (int y = 0; y < kLineRows; ++y) {
        const QRgb expected = y < kBandTop ? kBlack : kBlue;
        for (int x = kLineLeft; x <= kLineRight; ++x)
            QVERIFY2(plate.pixel(x, y) == expected,
                     qPrintable(QStringLiteral("line shows at %1,%2").arg(x).arg(y)));
    }
    QCOMPARE(countColour(plate, kBandTop, plate.height() - 1, kBlue), plate.width() * 17);
}

void TestLayout::typedTextsSurviveEveryToggle()
{
    MainWindow &w = *m_window;
    w.Text1()->clear();
    QTest::keyClicks(w.Text1(), QStringLiteral("Rapid"));
    w.Text2()->clear();
    QTest::keyClicks(w.Text2(), QStringLiteral("Express"));
    press();
    w.Text3()->clear();
    QTest::keyClicks(w.Text3(), QStringLiteral("Tokyo"));
    w.Text7()->clear();
    QTest::keyClicks(w.Text7(), QStringLiteral("Shinjuku"));

    press();
    QVERIFY(w.Text3()->isHidden());
    QCOMPARE(w.Text3()->text(), QStringLiteral("Tokyo"));
    QCOMPARE(w.Text7()->text(), QStringLiteral("Shinjuku"));

    press();
    QVERIFY(w.Text3()->isVisible());
    QCOMPARE(w.Text1()->text(), QStringLiteral("Rapid"));
    QCOMPARE(w.Text2()->text(), QStringLiteral("Express"));
    QCOMPARE(w.Text3()->text(), QStringLiteral("Tokyo"));
    QCOMPARE(w.Text7()->text(), QStringLiteral("Shinjuku"));
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
