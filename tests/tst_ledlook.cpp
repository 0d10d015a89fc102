#include "ModelSupport.h"
#include "codec/PcfFont.h"
#include "render/DotPainter.h"
#include "render/DotText.h"
#include "render/FilmStrip.h"
#include "render/LedTimeline.h"
#include "render/SpinAnimation.h"
#include "sign/FrameRules.h"
#include "sign/PlateGeometry.h"
#include "sign/SignDocument.h"

#include <QProcess>
#include <QSignalSpy>

#include <algorithm>
#include <cmath>

namespace {

Frame typeFrame()
{
    Frame frame;
    setLayout(frame, SignLayout::TypeAndDestination);
    frame.text(SignLine::Main) = QStringLiteral("快速");
    frame.text(SignLine::English) = QStringLiteral("Rapid");
    frame.text(SignLine::Destination) = QStringLiteral("高尾");
    frame.text(SignLine::DestinationSmall) = QStringLiteral("Takao");
    frame.typePlate = QColor(0xFF, 0x7F, 0x27);
    frame.englishColour = QColor(0x00, 0x71, 0xC1);
    return frame;
}

SignLook led(LedGrid grid, int columns, int rows, LedColours colours, int dotSize, int gap,
             int glow)
{
    return {LookKind::Led, {grid, columns, rows, colours, dotSize, gap, glow}};
}

// Whether a pixel is the colour darkened, as a shaded dot or its glow shows it.
bool shadeOf(QRgb pixel, const QColor &colour)
{
    const int top = std::max({colour.red(), colour.green(), colour.blue()});
    const int bright = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    const auto near = [&](int channel, int of) {
        return std::abs(channel - (of * bright + top / 2) / top) <= 1;
    };
    return near(qRed(pixel), colour.red()) && near(qGreen(pixel), colour.green()) &&
           near(qBlue(pixel), colour.blue());
}

Frame signName(const QString &name, const QString &english)
{
    Frame frame;
    frame.text(SignLine::Main) = name;
    frame.text(SignLine::English) = english;
    return frame;
}

// The panel rows lit in one colour, top and bottom.
std::pair<int, int> rowsLitIn(const QImage &dots, QRgb colour)
{
    std::pair rows{dots.height(), -1};
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x)
            if (dots.pixel(x, y) == colour)
                rows = {std::min(rows.first, y), std::max(rows.second, y)};
    return rows;
}

// The rows of a run's columns [left, right) that have a lit dot, and how many dots are lit.
std::pair<QSet<int>, int> inkOf(const QImage &dots, int left, int right)
{
    std::pair<QSet<int>, int> ink;
    for (int y = 0; y < dots.height(); ++y)
        for (int x = left; x < std::min(right, dots.width()); ++x)
            if (dots.constScanLine(y)[x] != 0) {
                ink.first.insert(y);
                ++ink.second;
            }
    return ink;
}

} // namespace

class LedLookTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void onePixelADotIsTheGoldenPattern()
    {
        const Frame type = typeFrame();
        Frame longName;
        longName.text(SignLine::Main) = QStringLiteral("東京ディズニーランド");
        const std::array<std::tuple<QString, Frame, SignLook>, 2> cases{{
            {QStringLiteral("led-side"), type,
             led(LedGrid::Side, 0, 0, LedColours::ThreeColour, 1, 0, 100)},
            {QStringLiteral("led-front16"), longName,
             led(LedGrid::Front, 96, 16, LedColours::Amber, 1, 0, 100)},
        }};
        for (const auto &[name, frame, look] : cases)
            QCOMPARE(PlatePainter(frame, look).render(), goldenPicture(name));
    }

    // Long names as real panels show them: squeezed from the glyphs themselves, then a smaller
    // face, then two rows; rows are 0 where the line cannot fit at all.
    void longLinesStayReadable_data()
    {
        QTest::addColumn<Frame>("frame");
        QTest::addColumn<SignLook>("look");
        QTest::addColumn<LedPhase>("phase");
        QTest::addColumn<SignLine>("line");
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("rows");
        const SignLook side = led(LedGrid::Side, 0, 0, LedColours::ThreeColour, 1, 0, 0);
        const SignLook front24 = led(LedGrid::Front, 160, 24, LedColours::Amber, 1, 0, 0);
        const SignLook tall = led(LedGrid::Custom, 192, 48, LedColours::FullColour, 1, 0, 0);
        const QString yawata = QStringLiteral("新宿三丁目・市ヶ谷・九段下方面 本八幡");
        const QString disney = QStringLiteral("東京ディズニーランド・ステーション");
        Frame type = typeFrame();
        type.text(SignLine::Main) = QStringLiteral("特別快速");
        type.text(SignLine::English) = QStringLiteral("Special Rapid");
        type.text(SignLine::Destination) = disney;
        QTest::newRow("side: two rows of 16")
            << signName(yawata, QStringLiteral("Motoyawata")) << side << LedPhase::Japanese
            << SignLine::Main << 16 << 2;
        QTest::newRow("front 24: squeezed 16 dots")
            << signName(disney, {}) << front24 << LedPhase::Japanese << SignLine::Main << 16 << 1;
        QTest::newRow("side: 51 characters do not fit")
            << signName(QString(yawata + disney).repeated(2).left(51), {}) << side
            << LedPhase::Japanese << SignLine::Main << 16 << 0;
        QTest::newRow("side: the type's English set tight")
            << type << side << LedPhase::Japanese << SignLine::English << 8 << 1;
        QTest::newRow("side: the type in 16 dots")
            << type << side << LedPhase::Japanese << SignLine::Main << 16 << 1;
        QTest::newRow("side: English alone in two rows")
            << signName({}, QStringLiteral("Shinjuku-sanchome, Ichigaya, Kudanshita")) << side
            << LedPhase::English << SignLine::English << 16 << 2;
        QTest::newRow("tall panel: two rows of 24")
            << type << tall << LedPhase::Japanese << SignLine::Destination << 24 << 2;
    }
    void longLinesStayReadable()
    {
        QFETCH(Frame, frame);
        QFETCH(SignLook, look);
        QFETCH(LedPhase, phase);
        QFETCH(SignLine, line);
        QFETCH(int, face);
        QFETCH(int, rows);
        const LedPainter painter(frame, look.led, phase);
        const QList<LedPainter::Line> lines = painter.lines();
        const auto set = std::ranges::find(lines, line, &LedPainter::Line::line);
        QVERIFY(set != lines.end());
        QCOMPARE(set->set.face, face);
        QCOMPARE(set->set.fits ? set->set.rows.size() : 0, rows);
        QCOMPARE(painter.linesCut().contains(line), rows == 0);
        // The small line beneath gives way to two rows.
        const SignLine beneath =
            line == SignLine::Main ? SignLine::English : SignLine::DestinationSmall;
        if (phase == LedPhase::Japanese &&
            (line == SignLine::Main || line == SignLine::Destination))
            QCOMPARE(std::ranges::count(lines, beneath, &LedPainter::Line::line),
                     rows == 2 ? 0 : 1);
        for (const DotText::Run &row : set->set.rows) {
            QVERIFY(row.width() <= set->window.width() || rows == 0);
            for (qsizetype i = 0; i < row.characters.size(); ++i) {
                // Every character keeps every row of its ink, and a good share of its dots:
                // squeezing merges columns, it never drops them.
                const auto natural = inkOf(
                    DotText::set(row.characters[i], face, lineFont(frame, line)).dots, 0, 9999);
                const auto squeezed = inkOf(row.dots, i > 0 ? row.ends[i - 1] : 0, row.ends[i]);
                QVERIFY2(squeezed.first == natural.first && squeezed.second * 3 >= natural.second,
                         qPrintable(row.characters[i]));
            }
        }
    }
    void japaneseAndEnglishKeepADarkRowBetween()
    {
        // Names that fit, in faces that light their lowest row.
        Frame frame = signName(QStringLiteral("新宿"), QStringLiteral("Shinjuku gjpqy"));
        frame.mainColour = QColor(0xFF, 0x00, 0x00);
        frame.englishColour = QColor(0x00, 0xFF, 0x00);
        for (const SignLook &look :
             {led(LedGrid::Side, 0, 0, LedColours::ThreeColour, 1, 0, 0),
              led(LedGrid::Front, 200, 24, LedColours::ThreeColour, 1, 0, 0),
              led(LedGrid::Custom, 300, 30, LedColours::ThreeColour, 1, 0, 0),
              led(LedGrid::Custom, 400, 40, LedColours::ThreeColour, 1, 0, 0)}) {
            const QImage dots = LedPainter(frame, look.led).dots();
            const auto japanese = rowsLitIn(dots, qRgb(0xFF, 0x00, 0x00));
            const auto english = rowsLitIn(dots, qRgb(0x00, 0xFF, 0x00));
            QVERIFY2(english.second >= 0 && english.first >= japanese.second + 2,
                     qPrintable(QString::number(dots.height())));
        }
    }
    // On screen and in the roll panel the panel is shrunk by averaging: it keeps its light,
    // where sampling a pixel here and there would stripe it or lose dots.
    void shrunkPanelsKeepTheirLight()
    {
        const auto light = [](const QImage &picture) {
            qint64 sum = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    sum += qGray(picture.pixel(x, y));
            return double(sum) / (picture.width() * picture.height());
        };
        const Frame frame = typeFrame();
        const PlatePainter panel(frame, led(LedGrid::Side, 0, 0, LedColours::Amber, 6, 2, 50));
        const double whole = light(panel.render());
        for (const qreal share : {1.0, 0.5}) {
            const QSize room = plateSize() * share;
            const QImage shrunk = panel.renderFitted(room);
            QCOMPARE(shrunk.size(), QSize(room.width(), room.width() / 4)); // the panel's 4:1
            QVERIFY2(std::abs(light(shrunk) - whole) < whole * 0.03,
                     qPrintable(QStringLiteral("%1 %2").arg(light(shrunk)).arg(whole)));
        }
    }

    void nothingIsDrawnBetweenDots()
    {
        const Frame frame = typeFrame();
        for (const auto &[dotSize, gap, glow] :
             {std::tuple{6, 2, 100}, {3, 5, 60}, {8, 0, 100}, {2, 3, 0}}) {
            const SignLook look =
                led(LedGrid::Side, 0, 0, LedColours::ThreeColour, dotSize, gap, glow);
            const QImage dots = LedPainter(frame, look.led).dots();
            const QImage picture = PlatePainter(frame, look).render();
            const int pitch = dotSize + gap;
            QCOMPARE(picture.size(), dots.size() * pitch);
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x) {
                    const QRgb pixel = picture.pixel(x, y);
                    if (pixel == qRgb(0, 0, 0))
                        continue;
                    const QRgb dot = dots.pixel(x / pitch, y / pitch);
                    const double fromMiddle =
                        std::hypot(x % pitch + 0.5 - pitch / 2.0, y % pitch + 0.5 - pitch / 2.0);
                    const QColor colour = dot == qRgb(0, 0, 0) ? kUnlitDot : QColor(dot);
                    QVERIFY2(
                        fromMiddle <= pitch / 2.0 + 0.5 && shadeOf(pixel, colour),
                        qPrintable(
                            QStringLiteral("%1 %2 at %3,%4").arg(dotSize).arg(gap).arg(x).arg(y)));
                }
        }
    }

    void eachPanelLightsOnlyItsOwnColours()
    {
        Frame frame = typeFrame();
        frame.typePlate = Qt::black;                 // the type's lines in their own colours
        frame.mainColour = QColor(0x11, 0x11, 0x11); // too dark to light: shown as white
        for (const LedColours colours :
             {LedColours::Amber, LedColours::ThreeColour, LedColours::FullColour}) {
            const QImage dots =
                LedPainter(frame, led(LedGrid::Side, 0, 0, colours, 1, 0, 0).led).dots();
            QSet<QRgb> lit;
            for (int y = 0; y < dots.height(); ++y)
                for (int x = 0; x < dots.width(); ++x)
                    if (dots.pixel(x, y) != qRgb(0, 0, 0))
                        lit.insert(dots.pixel(x, y));
            QVERIFY(lit.size() >= (colours == LedColours::Amber ? 1 : 2));
            const QList<QColor> panel = ledPanelColours(colours);
            for (const QRgb colour : std::as_const(lit)) {
                const bool levels = std::ranges::all_of(
                    std::array{qRed(colour), qGreen(colour), qBlue(colour)},
                    [](int c) { return QList{0, 36, 73, 109, 146, 182, 219, 255}.contains(c); });
                QVERIFY(colours == LedColours::FullColour ? levels
                                                          : panel.contains(QColor(colour)));
            }
        }
    }

    void spinAlternatesJapaneseAndEnglishInsteadOfRolling()
    {
        Frame second = typeFrame();
        second.text(SignLine::Destination) = QStringLiteral("東京");
        const QList<Frame> frames{typeFrame(), second};
        SpinAnimation::Options options;
        options.look = led(LedGrid::Side, 0, 0, LedColours::ThreeColour, 1, 0, 0);
        const SpinAnimation spin(frames, options);
        QCOMPARE(spin.count(), 4);
        for (int i = 0; i < spin.count(); ++i) {
            const LedPhase phase = i % 2 == 0 ? LedPhase::Japanese : LedPhase::English;
            QCOMPARE(spin.picture(i).delayMs, 3000);
            QCOMPARE(spin.picture(i).image,
                     PlatePainter(frames[i / 2], options.look, phase).render());
        }
        // The English lines alone, as large as the Japanese were, in the middle rows.
        const QImage english = LedPainter(frames[0], options.look.led, LedPhase::English).dots();
        for (int y = 0; y < english.height(); ++y)
            for (int x = 0; x < english.width(); ++x)
                QVERIFY(english.pixel(x, y) == qRgb(0, 0, 0) || (y >= 4 && y < 28));
        QVERIFY(inkOf(english) > 0 && english != LedPainter(frames[0], options.look.led).dots());
        QCOMPARE(FilmStrip(frames, options.look).render().size(), QSize(128, 64));

        // A Korean page, and a destination that runs through its window a dot at a time: the
        // spin keeps the timeline's pace, in the hundredths a GIF counts in.
        second.translation(PanelLanguage::Korean, SignLine::Destination) = QStringLiteral("도쿄");
        second.text(SignLine::Destination) = QString(QStringLiteral("東京・")).repeated(12);
        const SpinAnimation running({second}, options);
        int total = 0;
        for (int i = 0; i < running.count(); ++i)
            total += running.picture(i).delayMs;
        QCOMPARE(total, qRound(LedTimeline({second}, options.look.led, {}).durationMs() / 10) * 10);
        QCOMPARE(running.picture(running.count() - 1).image,
                 PlatePainter(second, options.look, LedPhase::Korean).render());
    }

    // A frame's four pages each show their own lines, on a panel of 32 rows (24-dot lines) and
    // one of 16 (16-dot lines); a box with no line in a page's language shows its Japanese
    // rather than going dark.
    void fourLanguagePagesDiffer()
    {
        Frame frame = typeFrame();
        frame.translation(PanelLanguage::Chinese, SignLine::Main) = QStringLiteral("快速");
        frame.translation(PanelLanguage::Chinese, SignLine::Destination) = QStringLiteral("东京");
        frame.translation(PanelLanguage::Korean, SignLine::Destination) = QStringLiteral("도쿄");
        for (const int rows : {32, 16}) {
            const LedSettings panel =
                led(LedGrid::Custom, 128, rows, LedColours::Amber, 1, 0, 0).led;
            QList<QImage> pages;
            for (const LedPhase page : LedTimeline::pagesOf(frame)) {
                pages << LedPainter(frame, panel, page).dots();
                QVERIFY(inkOf(pages.last()) > 0 && pages.indexOf(pages.last()) == pages.size() - 1);
            }
            QCOMPARE(pages.size(), 4);
            // The type has no Korean: its box shows 快速, set as on the Chinese page where efont
            // sets both scripts alike, at 24 dots.
            const auto typeOn = [&](LedPhase page) {
                return pages.at(int(page)).copy(0, 0, 48, 32);
            };
            QVERIFY(rows == 16 || typeOn(LedPhase::Korean) == typeOn(LedPhase::Chinese));
        }
    }

    void theLookIsOneUndoableStepForTheWholeRoll()
    {
        SignDocument doc;
        doc.editText(SignLine::Main, QStringLiteral("東京"));
        const QList<Frame> frames = doc.frames();
        QSignalSpy changed(&doc, &SignDocument::lookChanged);
        const SignLook panel = led(LedGrid::Front, 120, 24, LedColours::Amber, 4, 1, 30);
        doc.editLook(panel);
        doc.editLook(panel); // the same again is no step
        QVERIFY(doc.look() == panel);
        doc.undo();
        QVERIFY(doc.look() == SignLook());
        QCOMPARE(doc.frames(), frames);
        doc.redo();
        QVERIFY(doc.look() == panel);
        QCOMPARE(changed.size(), 3);
        doc.replaceFrames({Frame()}, {});
        QVERIFY(doc.look() == SignLook());
    }

    void pcfReaderTakesEfontAndRefusesDamage()
    {
        const std::optional<PcfFont> efont =
            PcfFont::load(QStringLiteral("/usr/share/fonts/X11/misc/f24.pcf.gz"));
        QVERIFY(efont && efont->glyphCount() > 20000);
        QCOMPARE(efont->ascent() + efont->descent(), 24);
        const std::optional<PcfFont::Glyph> east = efont->glyph(U'東');
        QVERIFY(east && east->advance == 24 && east->ink.height() <= 24);

        // Unpacked by gzip itself, the same file reads the same.
        QProcess gzip;
        gzip.start(QStringLiteral("gzip"),
                   {QStringLiteral("-dc"), QStringLiteral("/usr/share/fonts/X11/misc/f24.pcf.gz")});
        QVERIFY(gzip.waitForFinished());
        QByteArray bytes = gzip.readAllStandardOutput();
        QVERIFY(PcfFont::fromPcf(bytes)->glyph(U'東')->ink == east->ink);
        for (const qsizetype cut :
             {qsizetype(6), qsizetype(200), bytes.size() / 2, bytes.size() - 80})
            QVERIFY(!PcfFont::fromPcf(bytes.left(cut)));
        // The bitmap table's offset pointed past the end of the file.
        bytes[8 + 3 * 16 + 12 + 3] = char(0x7f);
        QVERIFY(!PcfFont::fromPcf(bytes));
    }
};

QTEST_MAIN(LedLookTest)
#include "tst_ledlook.moc"
