#include "FailingDevice.h"
#include "TestSetup.h"
#include "export/ExportManager.h"
#include "platform/QtImageWriter.h"

#include <QBuffer>
#include <QSet>
#include <QTest>

#include <cstdlib>

namespace {

QByteArray encoded(const QImage &image, const QByteArray &format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QtImageWriter writer;
    const QString error = writer.write(image, buffer, format);
    if (!error.isEmpty())
        qWarning("%s", qPrintable(error));
    return error.isEmpty() ? buffer.data() : QByteArray();
}

QImage decoded(const QByteArray &bytes)
{
    return QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
}

int colourCount(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

// Blocks of 4 × 4 pixels in as many different colours as asked, spread over the whole cube.
QImage blocks(int colours)
{
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const int n = ((y / 4) * 16 + x / 4) % colours;
            image.setPixel(x, y,
                           qRgb((n * 37) & 0xFF, (n * 101 + 7) & 0xFF, (n * 53 + 200) & 0xFF));
        }
    return image;
}

} // namespace

class TestImageWriter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareTestApplication(); }

    void eachFormatIsWhatItsNameSays_data();
    void eachFormatIsWhatItsNameSays();
    void gifKeepsUpTo256ColoursExactly_data();
    void gifKeepsUpTo256ColoursExactly();
    void gifReducesARicherPictureToAGoodPalette();
    void pngKeepsEveryColourExactly_data();
    void pngKeepsEveryColourExactly();
    void deviceThatStopsTakingBytesIsReported_data();
    void deviceThatStopsTakingBytesIsReported();
    void nothingIsWrittenForWhatCannotBeEncoded();
    void formatFollowsTheExtension_data();
    void formatFollowsTheExtension();
};

void TestImageWriter::eachFormatIsWhatItsNameSays_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("gif") << QByteArray("gif") << QByteArray("GIF89a");
    QTest::newRow("png") << QByteArray("png") << QByteArray("\x89PNG\r\n\x1a\n");
    QTest::newRow("bmp") << QByteArray("bmp") << QByteArray("BM");
}

void TestImageWriter::eachFormatIsWhatItsNameSays()
{
    QFETCH(QByteArray, format);
    QFETCH(QByteArray, magic);

    const QImage picture = blocks(40);
    const QByteArray bytes = encoded(picture, format);
    QVERIFY(bytes.startsWith(magic));
    if (format == "gif")
        QVERIFY(bytes.endsWith(';'));
    QCOMPARE(decoded(bytes), picture);
}

void TestImageWriter::gifKeepsUpTo256ColoursExactly_data()
{
    QTest::addColumn<int>("colours");
    QTest::newRow("one") << 1;
    QTest::newRow("two") << 2;
    QTest::newRow("three, padded to a table of four") << 3;
    QTest::newRow("all 256") << 256;
}

void TestImageWriter::gifKeepsUpTo256ColoursExactly()
{
    QFETCH(int, colours);
    const QImage picture = blocks(colours);
    QCOMPARE(colourCount(picture), colours);

    const QByteArray bytes = encoded(picture, "gif");
    QCOMPARE(decoded(bytes), picture);
    // The global colour table is as small as the colours allow: 2^(n+1) entries.
    const int tableEntries = 2 << (quint8(bytes.at(10)) & 0x07);
    QVERIFY2(tableEntries >= colours && tableEntries < 2 * std::max(colours, 2),
             qPrintable(QStringLiteral("%1 table entries").arg(tableEntries)));
}

void TestImageWriter::gifReducesARicherPictureToAGoodPalette()
{
    QImage picture(256, 64, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y * 4, 255 - x / 2));
    QVERIFY(colourCount(picture) > 256);

    const QImage back = decoded(encoded(picture, "gif"));
    QCOMPARE(back.size(), picture.size());
    QVERIFY(colourCount(back) <= 256);
    long total = 0;
    int worst = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb a = picture.pixel(x, y);
            const QRgb b = back.pixel(x, y);
            for (const int d : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)}) {
                total += std::abs(d);
                worst = std::max(worst, std::abs(d));
            }
        }
    const double mean = double(total) / (3.0 * picture.width() * picture.height());
    QVERIFY2(mean < 5 && worst < 40,
             qPrintable(QStringLiteral("mean %1, worst %2").arg(mean).arg(worst)));
}

void TestImageWriter::pngKeepsEveryColourExactly_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<bool>("palette");
    QTest::newRow("one colour") << blocks(1) << true;
    QTest::newRow("all 256") << blocks(256) << true;
    QImage gradient(256, 64, QImage::Format_RGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(x, y * 4, 255 - x / 2));
    QTest::newRow("more than 256") << gradient << false;
}

// Few colours go out as a palette PNG, the smaller and quicker file; more are never reduced.
void TestImageWriter::pngKeepsEveryColourExactly()
{
    QFETCH(QImage, picture);
    QFETCH(bool, palette);

    const QByteArray bytes = encoded(picture, "png");
    QCOMPARE(decoded(bytes), picture);
    QCOMPARE(QImage::fromData(bytes, "PNG").format() == QImage::Format_Indexed8, palette);
}

void TestImageWriter::deviceThatStopsTakingBytesIsReported_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("atOnce");
    for (const char *format : {"gif", "png", "bmp"}) {
        QTest::addRow("%s, nothing taken", format) << QByteArray(format) << true;
        QTest::addRow("%s, full half-way", format) << QByteArray(format) << false;
    }
}

void TestImageWriter::deviceThatStopsTakingBytesIsReported()
{
    QFETCH(QByteArray, format);
    QFETCH(bool, atOnce);

    const QImage picture = blocks(200);
    const qint64 whole = encoded(picture, format).size();
    FailingDevice device(atOnce ? 0 : whole / 2);
    device.open(QIODevice::WriteOnly);

    QtImageWriter writer;
    const QString error = writer.write(picture, device, format);
    QVERIFY2(!error.isEmpty(), "a write that could not finish was reported as done");
    if (format == "gif")
        QCOMPARE(error, QStringLiteral("No space left on device"));
}

void TestImageWriter::nothingIsWrittenForWhatCannotBeEncoded()
{
    QtImageWriter writer;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(!writer.write(QImage(), buffer, "gif").isEmpty());
    QVERIFY(!writer.write(QImage(), buffer, "png").isEmpty());
    QVERIFY(!writer.write(blocks(4), buffer, "jpg").isEmpty());
    QVERIFY(!writer.write(QImage(70000, 1, QImage::Format_RGB32), buffer, "gif").isEmpty());
    QCOMPARE(buffer.size(), 0);
}

void TestImageWriter::formatFollowsTheExtension_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("gif") << "/tmp/sign.gif" << QByteArray("gif");
    QTest::newRow("upper-case PNG") << "/tmp/SIGN.PNG" << QByteArray("png");
    QTest::newRow("bmp") << "/tmp/sign.bmp" << QByteArray("bmp");
    QTest::newRow("other extension") << "/tmp/sign.jpg" << QByteArray("bmp");
    QTest::newRow("no extension") << "/tmp/sign" << QByteArray("bmp");
    QTest::newRow("dot in the folder only") << "/tmp/a.gif/sign" << QByteArray("bmp");
    QTest::newRow("double extension") << "/tmp/sign.gif.png" << QByteArray("png");
}

void TestImageWriter::formatFollowsTheExtension()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, format);
    QCOMPARE(ExportManager::formatForFileName(fileName), format);
}

QTEST_MAIN(TestImageWriter)
#include "tst_imagewriter.moc"
