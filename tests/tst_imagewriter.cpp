#include "FailingDevice.h"
#include "ModelSupport.h"
#include "platform/QtImageWriter.h"

#include <QBuffer>
#include <QRegularExpression>

namespace {

QByteArray encoded(const QImage &image, const QByteArray &format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QString error = QtImageWriter().write(image, buffer, format);
    if (!error.isEmpty())
        qWarning("%s", qPrintable(error));
    return error.isEmpty() ? buffer.data() : QByteArray();
}

// Blocks of 4 × 4 pixels in as many different colours as asked, spread over the whole cube;
// more than 256 asked gives a smooth gradient of some 16000 colours instead.
QImage picture(int colours)
{
    QImage image(colours > 256 ? 256 : 64, 64, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int n = ((y / 4) * 16 + x / 4) % colours;
            image.setPixel(
                x, y,
                colours > 256 ? qRgb(x, y * 4, 255 - x / 2)
                              : qRgb((n * 37) & 0xFF, (n * 101 + 7) & 0xFF, (n * 53 + 200) & 0xFF));
        }
    return image;
}

} // namespace

class TestImageWriter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void picturesComeBackExactly_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QByteArray>("magic");
        QTest::addColumn<int>("colours");
        const QByteArray gif("GIF89a"), png("\x89PNG\r\n\x1a\n");
        QTest::newRow("gif, one colour") << QByteArray("gif") << gif << 1;
        QTest::newRow("gif, three, padded to a table of four") << QByteArray("gif") << gif << 3;
        QTest::newRow("gif, all 256") << QByteArray("gif") << gif << 256;
        QTest::newRow("png, one colour") << QByteArray("png") << png << 1;
        QTest::newRow("png, all 256") << QByteArray("png") << png << 256;
        QTest::newRow("png, more than 256") << QByteArray("png") << png << 1000;
        QTest::newRow("bmp") << QByteArray("bmp") << QByteArray("BM") << 40;
    }
    void picturesComeBackExactly()
    {
        QFETCH(QByteArray, format);
        QFETCH(QByteArray, magic);
        QFETCH(int, colours);
        const QImage original = picture(colours);
        const QByteArray bytes = encoded(original, format);
        QVERIFY(bytes.startsWith(magic));
        QCOMPARE(rgb(QImage::fromData(bytes)), original);
        if (format == "gif") {
            QVERIFY(bytes.endsWith(';'));
            // The global colour table is as small as the colours allow: 2^(n+1) entries.
            const int tableEntries = 2 << (quint8(bytes.at(10)) & 0x07);
            QVERIFY(tableEntries >= colours && tableEntries < 2 * std::max(colours, 2));
        }
        // Few colours go out as a palette PNG, the smaller and quicker file; more are never
        // reduced.
        if (format == "png")
            QCOMPARE(QImage::fromData(bytes, "PNG").format() == QImage::Format_Indexed8,
                     colours <= 256);
    }
    void gifReducesARicherPictureToAGoodPalette()
    {
        const QImage original = picture(1000);
        QVERIFY(colourCount(original) > 256);
        const QImage back = rgb(QImage::fromData(encoded(original, "gif")));
        QCOMPARE(back.size(), original.size());
        QVERIFY(colourCount(back) <= 256);
        long total = 0;
        int worst = 0;
        for (int y = 0; y < original.height(); ++y)
            for (int x = 0; x < original.width(); ++x) {
                const QRgb a = original.pixel(x, y);
                const QRgb b = back.pixel(x, y);
                for (const int d :
                     {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)}) {
                    total += std::abs(d);
                    worst = std::max(worst, std::abs(d));
                }
            }
        const double mean = double(total) / (3.0 * original.width() * original.height());
        QVERIFY2(mean < 5 && worst < 40,
                 qPrintable(QStringLiteral("mean %1, worst %2").arg(mean).arg(worst)));
    }
    void deviceThatStopsTakingBytesIsReported_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<bool>("atOnce");
        for (const char *format : {"gif", "png", "bmp"}) {
            QTest::addRow("%s, nothing taken", format) << QByteArray(format) << true;
            QTest::addRow("%s, full half-way", format) << QByteArray(format) << false;
        }
    }
    void deviceThatStopsTakingBytesIsReported()
    {
        QFETCH(QByteArray, format);
        QFETCH(bool, atOnce);
        const QImage original = picture(200);
        FailingDevice device(atOnce ? 0 : encoded(original, format).size() / 2);
        device.open(QIODevice::WriteOnly);
        const QString error = QtImageWriter().write(original, device, format);
        QVERIFY2(!error.isEmpty(), "a write that could not finish was reported as done");
        if (format == "gif")
            QCOMPARE(error, QStringLiteral("No space left on device"));
    }
    void nothingIsWrittenForWhatCannotBeEncoded_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("gif, empty") << QImage() << QByteArray("gif");
        QTest::newRow("png, empty") << QImage() << QByteArray("png");
        QTest::newRow("unknown format") << picture(4) << QByteArray("tiff");
        QTest::newRow("gif, too wide")
            << QImage(70000, 1, QImage::Format_RGB32) << QByteArray("gif");
    }
    void nothingIsWrittenForWhatCannotBeEncoded()
    {
        QFETCH(QImage, image);
        QFETCH(QByteArray, format);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const QString error = QtImageWriter().write(image, buffer, format);
        // Said to the user as it stands, so in Japanese.
        QVERIFY2(error.contains(QRegularExpression(QStringLiteral("[\\x{3040}-\\x{30FF}]"))),
                 qPrintable(error));
        QCOMPARE(buffer.size(), 0);
    }
};

QTEST_MAIN(TestImageWriter)
#include "tst_imagewriter.moc"
