#include "TestSupport.h"
#include "export/ExportManager.h"
#include "export/SaveFailureMessage.h"
#include "platform/QtImageWriter.h"
#include "platform/QtWindowCapture.h"

#include <QImageWriter>
#include <QTemporaryDir>

using Failure = ExportManager::Failure;

namespace {

// 100 × 60 pixels in 200 colours: a GIF keeps it exactly, a BMP takes 18 kB.
QImage picture()
{
    QImage image(100, 60, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int n = (x * 31 + y * 17) % 200;
            image.setPixel(x, y, qRgb(n, 255 - n, (n * 7) & 0xFF));
        }
    return image;
}

// The reason line of what the user is told.
QString reasonTold(const ExportManager::Result &result)
{
    return saveFailureMessage(result).section(QStringLiteral("\n\n"), 2, 2);
}

} // namespace

class TestSaveFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void extensionPicksTheFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic"); // none: nothing may be written
        const QByteArray jpeg("\xFF\xD8\xFF");
        QTest::newRow("gif") << "a.gif" << QByteArray("GIF89a");
        QTest::newRow("png, upper case") << "a.PNG" << QByteArray("\x89PNG");
        QTest::newRow("bmp") << "a.bmp" << QByteArray("BM");
        QTest::newRow("jpg") << "a.jpg" << jpeg;
        QTest::newRow("jpeg, upper case") << "a.JPEG" << jpeg;
        QTest::newRow("webp") << "a.webp" << (webp() ? QByteArray("RIFF") : QByteArray());
        QTest::newRow("tif") << "a.tif" << QByteArray();
        QTest::newRow("no extension") << "a" << QByteArray();
        QTest::newRow("dot in the folder only") << "b.gif/a" << QByteArray();
    }
    void extensionPicksTheFormat()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        const QString path = m_dir->filePath(name);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        const ExportManager::Result result = save(path);
        if (magic.isEmpty()) {
            QCOMPARE(result.failure, Failure::UnknownFormat);
            QVERIFY(!QFileInfo::exists(path));
            const QString reason = reasonTold(result);
            for (const char *extension : {".gif", ".png", ".bmp", ".jpg", ".jpeg"})
                QVERIFY2(reason.contains(QLatin1String(extension)), qPrintable(reason));
            QCOMPARE(reason.contains(QStringLiteral(".webp")), webp());
            return;
        }
        QVERIFY(result.ok());
        const QByteArray bytes = bytesOf(path);
        QVERIFY2(bytes.startsWith(magic), bytes.left(8).toHex().constData());
        const QImage back = rgb(QImage::fromData(bytes));
        // JPEG at quality 95: the first step of its first table is 2 at most, 8 at the usual 75.
        if (magic.startsWith('\xFF'))
            QVERIFY(back.size() == picture().size() &&
                    quint8(bytes.at(bytes.indexOf("\xFF\xDB") + 5)) <= 2);
        else
            QCOMPARE(back, picture());
    }

private:
    static bool webp() { return QImageWriter::supportedImageFormats().contains("webp"); }

    ExportManager::Result save(const QString &path)
    {
        return ExportManager(m_capture, m_writer).save(picture(), path);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QtWindowCapture m_capture;
    QtImageWriter m_writer;
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
