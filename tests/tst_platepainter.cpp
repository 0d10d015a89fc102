#include "ModelSupport.h"
#include "sign/FrameRules.h"
#include "sign/PlateGeometry.h"

namespace {

Frame typeLayout(Frame frame)
{
    setLayout(frame, SignLayout::TypeAndDestination);
    return frame;
}

Frame rapid()
{
    Frame frame;
    frame.text(SignLine::Main) = QStringLiteral("快速");
    frame.text(SignLine::English) = QStringLiteral("Rapid");
    frame.text(SignLine::Destination) = QStringLiteral("東京");
    frame.text(SignLine::DestinationSmall) = QStringLiteral("Tokyo");
    setColour(frame, ColourTarget::MainText, QColor(0xFF, 0x7F, 0x27));
    setColour(frame, ColourTarget::EnglishText, QColor(0xFE, 0xD3, 0x04));
    setColour(frame, ColourTarget::EnglishBand, QColor(0x00, 0x85, 0xCE));
    return frame;
}

} // namespace

class TestPlatePainter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    // The goldens are the plate as the window drew it before the painter existed.
    void drawsThePlateAsTheWindowDid_data()
    {
        QTest::addColumn<Frame>("frame");
        QTest::addColumn<QRect>("area");
        Frame empty = rapid();
        empty.text(SignLine::Main).clear();
        empty.text(SignLine::English).clear();
        Frame styled = rapid();
        styled.text(SignLine::Main) = QStringLiteral("各駅停車");
        styled.text(SignLine::English) = QStringLiteral("Local");
        styled.mainFont.setFamily(QStringLiteral("BIZ UDPGothic"));
        styled.mainFont.setPointSizeF(20);
        styled.mainFont.setItalic(true);
        styled.mainFont.setUnderline(true);
        const QRect plate(QPoint(), plateSize());
        QTest::newRow("signname-default") << Frame() << plate;
        QTest::newRow("type-default") << typeLayout(Frame()) << plate;
        QTest::newRow("type-destination-box")
            << typeLayout(Frame())
            << lineRect(SignLayout::TypeAndDestination, SignLine::Destination);
        QTest::newRow("signname-coloured") << rapid() << plate;
        QTest::newRow("type-coloured") << typeLayout(rapid()) << plate;
        QTest::newRow("signname-empty") << empty << plate;
        QTest::newRow("signname-font") << styled << plate;
    }
    void drawsThePlateAsTheWindowDid()
    {
        QFETCH(Frame, frame);
        QFETCH(QRect, area);
        const QImage golden = goldenPicture(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(!golden.isNull());
        QCOMPARE(PlatePainter(frame).render(area), golden);
    }
    void drawsAtAnyScale()
    {
        const Frame frame = typeLayout(rapid());
        QCOMPARE(PlatePainter(frame).render(3), goldenPicture(QStringLiteral("type-coloured-3x")));
        const QImage once = PlatePainter(frame).render();
        for (int scale = 1; scale <= 8; ++scale) {
            const QImage picture = PlatePainter(frame).render(scale);
            QCOMPARE(picture.size(), plateSize() * scale);
            // Solid areas keep their colours at every scale: the separator and the plate.
            QCOMPARE(picture.pixel(88 * scale + scale / 2, 2 * scale), once.pixel(88, 2));
            QCOMPARE(picture.pixel(scale / 2, scale / 2), qRgb(0, 0, 0));
        }
    }
    // 長体: a line too wide for its box is squeezed to fit, never cut, whatever its length.
    void longLinesShowWhole_data()
    {
        QTest::addColumn<Frame>("frame");
        QTest::addColumn<SignLine>("line");
        QTest::newRow("sign name") << Frame() << SignLine::Main;
        QTest::newRow("destination") << typeLayout(Frame()) << SignLine::Destination;
        QTest::newRow("destination's small line")
            << typeLayout(Frame()) << SignLine::DestinationSmall;
    }
    void longLinesShowWhole()
    {
        QFETCH(Frame, frame);
        QFETCH(SignLine, line);
        const bool latin = line == SignLine::English || line == SignLine::DestinationSmall;
        frame.text(line) = latin ? QStringLiteral("Commuter Special Rapid for Tokyo Teleport")
                                 : QStringLiteral("新宿経由東京テレポート行き");
        const QImage whole = PlatePainter(frame).render();
        for (const qsizetype at : {qsizetype(0), frame.text(line).size() - 1}) {
            Frame changed = frame;
            changed.text(line)[at] = latin ? u'X' : u'駅';
            QVERIFY2(PlatePainter(changed).render() != whole, qPrintable(QString::number(at)));
        }
    }
    void squeezesToHalfThenShrinks()
    {
        // How tall and how wide the ink of the sign name is.
        const auto inked = [](int characters) {
            Frame frame;
            frame.text(SignLine::English).clear();
            frame.text(SignLine::Main) = QString(characters, QChar(u'国'));
            const QImage picture = PlatePainter(frame).render();
            QRect ink;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    if (qGray(picture.pixel(x, y)) > 128)
                        ink |= QRect(x, y, 1, 1);
            return ink;
        };
        const QRect fits = inked(4), squeezed = inked(12), shrunk = inked(25);
        // 12 characters need some 60 %: as tall as ever, across the line but for a margin of a
        // quarter of the type's 32 pixels at each end.
        QVERIFY(squeezed.height() >= fits.height() - 1);
        QVERIFY2(squeezed.left() >= 7 && squeezed.left() <= 10 && squeezed.right() <= 233 &&
                     squeezed.right() >= 229,
                 qPrintable(QStringLiteral("%1 %2").arg(squeezed.left()).arg(squeezed.right())));
        // 25 need some 30 %: half width at most, and the rest taken off the height.
        QVERIFY(shrunk.height() < fits.height() * 3 / 4);
        QVERIFY(shrunk.height() > fits.height() / 2);
    }
    void justifySpreadsShortNames()
    {
        Frame frame;
        frame.text(SignLine::Main) = QStringLiteral("前橋");
        const QImage centred = PlatePainter(frame).render();
        frame.justify = true;
        const QImage spread = PlatePainter(frame).render();
        const QRect leftEnd(0, 16, 44, 42);
        QCOMPARE(inkOf(centred.copy(leftEnd)), 0);
        QVERIFY(inkOf(spread.copy(leftEnd)) > 50);
        QVERIFY(inkOf(spread.copy(leftEnd.translated(197, 0))) > 50);
        // Spread, it keeps the margin of a squeezed line at each end.
        QCOMPARE(inkOf(spread.copy(0, 16, 8, 42)), 0);
        QCOMPARE(inkOf(spread.copy(233, 16, 8, 42)), 0);
        // Five characters are no name to spread.
        frame.text(SignLine::Main) = QStringLiteral("各駅停車駅");
        QCOMPARE(PlatePainter(frame).render(), [frame]() mutable {
            frame.justify = false;
            return PlatePainter(frame).render();
        }());
    }
    void typePlateTakesItsColourLeftOfTheSeparator()
    {
        Frame frame = typeLayout(Frame());
        frame.typePlate = QColor(0xFF, 0x7F, 0x27);
        const QImage picture = PlatePainter(frame).render();
        QCOMPARE(picture.pixel(2, 70), frame.typePlate.rgb());
        QCOMPARE(picture.pixel(120, 2), qRgb(0, 0, 0));
        // A coloured plate runs up to the white separator; a white one keeps a dark rule
        // between, from top to bottom, so the separator still shows.
        const int beside = separatorRect().left() - 1;
        QCOMPARE(picture.pixel(beside, 40), frame.typePlate.rgb());
        frame.typePlate = Qt::white;
        const QImage white = PlatePainter(frame).render();
        for (const int y : {0, 40, separatorRect().bottom()})
            QVERIFY(qGray(white.pixel(beside, y)) < 64 && qGray(white.pixel(beside + 1, y)) > 250);
        QCOMPARE(white.pixel(2, 70), qRgb(0xFF, 0xFF, 0xFF));
        setLayout(frame, SignLayout::SignName);
        QCOMPARE(PlatePainter(frame).render().pixel(2, 2), qRgb(0, 0, 0));
    }
    // Text from anywhere: nothing may crash, printable text shows, control characters do not.
    void drawsAnyText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ink");
        QTest::newRow("emoji family") << QStringLiteral("👨‍👩‍👧 🇯🇵") << true;
        QTest::newRow("right to left in Japanese") << QStringLiteral("東京 שלום عربي") << true;
        QTest::newRow("lone surrogates") << QString(QChar(0xD800)) + QChar(0xDC00) + u'駅' << true;
        QTest::newRow("control characters only") << QStringLiteral("\x01\x02\x1f\n\r") << false;
    }
    void drawsAnyText()
    {
        QFETCH(QString, text);
        QFETCH(bool, ink);
        Frame frame;
        frame.text(SignLine::English).clear();
        frame.text(SignLine::Main) = text;
        QCOMPARE(inkOf(PlatePainter(frame).render()) > 0, ink);
    }
};

QTEST_MAIN(TestPlatePainter)
#include "tst_platepainter.moc"
