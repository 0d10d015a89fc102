#include "FailingDevice.h"
#include "ModelSupport.h"
#include "codec/QtImageWriter.h"
#include "export/ExportManager.h"
#include "export/ExportSettings.h"
#include "export/JobRunner.h"
#include "export/VectorPictures.h"
#include "files/SaveJournal.h"
#include "messages/FailureMessage.h"
#include "render/SpinAnimation.h"
#include "sign/FrameRules.h"
#include "sign/SignFonts.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>

#include "io/RollFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using Kind = FileFailure::Kind;
Q_DECLARE_METATYPE(Kind)

namespace {

constexpr uid_t kNobody = 65534;
// Qt's permission flags take a hex digit for each octal one of a file's mode.
constexpr QFile::Permissions kOpenFolder(0x7755), kLockedFolder(0x5555), kReadOnly(0x4444),
    kWritable(0x6666);
const bool kWebp = QImageWriter::supportedImageFormats().contains("webp");

// 100 × 60 pixels: a BMP of 18 kB.
const QImage kPicture = [] {
    QImage image(100, 60, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return image;
}();

FileFailure encode(const QImage &image, const QByteArray &format, QIODevice &device)
{
    device.open(QIODevice::WriteOnly);
    return QtImageWriter().write(image, device, format);
}

QByteArray encoded(const QImage &image, const QByteArray &format)
{
    QBuffer buffer;
    return encode(image, format, buffer).ok() ? buffer.data() : QByteArray();
}

QString told(const FileFailure &failure)
{
    return FailureMessage::paragraphs(failure, FileSubject::Picture);
}

// A local socket bound to path, left open for the test's run: a name that is no file.
bool bindSocket(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::copy(name.begin(), name.end(), std::begin(address.sun_path));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    return fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
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

// Frames unlike one another in layout, texts and colours: where one would be drawn in
// another's place, or a row out of step, the pictures differ.
QList<Frame> rollOf(int count, bool colourful)
{
    QList<Frame> frames;
    for (int i = 0; i < count; ++i) {
        Frame frame;
        setLayout(frame,
                  colourful && i % 2 ? SignLayout::TypeAndDestination : SignLayout::SignName);
        frame.text(SignLine::Main) = QStringLiteral("快速%1").arg(i);
        frame.text(SignLine::Destination) = QStringLiteral("東京");
        // White on black alone: the shades of its edges fit in one palette.
        if (!colourful)
            frame.text(SignLine::English).clear();
        if (colourful) {
            setColour(frame, ColourTarget::MainText, QColor::fromHsv(i * 47 % 360, 255, 255));
            setColour(frame, ColourTarget::EnglishText, QColor::fromHsv(i * 91 % 360, 200, 255));
            setColour(frame, ColourTarget::EnglishBand, QColor::fromHsv(i * 23 % 360, 255, 160));
        }
        frames << frame;
    }
    return frames;
}

// Cancels the job it is handed as it encodes a picture.
class CancellingWriter final : public ImageWriter
{
public:
    FileFailure write(const QImage &image, QIODevice &device, const QByteArray &format) override
    {
        if (job)
            job->cancel();
        return QtImageWriter().write(image, device, format);
    }

    JobProgress *job = nullptr;
};

} // namespace

class TestSaveFile : public QObject
{
    Q_OBJECT

private slots:
    // Past the size limit a test sets, the system refuses the write instead of ending the test.
    void initTestCase()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        installFontSubstitutes();
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        // Open to nobody, whom the superuser becomes to meet a locked folder.
        QVERIFY(m_dir->isValid() && QFile::setPermissions(m_dir->path(), kOpenFolder));
        // Nobody writes the journal as the user would.
        QVERIFY(QFile::setPermissions(m_journalDir.path(), QFile::Permissions(0x7777)));
    }

    void savePicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("locked");   // the folder takes no new file
        QTest::addColumn<int>("oldSize");   // 0: no file there
        QTest::addColumn<int>("sizeLimit"); // what the system lets a file grow to; 0: no limit
        QTest::addColumn<Kind>("failure");
        QTest::addColumn<QByteArray>("format");
        using enum FileFailure::Kind;
        const auto row = [](const char *tag, const QString &name, bool locked, int oldSize,
                            int sizeLimit, Kind failure, const char *format) {
            QTest::newRow(tag) << name << locked << oldSize << sizeLimit << failure
                               << QByteArray(format);
        };
        const auto unknown = [](const char *tag, const QString &name) {
            QTest::newRow(tag) << name << false << 0 << 0 << UnknownFormat << QByteArray();
        };
        const QString bmp = QStringLiteral("a.bmp");
        row("jpg", "a.JPG", false, 0, 0, None, "jpeg");
        if (kWebp)
            row("webp", "a.webp", false, 0, 0, None, "webp");
        else
            unknown("webp", "a.webp");
        unknown("tif", "a.tif");
        unknown("no extension", "a");
        row("read-only", bmp, false, 40, 0, WriteProtected, "bmp");
        // The longest name there is: the temporary file's short name still fits beside it.
        row("new, name of 255 bytes", QString(251, u'a') + ".bmp", false, 0, 0, None, "bmp");
        row("read-only, name of 255 bytes", QString(251, u'a') + ".bmp", false, 40, 0,
            WriteProtected, "bmp");
        row("write fails", bmp, false, 40, 4096, WriteFailed, "bmp");
        row("locked folder, new file", bmp, true, 0, 0, CannotCreate, "bmp");
        // Written over where it is, its old bytes kept in the journal meanwhile.
        row("locked folder", bmp, true, 30000, 0, None, "bmp");
        row("locked folder, write fails, old bytes put back", bmp, true, 40, 4096, WriteFailed,
            "bmp");
        // The journal's copy of the old file cannot be made either: nothing is touched.
        row("locked folder, no room for the old file's copy", bmp, true, 8192, 4096, NoCopy, "bmp");
    }
    void savePicture()
    {
        QFETCH(QString, name);
        QFETCH(bool, locked);
        QFETCH(int, oldSize);
        QFETCH(int, sizeLimit);
        QFETCH(Kind, failure);
        QFETCH(QByteArray, format);
        const QString path = m_dir->filePath(name);
        const QByteArray old(oldSize, 'x');
        QFile existing(path);
        if (oldSize > 0)
            QVERIFY(
                existing.open(QIODevice::WriteOnly) && existing.write(old) == oldSize &&
                existing.setPermissions(failure == Kind::WriteProtected ? kReadOnly : kWritable));
        existing.close();
        const FileFailure result = saveAs(locked, sizeLimit, path);

        QCOMPARE(result.kind, failure);
        QCOMPARE(result.path, failure == Kind::None ? QString() : path);
        if (sizeLimit > 0)
            QCOMPARE(result.systemError, EFBIG);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 oldSize > 0 || failure == Kind::None ? QStringList{name} : QStringList{});
        // Whatever happened, the journal keeps nothing once the save is over.
        QCOMPARE(QDir(m_journalDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        const QByteArray bytes = bytesOf(path);
        if (QBuffer encoded; failure == Kind::None) {
            QVERIFY(encoded.open(QIODevice::WriteOnly) &&
                    m_writer.write(kPicture, encoded, format).ok());
            QCOMPARE(bytes, encoded.data());
            QCOMPARE(QImageReader::imageFormat(path), format);
        } else {
            QCOMPARE(bytes, old);
        }
        // Quality 95: the first step of JPEG's first table is 2 at most, 8 at the usual 75.
        if (format == "jpeg")
            QVERIFY(quint8(bytes.at(bytes.indexOf("\xFF\xDB") + 5)) <= 2);
        // The user is told the real reason, in Japanese, and that the old file is whole.
        const QString message = told(result);
        QCOMPARE(message.contains(QStringLiteral("ファイルが書き込み禁止")),
                 failure == Kind::WriteProtected);
        QCOMPARE(message.contains(QStringLiteral("そのまま残っています")), failure != Kind::None);
        QCOMPARE(message.contains(QStringLiteral("ファイルがシステムの許す大きさを超えます")),
                 sizeLimit > 0);
        QCOMPARE(message.contains(QStringLiteral(".gif、.png、.bmp、.jpg、.jpeg")),
                 failure == Kind::UnknownFormat);
    }

    // One rule for every save: a regular file or a new name is written, a link is followed to
    // the file it ends at (which is replaced while the link stays), anything else is refused
    // untouched, naming what it is.
    void onlyRegularFilesAndNewNamesAreWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Kind>("failure");
        QTest::addColumn<QString>("said");
        using enum FileFailure::Kind;
        QTest::newRow("new name") << "new.png" << None << "";
        QTest::newRow("link to a file") << "link.png" << None << "";
        QTest::newRow("link to a link to a file") << "chain.png" << None << "";
        QTest::newRow("pipe") << "pipe" << SpecialFile << "名前付きパイプ (FIFO)";
        QTest::newRow("link to a pipe") << "pipelink" << SpecialFile << "名前付きパイプ (FIFO)";
        QTest::newRow("socket") << "socket" << SpecialFile << "ソケット";
        QTest::newRow("device") << "device" << SpecialFile << "デバイスファイル";
        QTest::newRow("folder") << "folder" << IsFolder << "フォルダ";
        QTest::newRow("dangling link") << "dangling.png" << DanglingLink << "リンク先のない";
        QTest::newRow("name from bytes of another encoding")
            << QStringLiteral("\uFFFD.png") << BadName << "文字コード";
    }
    void onlyRegularFilesAndNewNamesAreWritten()
    {
        QFETCH(QString, name);
        QFETCH(Kind, failure);
        QFETCH(QString, said);
        const QDir folder(m_dir->path());
        QVERIFY(QFile(folder.filePath("file.png")).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(QStringLiteral("file.png"), folder.filePath("link.png")));
        QVERIFY(QFile::link(QStringLiteral("link.png"), folder.filePath("chain.png")));
        QVERIFY(QFile::link(QStringLiteral("nowhere.png"), folder.filePath("dangling.png")));
        QVERIFY(::mkfifo(qPrintable(folder.filePath("pipe")), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("pipe"), folder.filePath("pipelink")));
        QVERIFY(folder.mkdir(QStringLiteral("folder")));
        QVERIFY(bindSocket(folder.filePath("socket")));
        // A device of its own, the superuser's to make: a mistake here never meets /dev/null.
        const bool device =
            ::mknod(qPrintable(folder.filePath("device")), S_IFCHR | 0600, makedev(1, 3)) == 0;
        if (name == QLatin1String("device") && !device)
            QSKIP("only the superuser makes a device");
        const auto kinds = [&folder] {
            QStringList kinds;
            for (const QFileInfo &entry : folder.entryInfoList(QDir::AllEntries | QDir::System |
                                                               QDir::Hidden | QDir::NoDotAndDotDot))
                kinds << entry.fileName() +
                             (entry.isSymLink() ? "->" + entry.symLinkTarget() : "") +
                             (entry.isFile()  ? " file"
                              : entry.isDir() ? " folder"
                                              : " other");
            return kinds;
        };
        const QStringList before = kinds();

        const QString path = folder.filePath(name);
        const FileFailure result = ExportManager(m_writer, &m_journal).save(kPicture, path, "png");
        QCOMPARE(result.kind, failure);
        if (failure != Kind::None) {
            QCOMPARE(kinds(), before);
            const QString message = told(result);
            QVERIFY2(message.contains(said) && message.contains(QDir::toNativeSeparators(path)),
                     qPrintable(message));
            // A roll file is saved by the same rule, and says the same.
            const FileFailure roll = RollFile::save({Frame()}, path);
            QCOMPARE(roll.kind, failure);
            QVERIFY(FailureMessage::paragraphs(roll, FileSubject::RollFile).contains(said));
            QCOMPARE(kinds(), before);
            return;
        }
        QCOMPARE(QImage(path).size(), kPicture.size());
        // Followed to the end: the links are links still, the file they lead to is new.
        if (name != QLatin1String("new.png")) {
            QVERIFY(QFileInfo(folder.filePath("link.png")).isSymLink() &&
                    QFileInfo(folder.filePath("chain.png")).isSymLink());
            QCOMPARE(bytesOf(folder.filePath("file.png")), bytesOf(path));
        }
        QCOMPARE(
            folder.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                .size(),
            before.size() + (name == QLatin1String("new.png") ? 1 : 0));
    }

