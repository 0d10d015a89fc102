#include "FailingDevice.h"
#include "ModelSupport.h"
#include "platform/QtImageWriter.h"

#include <QBuffer>
#include <QRegularExpression>

namespace {

QString encode(const QImage &image, const QByteArray &format, QIODevice &device)
{
    device.open(QIODevice::WriteOnly);
    return QtImageWriter().write(image, device, format);
}

QByteArray encoded(const QImage &image, const QByteArray &format)
{
    QBuffer buffer;
    return encode(image, format, buffer).isEmpty() ? buffer.data() : QByteArray();
}

// Blocks of 4 × 4 pixels in as many different colours as asked; more than 256 asked gives a
// smooth gradient of some 16000 colours instead.
QImage picture(int colours)
{
    QImage image(colours > 256 ? 256 : 64, 64, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int n = ((y / 4) * 16 + x / 4) % colours;
            image.setPixel(x, y,
                           colours > 256 ? qRgb(x, y * 4, 255 - x / 2)
                                         : qRgb(n * 37 & 0xFF, (n * 101 + 7) & 0xFF, n));
        }
    return image;
}

} // namespace

class TestImageWriter : public QObject
{
    Q_OBJECT

private slots:
    void picturesComeBackExactly_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("colours");
        QTest::newRow("gif, three, padded to a table of four") << QByteArray("gif") << 3;
        QTest::newRow("gif, all 256") << QByteArray("gif") << 256;
        QTest::newRow("png, all 256") << QByteArray("png") << 256;
        QTest::newRow("png, more than 256") << QByteArray("png") << 1000;
        QTest::newRow("bmp") << QByteArray("bmp") << 40;
    }
    void picturesComeBackExactly()
    {
        QFETCH(QByteArray, format);
        QFETCH(int, colours);
        const QImage original = picture(colours);
        const QByteArray bytes = encoded(original, format);
        QCOMPARE(rgb(QImage::fromData(bytes)), original);
        // Few colours go out as a palette PNG, the smaller and quicker file; more never are. A
        // GIF's colour table is as small as the colours allow: 2^(n+1) entries.
        if (format == "png")
            QCOMPARE(QImage::fromData(bytes).format() == QImage::Format_Indexed8, colours <= 256);
        const int tableEntries = 2 << (quint8(bytes.at(10)) & 0x07);
        if (format == "gif")
            QVERIFY(tableEntries >= colours && tableEntries < 2 * colours);
    }
    void gifReducesARicherPictureToAGoodPalette()
    {
        const QImage original = picture(1000);
        const QImage back = rgb(QImage::fromData(encoded(original, "gif")));
        QVERIFY(colourCount(original) > 256 && colourCount(back) <= 256);
        long total = 0;
        int worst = 0;
        for (int y = 0; y < original.height(); ++y)
            for (int x = 0; x < original.width(); ++x) {
                const QRgb a = original.pixel(x, y), b = back.pixel(x, y);
                for (const int d :
                     {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)}) {
                    total += std::abs(d);
                    worst = std::max(worst, std::abs(d));
                }
            }
        QVERIFY2(total < 15L * original.width() * original.height() && worst < 40,
                 qPrintable(QStringLiteral("total %1, worst %2").arg(total).arg(worst)));
    }
    void deviceThatStopsTakingBytesIsReported()
    {
        for (const QByteArray format : {"gif", "png", "bmp"}) {
            FailingDevice device(encoded(picture(200), format).size() / 2);
            QVERIFY2(!encode(picture(200), format, device).isEmpty(), format.constData());
        }
    }
    void nothingIsWrittenForWhatCannotBeEncoded_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("empty") << QImage() << QByteArray("png");
        QTest::newRow("unknown format") << picture(4) << QByteArray("tiff");
        QTest::newRow("gif, too wide")
            << QImage(70000, 1, QImage::Format_RGB32) << QByteArray("gif");
    }
    void nothingIsWrittenForWhatCannotBeEncoded()
    {
        QFETCH(QImage, image);
        QFETCH(QByteArray, format);
        QBuffer buffer;
        const QString error = encode(image, format, buffer);
        // Said to the user as it stands, so in Japanese.
        QVERIFY2(error.contains(QRegularExpression(QStringLiteral("[\\x{3040}-\\x{30FF}]"))),
                 qPrintable(error));
        QCOMPARE(buffer.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestImageWriter)
#include "tst_imagewriter.moc"
