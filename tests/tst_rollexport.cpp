#include "ModelSupport.h"
#include "export/ExportManager.h"
#include "platform/QtImageWriter.h"
#include "render/SpinAnimation.h"
#include "sign/SignFonts.h"

#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

namespace {

// Frames unlike one another in layout, texts and colours: where one would be drawn in
// another's place, or a row out of step, the pictures differ.
QList<Frame> rollOf(int count, bool colourful)
{
    QList<Frame> frames;
    for (int i = 0; i < count; ++i) {
        Frame frame;
        frame.layout = colourful && i % 2 ? SignLayout::TypeAndDestination : SignLayout::SignName;
        frame.text(SignLine::Main) = QStringLiteral("快速%1").arg(i);
        frame.text(SignLine::Destination) = QStringLiteral("東京");
        // White on black alone: the shades of its edges fit in one palette.
        if (!colourful)
            frame.text(SignLine::English).clear();
        if (colourful) {
            frame.mainColour = QColor::fromHsv(i * 47 % 360, 255, 255);
            frame.englishColour = QColor::fromHsv(i * 91 % 360, 200, 255);
            frame.signNameBand = frame.englishBand = QColor::fromHsv(i * 23 % 360, 255, 160);
        }
        frames << frame;
    }
    return frames;
}

} // namespace

class TestRollExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void stripStacksTheFramesAndTheListNamesThem()
    {
        QTemporaryDir dir;
        QList<Frame> frames = rollOf(3, true);
        frames[1].name = QStringLiteral("回送\n車庫行");
        QtImageWriter writer;
        ExportManager exporter(writer);
        const QString strip = dir.filePath(QStringLiteral("roll.png"));
        QVERIFY(exporter.saveStrip(frames, strip).ok());
        const QImage read = rgb(QImage(strip));
        QCOMPARE(read.size(), QSize(241, 243));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(read.copy(0, 81 * i, 241, 81), PlatePainter(frames[i]).render());
        QCOMPARE(exporter.saveStrip(frames, dir.filePath(QStringLiteral("roll.tif"))).failure,
                 ExportManager::Failure::UnknownFormat);

        const QString names = dir.filePath(QStringLiteral("names.txt"));
        QVERIFY(exporter.saveFrameNames(frames, names).ok());
        QCOMPARE(QString::fromUtf8(bytesOf(names)), QStringLiteral("快速0\n回送 車庫行\n快速2\n"));
    }

    void spinGifHoldsAndRollsWithExactColours_data()
    {
        QTest::addColumn<bool>("colourful");
        QTest::addColumn<bool>("globalPalette");
        QTest::newRow("shared palette") << false << true;
        QTest::newRow("a palette each") << true << false;
    }
    void spinGifHoldsAndRollsWithExactColours()
    {
        QFETCH(bool, colourful);
        QFETCH(bool, globalPalette);
        QTemporaryDir dir;
        const QList<Frame> frames = rollOf(5, colourful);
        SpinAnimation::Options options;
        options.holdMs = 1500;
        options.steps = 3;
        options.first = 1;
        options.last = 3;
        QtImageWriter writer;
        const QString path = dir.filePath(QStringLiteral("spin.gif"));
        QVERIFY(ExportManager(writer).saveSpin(frames, options, path).ok());
        QCOMPARE(
            ExportManager(writer).saveSpin(frames, options, path + QStringLiteral(".png")).failure,
            ExportManager::Failure::GifOnly);
        // The screen descriptor's flag for a global colour table.
        QCOMPARE((bytesOf(path).at(10) & 0x80) != 0, globalPalette);

        // With a palette each a picture keeps its solid colours, the plates, bands and text
        // that cover a hundredth of it or more; with one palette it keeps every pixel.
        const auto keeps = [globalPalette](const QImage &shown, const QImage &drawn) {
            QHash<QRgb, int> area;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x)
                    ++area[drawn.pixel(x, y)];
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x)
                    if ((globalPalette || area[drawn.pixel(x, y)] * 100 >= 241 * 81) &&
                        shown.pixel(x, y) != drawn.pixel(x, y))
                        return false;
            return true;
        };
        QImageReader reader(path);
        QCOMPARE(reader.imageCount(), 3 * 4);
        const QList<qreal> moved = SpinAnimation(frames, options).stepPositions();
        QVERIFY(moved.first() > 0 && moved.first() < moved.at(1) - moved.first());
        for (int i = 1; i <= 3; ++i) {
            const QImage from = PlatePainter(frames[i]).render();
            const QImage to = PlatePainter(frames[i == 3 ? 1 : i + 1]).render();
            for (int step = 0; step <= 3; ++step) {
                const QImage shown = rgb(reader.read());
                QCOMPARE(reader.nextImageDelay(), step == 0 ? 1500 : 30);
                const int offset = step == 0 ? 0 : qRound(moved[step - 1] * 81);
                QImage drawn = from.copy(0, offset, 241, 81);
                QPainter(&drawn).drawImage(0, 81 - offset, to);
                QVERIFY2(keeps(shown, drawn), qPrintable(QStringLiteral("%1/%2").arg(i).arg(step)));
            }
        }
    }
};

QTEST_MAIN(TestRollExport)
#include "tst_rollexport.moc"