    // A save that was killed leaves at most a temporary file no process holds, and the next
    // save into the folder clears it; one a running save holds, or anything else, stays.
    void leftoverTemporaryFilesGoAtTheNextSave()
    {
        const QDir folder(m_dir->path());
        for (const char *name : {".~qdead1", ".~qheld1", ".~QOTHER", ".~qtoolongname", "x.png"})
            QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
        QFile held(folder.filePath(".~qheld1"));
        QVERIFY(held.open(QIODevice::ReadOnly) && ::flock(held.handle(), LOCK_EX) == 0);
        QVERIFY(
            ExportManager(m_writer, &m_journal).save(kPicture, folder.filePath("saved.png")).ok());
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 QStringList({".~QOTHER", ".~qheld1", ".~qtoolongname", "saved.png", "x.png"}));
    }

    // The journal's copy is held while its save runs: another copy of the program starting
    // then leaves it alone. Once the save is gone without dropping it, as a killed one does,
    // the next start puts the old file back whole and says so.
    void journalPutsBackAFileWhoseOverwriteWasCutOff()
    {
        const QString target = m_dir->filePath(QStringLiteral("roll.quintelo"));
        const QByteArray old = QByteArray("old file ").repeated(1000);
        {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        }
        const SaveJournal otherCopy(m_journalDir.path());
        {
            SaveJournal::Begun begun = m_journal.begin(target, old);
            QVERIFY(begun.entry && begun.error == 0);
            QFile cut(target);
            QVERIFY(cut.open(QIODevice::WriteOnly) && cut.write("new, cut sh") > 0);
            cut.close();
            QVERIFY(otherCopy.restoreLeftovers().isEmpty());
            QCOMPARE(bytesOf(target), QByteArray("new, cut sh"));
        } // the entry goes out of scope undropped, as with a killed save
        const QList<SaveJournal::Restored> restored = otherCopy.restoreLeftovers();
        QCOMPARE(restored.size(), 1);
        QCOMPARE(restored.constFirst().target, QFileInfo(target).canonicalFilePath());
        QVERIFY(restored.constFirst().failure.ok());
        QCOMPARE(bytesOf(target), old);
        QVERIFY(FailureMessage::journalReport(restored).contains(
            QStringLiteral("上書きする前の内容に戻しました")));
        QVERIFY(otherCopy.restoreLeftovers().isEmpty());
        QCOMPARE(QDir(m_journalDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A disk that fills up part-way through a save says so in Japanese and leaves the old file;
    // so does a disk mounted read-only.
    void fullDiskIsToldInJapanese()
    {
        const QString mount = m_dir->filePath(QStringLiteral("small"));
        QVERIFY(QDir().mkpath(mount));
        if (QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=64k"), QStringLiteral("tmpfs"), mount}) != 0)
            QSKIP("a small file system to fill needs the superuser's mount");
        const auto unmount =
            qScopeGuard([&mount] { QProcess::execute(QStringLiteral("umount"), {mount}); });
        const QString path = QDir(mount).filePath(QStringLiteral("plate.bmp"));
        QVERIFY(QFile(path).open(QIODevice::WriteOnly) && QFile(path).resize(4));
        QImage big(200, 200, QImage::Format_RGB32); // 120 kB of BMP
        big.fill(Qt::red);
        FileFailure result = ExportManager(m_writer, &m_journal).save(big, path);
        QCOMPARE(result.kind, Kind::WriteFailed);
        QCOMPARE(result.systemError, ENOSPC);
        QVERIFY2(told(result).contains(QStringLiteral("ディスクに空きがありません")),
                 qPrintable(told(result)));
        QCOMPARE(QFileInfo(path).size(), 4);
        QCOMPARE(QDir(mount).entryList(QDir::Files | QDir::Hidden), QStringList{"plate.bmp"});

        QCOMPARE(QProcess::execute(QStringLiteral("mount"),
                                   {QStringLiteral("-o"), QStringLiteral("remount,ro"), mount}),
                 0);
        result = ExportManager(m_writer, &m_journal).save(kPicture, path);
        QCOMPARE(result.systemError, EROFS);
        QVERIFY2(told(result).contains(QStringLiteral("読み取り専用のファイルシステム")),
                 qPrintable(told(result)));
        QCOMPARE(QFileInfo(path).size(), 4);
    }

    // Each writer on its own, without a file.
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
            const FileFailure failure = encode(picture(200), format, device);
            // The project's own writers tell a refused write apart; Qt's BMP writer says only that
            // it failed.
            QVERIFY2(format == "bmp" ? !failure.ok() : failure.kind == Kind::WriteFailed,
                     format.constData());
        }
    }
    void nothingIsWrittenForWhatCannotBeEncoded_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<Kind>("failure");
        QTest::newRow("empty") << QImage() << QByteArray("png") << Kind::EncodeFailed;
        QTest::newRow("unknown format") << picture(4) << QByteArray("tiff") << Kind::UnknownFormat;
        QTest::newRow("gif, too wide")
            << QImage(70000, 1, QImage::Format_RGB32) << QByteArray("gif") << Kind::TooLarge;
    }
    void nothingIsWrittenForWhatCannotBeEncoded()
    {
        QFETCH(QImage, image);
        QFETCH(QByteArray, format);
        QFETCH(Kind, failure);
        QBuffer buffer;
        QCOMPARE(encode(image, format, buffer).kind, failure);
        QCOMPARE(buffer.size(), 0);
    }

    void stripStacksTheFramesAndTheListNamesThem()
    {
        QList<Frame> frames = rollOf(3, true);
        frames[1].name = QStringLiteral("回送\n車庫行");
        ExportManager exporter(m_writer);
        const QString strip = m_dir->filePath(QStringLiteral("roll.png"));
        QVERIFY(exporter.saveStrip(frames, strip).ok());
        const QImage read = rgb(QImage(strip));
        QCOMPARE(read.size(), QSize(241, 243));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(read.copy(0, 81 * i, 241, 81), PlatePainter(frames[i]).render());
        QCOMPARE(exporter.saveStrip(frames, m_dir->filePath(QStringLiteral("roll.tif"))).kind,
                 Kind::UnknownFormat);

        const QString names = m_dir->filePath(QStringLiteral("names.txt"));
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
        const QList<Frame> frames = rollOf(5, colourful);
        SpinAnimation::Options options;
        options.holdMs = 1500;
        options.steps = 3;
        options.first = 1;
        options.last = 3;
        const QString path = m_dir->filePath(QStringLiteral("spin.gif"));
        QVERIFY(ExportManager(m_writer).saveSpin(frames, options, path).ok());
        const FileFailure notGif =
            ExportManager(m_writer).saveSpin(frames, options, path + QStringLiteral(".png"));
        QCOMPARE(notGif.kind, Kind::UnknownFormat);
        QCOMPARE(notGif.choices, QStringList{".gif"});
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

    // A job's work runs on another thread and its result comes back on the asking one, in its
    // event loop; the progress ends at its total, never above it; the file is the one a save
    // with no job makes; and once done, a cancel comes too late.
    void jobAnswersOnTheAskingThreadWithItsProgressAtTheEnd()
    {
        const QList<Frame> frames = rollOf(6, true);
        SpinAnimation::Options options;
        options.steps = 2;
        const QString direct = m_dir->filePath(QStringLiteral("direct.gif"));
        QVERIFY(ExportManager(m_writer).saveSpin(frames, options, direct).ok());

        JobRunner runner;
        const QString path = m_dir->filePath(QStringLiteral("spin.gif"));
        QThread *worker = nullptr;
        const Job<FileFailure> job = runner.start([&](JobProgress &progress) {
            worker = QThread::currentThread();
            ExportManager exporter(m_writer, &m_journal);
            exporter.setProgress(&progress);
            return exporter.saveSpin(frames, options, path);
        });
        QThread *answeredOn = nullptr;
        std::optional<FileFailure> result;
        job.whenFinished(this, [&](const FileFailure &finished) {
            answeredOn = QThread::currentThread();
            result = finished;
        });
        QTRY_VERIFY(result.has_value());
        QVERIFY(result->ok());
        QCOMPARE(answeredOn, QThread::currentThread());
        QVERIFY(worker && worker != QThread::currentThread());
        QVERIFY(job.progress().total() > frames.size());
        QCOMPARE(job.progress().done(), job.progress().total());
        QCOMPARE(bytesOf(path), bytesOf(direct));
        QVERIFY(!job.cancel());
    }

    // Cancelled part-way, every long save stops before its end and writes nothing: the old file
    // under the name stays as it was and nothing appears beside it. The picture is cancelled
    // while it is encoded, the last moment a cancel is in time.
    void cancelledJobWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("frames");
        QTest::newRow("strip") << QStringLiteral("strip.png") << 300;
        QTest::newRow("spin") << QStringLiteral("spin.gif") << 40;
        QTest::newRow("print sheet") << QStringLiteral("sheet.pdf") << 1000;
        QTest::newRow("picture") << QStringLiteral("plate.png") << 1;
    }
    void cancelledJobWritesNothing()
    {
        QFETCH(QString, name);
        QFETCH(int, frames);
        const QString path = m_dir->filePath(name);
        const QByteArray old = "the file that was there";
        write(path, old);
        const QList<Frame> roll = rollOf(frames, true);
        CancellingWriter cancelling;
        JobRunner runner;
        const Job<FileFailure> job = runner.start([&](JobProgress &progress) {
            ExportManager exporter(m_writer, &m_journal);
            exporter.setProgress(&progress);
            if (name.startsWith(u"strip"))
                return exporter.saveStrip(roll, path);
            if (name.startsWith(u"sheet"))
                return exporter.savePrintSheet(
                    roll,
                    PrintSheet(ExportSettings::pageSize(ExportSettings::Paper::A4), 30,
                               PlatePainter(roll.first()).size()),
                    path);
            if (name.startsWith(u"plate")) {
                cancelling.job = &progress;
                ExportManager encoding(cancelling, &m_journal);
                encoding.setProgress(&progress);
                return encoding.saveFrame(roll.first(), QRect(QPoint(), QSize(241, 81)), 8, path);
            }
            SpinAnimation::Options options;
            options.scale = 4;
            return exporter.saveSpin(roll, options, path);
        });
        qint64 seen = 0;
        bool steady = true;
        const FileFailure result = job.wait(
            [&] {
                const qint64 done = job.progress().done();
                steady = steady && done >= seen && done <= job.progress().total();
                seen = done;
                if (done > 0)
                    job.cancel();
            },
            1);
        QCOMPARE(result.kind, Kind::Cancelled);
        QVERIFY2(!FailureMessage::worthTelling(result) &&
                     FailureMessage::paragraphs(result, FileSubject::Picture).isEmpty(),
                 "a cancel is not told as a failure");
        QVERIFY(steady);
        QVERIFY(job.progress().done() < job.progress().total());
        QCOMPARE(bytesOf(path), old);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{name});
    }

    // A job of many pieces begins none once cancelled, those under way finishing; a runner
    // that goes away cancels its jobs and waits for them.
    void runnerStopsPiecesAndJobsItIsDoneWith()
    {
        JobRunner runner(2);
        std::atomic<int> begun = 0;
        const Job<int> pieces = runner.startEach(1000, [&begun](int) {
            ++begun;
            QThread::msleep(1);
        });
        const int ran = pieces.wait(
            [&] {
                if (begun >= 10)
                    pieces.cancel();
            },
            1);
        QCOMPARE(ran, begun.load());
        QVERIFY(ran >= 10 && ran < 1000);
        QCOMPARE(pieces.progress().done(), qint64(ran));
        QCOMPARE(runner.startEach(0, [](int) {}).wait(), 0);

        std::atomic<bool> stopped = false;
        {
            JobRunner going;
            going.start([&stopped](JobProgress &progress) {
                while (!progress.cancelled())
                    QThread::msleep(1);
                stopped = true;
                return 0;
            });
        }
        QVERIFY(stopped);
    }

