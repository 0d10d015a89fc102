#include "TestSupport.h"
#include "export/ExportManager.h"
#include "export/SaveFailureMessage.h"
#include "platform/QtImageWriter.h"
#include "platform/QtWindowCapture.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using Failure = ExportManager::Failure;
Q_DECLARE_METATYPE(Failure)

namespace {

const QByteArray kEarlier("GIF89a an earlier sign the user keeps");
constexpr uid_t kNobody = 65534;

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

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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
    // Past the size limit a test sets, the system refuses the write instead of ending the test.
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid() && QDir(m_dir->path()).mkdir(QStringLiteral("f")));
        // Open to the user nobody, whom the superuser becomes to meet a locked folder. Qt's
        // permission flags take a hex digit for each octal one of the mode.
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::Permissions(0x7755)));
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

    void writeProtectedFileIsKept_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("locked");
        QTest::newRow("short name") << "a.gif" << false;
        // Too long a name for QSaveFile's temporary file: another one writes it.
        QTest::newRow("name of 255 bytes") << QString(251, u'a') + ".gif" << false;
        QTest::newRow("folder that takes no new file") << "a.gif" << true;
    }
    void writeProtectedFileIsKept()
    {
        QFETCH(QString, name);
        QFETCH(bool, locked);
        const QString path = m_dir->filePath(QStringLiteral("f/") + name);
        QVERIFY(writeFile(path, kEarlier));
        QVERIFY(QFile::setPermissions(path, QFile::Permissions(0x4444)));
        const ExportManager::Result result = saveIn(locked, path);
        QCOMPARE(result.failure, Failure::WriteProtected);
        QVERIFY(saveFailureMessage(result).contains(QDir::toNativeSeparators(path)));
        QVERIFY(reasonTold(result).startsWith(QStringLiteral("ファイルが書き込み禁止")));
        QCOMPARE(bytesOf(path), kEarlier);
        QCOMPARE(entriesOf(m_dir->filePath(QStringLiteral("f"))), QStringList{name});
    }

    void writeFailingPartWayHarmsNothing_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::addColumn<int>("oldSize"); // 0: no file there
        QTest::addColumn<int>("sizeLimit");
        QTest::addColumn<Failure>("failure");
        QTest::newRow("through a new file") << false << 40 << 4096 << Failure::EncodeFailed;
        QTest::newRow("no new file allowed") << true << 0 << 0 << Failure::CannotCreate;
        // As before saving went through a new file: the old one is written over where it is.
        QTest::newRow("old one written over") << true << 30000 << 0 << Failure::None;
        QTest::newRow("written over, old bytes put back")
            << true << 40 << 4096 << Failure::EncodeFailed;
        QTest::newRow("written over, old bytes too many to put back")
            << true << 8192 << 4096 << Failure::RestoreFailed;
    }
    void writeFailingPartWayHarmsNothing()
    {
        QFETCH(bool, locked);
        QFETCH(int, oldSize);
        QFETCH(int, sizeLimit);
        QFETCH(Failure, failure);
        const QString path = m_dir->filePath(QStringLiteral("f/a.bmp"));
        const QByteArray earlier(oldSize, 'x');
        if (oldSize > 0) {
            QVERIFY(writeFile(path, earlier));
            QVERIFY(QFile::setPermissions(path, QFile::Permissions(0x6666)));
        }
        rlimit limit{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
        const rlimit before = limit;
        limit.rlim_cur = sizeLimit > 0 ? rlim_t(sizeLimit) : limit.rlim_max;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
        const ExportManager::Result result = saveIn(locked, path);
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &before) == 0);

        QCOMPARE(result.failure, failure);
        QCOMPARE(entriesOf(m_dir->filePath(QStringLiteral("f"))),
                 oldSize > 0 ? QStringList{QStringLiteral("a.bmp")} : QStringList{});
        if (failure == Failure::None) {
            QBuffer bmp;
            QVERIFY(bmp.open(QIODevice::WriteOnly) &&
                    m_writer.write(picture(), bmp, "bmp").isEmpty());
            QCOMPARE(bytesOf(path), bmp.data());
        } else if (failure != Failure::RestoreFailed)
            QCOMPARE(bytesOf(path), earlier);
        const QString message = saveFailureMessage(result);
        QCOMPARE(message.contains(QStringLiteral("元に戻せませんでした")),
                 failure == Failure::RestoreFailed);
    }

private:
    static bool webp() { return QImageWriter::supportedImageFormats().contains("webp"); }

    ExportManager::Result save(const QString &path)
    {
        return ExportManager(m_capture, m_writer).save(picture(), path);
    }

    // Saves to path; in a locked folder, as a user who may change its files but create none.
    // The superuser, whom no permission stops, saves as nobody for the while.
    ExportManager::Result saveIn(bool locked, const QString &path)
    {
        const QString folder = QFileInfo(path).path();
        const bool root = locked && ::geteuid() == 0;
        if (locked)
            QFile::setPermissions(folder, QFile::Permissions(0x5555));
        if (root && ::setresuid(kNobody, kNobody, 0) != 0)
            qFatal("cannot become nobody");
        const ExportManager::Result result = save(path);
        if (root && ::setresuid(0, 0, 0) != 0)
            qFatal("cannot become the superuser again");
        QFile::setPermissions(folder, QFile::Permissions(0x7755));
        return result;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QtWindowCapture m_capture;
    QtImageWriter m_writer;
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