private:
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    // Saves as a user who, in a locked folder, may change its files but create none, on a system
    // that lets a file grow to sizeLimit bytes (0: no limit). The superuser, whom no permission
    // stops, saves as nobody for the while.
    FileFailure saveAs(bool locked, int sizeLimit, const QString &path)
    {
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit before = limit;
        limit.rlim_cur = sizeLimit > 0 ? rlim_t(sizeLimit) : limit.rlim_cur;
        const bool root = locked && ::geteuid() == 0;
        QFile::setPermissions(m_dir->path(), locked ? kLockedFolder : kOpenFolder);
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0 || (root && ::setresuid(kNobody, kNobody, 0)))
            qFatal("cannot set the limits the test asks for");
        FileFailure result = ExportManager(m_writer, &m_journal).save(kPicture, path);
        if (::setrlimit(RLIMIT_FSIZE, &before) != 0 || (root && ::setresuid(0, 0, 0)))
            qFatal("cannot lift the limits the test set");
        QFile::setPermissions(m_dir->path(), kOpenFolder);
        return result;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QtImageWriter m_writer;
    QTemporaryDir m_journalDir;
    SaveJournal m_journal{m_journalDir.path()};
};

QTEST_MAIN(TestSaveFile)
#include "tst_savefile.moc"
