#include "ModelSupport.h"
#include "codec/AnimationKind.h"
#include "codec/AnimationWriter.h"
#include "codec/PngSequenceWriter.h"
#include "codec/VideoModule.h"
#include "codec/VideoWriter.h"
#include "export/VideoExport.h"
#include "io/RollFile.h"
#include "messages/FailureMessage.h"
#include "render/LedTimeline.h"
#include "render/MotionOptions.h"
#include "render/RollTimeline.h"
#include "render/TimelinePictures.h"
#include "sign/FrameRules.h"

#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <csignal>
#include <numeric>
#include <sys/resource.h>
#include <sys/stat.h>

Q_DECLARE_METATYPE(AnimationKind)
Q_DECLARE_METATYPE(FileFailure::Kind)

namespace {

// Three frames that differ in every line and colour, as a roll's neighbours do.
QList<Frame> threeFrames()
{
    QList<Frame> frames(3);
    const std::array names{u"各駅停車", u"快速", u"回送"};
    const std::array english{u"Local", u"Rapid", u"Not in Service"};
    const std::array colours{QColor(Qt::white), QColor(0xFF, 0x7F, 0x27), QColor(0x00, 0xC0, 0x60)};
    for (int i = 0; i < 3; ++i) {
        frames[i].text(SignLine::Main) = QString::fromUtf16(names[i]);
        frames[i].text(SignLine::English) = QString::fromUtf16(english[i]);
        setColour(frames[i], ColourTarget::MainText, colours[i]);
        setColour(frames[i], ColourTarget::EnglishBand, colours[2 - i]);
    }
    return frames;
}

// 2.5 s: three stops of half a second, two turns of half a second.
RollTimeline::Options shortTurns()
{
    RollTimeline::Options options;
    options.holdMs = 500;
    options.passMs = 500;
    options.rampMs = 100;
    return options;
}

// The LED side panel at its first settings: dots 6 pixels across, 8 apart.
constexpr int kPitch = 8;
const SignLook kSidePanel{LookKind::Led, {LedGrid::Side, 0, 0, LedColours::ThreeColour, 6, 2, 0}};

// The dots of a line's window in a picture of the side panel.
QImage windowOf(const QImage &picture, const LedPainter::Line &line)
{
    return picture.copy(line.window.x() * kPitch, line.rows.constFirst().y() * kPitch,
                        line.window.width() * kPitch, line.set.face * kPitch);
}

constexpr int kRate = 10;
// Pictures 967 × 325 pixels, odd both ways as most scales make them. At 1× a plate has too few
// pixels for the colours of thin type to survive the halved colour resolution of 4:2:0 video.
constexpr qreal kScale = 325 / 81.0;

// Peak signal to noise over the three colour channels; identical pictures give infinity.
double psnr(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 0;
    double squares = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)})
                squares += d * d;
        }
    const double mse = squares / (3.0 * a.width() * a.height());
    return mse == 0 ? INFINITY : 10 * std::log10(255.0 * 255.0 / mse);
}

// A saved animation read back: each picture and how long it shows, in milliseconds.
struct Played
{
    QList<QImage> pictures;
    QList<int> delaysMs;

    int durationMs() const { return std::accumulate(delaysMs.cbegin(), delaysMs.cend(), 0); }
    QImage at(int ms) const
    {
        for (qsizetype i = 0, end = 0; i < pictures.size(); ++i)
            if ((end += delaysMs[i]) > ms)
                return pictures[i];
        return {};
    }
};

// Videos through Debian's ffmpeg, every picture as it is stored; the rest through Qt's readers.
Played readBack(AnimationKind kind, const QString &path, const QSize &size)
{
    Played played;
    if (kind == AnimationKind::PngSequence) {
        for (const QString &name : QDir(path).entryList({QStringLiteral("*.png")}, QDir::Files)) {
            played.pictures << rgb(QImage(QDir(path).filePath(name)));
            played.delaysMs << 1000 / kRate;
        }
    } else if (kind == AnimationKind::Mp4 || kind == AnimationKind::WebM) {
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"), {"-v", "error", "-i", path, "-vsync", "passthrough",
                                                "-f", "rawvideo", "-pix_fmt", "bgra", "-"});
        ffmpeg.waitForFinished(60000);
        const QByteArray raw = ffmpeg.readAllStandardOutput();
        const qsizetype bytes = qsizetype(size.width()) * size.height() * 4;
        for (qsizetype at = 0; bytes > 0 && at + bytes <= raw.size(); at += bytes) {
            const QImage frame(reinterpret_cast<const uchar *>(raw.constData() + at), size.width(),
                               size.height(), QImage::Format_RGB32);
            played.pictures << frame.copy();
            played.delaysMs << 1000 / kRate;
        }
    } else {
        QImageReader reader(path);
        for (QImage picture; reader.read(&picture);) {
            played.pictures << rgb(picture);
            played.delaysMs << reader.nextImageDelay();
        }
    }
    return played;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// quintelo-render in folder, the user's own folders inside it; answers the exit status.
int render(const QStringList &arguments, const QString &folder, QString &errors)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        environment.insert(QString::fromLatin1(name), folder);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(QUINTELO_RENDER), arguments);
    process.waitForFinished(120000);
    errors = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

class TestVideo : public QObject
{
    Q_OBJECT

private slots:
    // Past a size limit a test sets, the system refuses the write instead of ending the test.
    void initTestCase()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        installFontSubstitutes();
    }

    // A turn passes every frame between two stops, in the roll's order either way, holds for
    // its time at each stop and moves at the motor's pace: up to speed, steady, and down again.
    void turnPassesEveryFrameBetween_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("down the roll") << 0 << 4;
        QTest::newRow("back up") << 4 << 1;
    }
    void turnPassesEveryFrameBetween()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        RollTimeline::Options options;
        options.stops = {from, to};
        const RollTimeline timeline(QList<Frame>(6), options);
        const int frames = std::abs(to - from);
        const qreal turnMs = frames * options.passMs;
        QCOMPARE(timeline.durationMs(), 2 * options.holdMs + turnMs);
        QCOMPARE(timeline.positionAt(options.holdMs - 1), qreal(from));
        QCOMPARE(timeline.positionAt(timeline.durationMs() - 1), qreal(to));

        QList<int> seen{from};
        qreal before = from;
        const qreal step = 10;
        for (qreal ms = options.holdMs; ms <= options.holdMs + turnMs; ms += step) {
            const qreal position = timeline.positionAt(ms);
            QVERIFY((position - before) * (to - from) >= 0);
            if (timeline.frameAt(ms) != seen.last())
                seen << timeline.frameAt(ms);
            before = position;
        }
        QList<int> expected;
        for (int frame = from; frame != to; frame += to > from ? 1 : -1)
            expected << frame;
        QCOMPARE(seen, expected << to);

        const auto speed = [&](qreal ms) {
            return std::abs(timeline.positionAt(ms + step) - timeline.positionAt(ms)) / step;
        };
        const qreal cruising = frames / (turnMs - options.rampMs);
        const qreal start = options.holdMs;
        QVERIFY(speed(start) < cruising / 10);
        QVERIFY(speed(start + options.rampMs / 2.0) < cruising * 0.6);
        QVERIFY(std::abs(speed(start + turnMs / 3) - cruising) < cruising * 1e-6);
        QVERIFY(std::abs(speed(start + turnMs / 2) - cruising) < cruising * 1e-6);
        QVERIFY(speed(start + turnMs - step) < cruising / 10);
    }

    // Held pictures are the frames' still pictures; a picture in mid-turn is neither frame, one
    // of a turn past a frame shows it, and pictures handed out for a held frame are never stale.
    void picturesOfTheTimeline()
    {
        const QList<Frame> frames = threeFrames();
        const RollTimeline timeline(frames, shortTurns());
        const qreal scale = 0.5;
        const QImage first = PlatePainter(frames[0]).render(scale);
        const QImage second = PlatePainter(frames[1]).render(scale);
        QCOMPARE(timeline.render(0, scale), first);
        QCOMPARE(timeline.render(1200, scale), second);
        const QImage turning = timeline.render(750, scale);
        QCOMPARE(timeline.shownAt(750).frame, 0);
        QVERIFY(timeline.shownAt(750).moved > 0.3 && timeline.shownAt(750).moved < 0.7);
        QVERIFY(turning != first && turning != second);
        // Half way from the first frame to the third, the roll shows the second in full.
        RollTimeline::Options skipping = shortTurns();
        skipping.stops = {0, 2};
        QCOMPARE(RollTimeline(frames, skipping).render(1000, scale), second);

        TimelinePictures pictures(timeline, 30, scale);
        QCOMPARE(pictures.count(), 75);
        QCOMPARE(pictures.size(), first.size());
        for (int i = 0; i < pictures.count(); ++i)
            QVERIFY2(pictures.picture(i) == timeline.render(pictures.timeMs(i), scale),
                     qPrintable(QString::number(i)));
    }

    // Each frame shows its pages in turn, Chinese and Korean only where it has them; each page
    // is its still picture for its time, at any scale, and the next frame follows at once.
    void ledPagesInTurn()
    {
        QList<Frame> frames(3);
        frames[0].text(SignLine::Main) = QStringLiteral("東京");
        frames[0].translation(PanelLanguage::Chinese, SignLine::Main) = QStringLiteral("东京");
        frames[0].translation(PanelLanguage::Korean, SignLine::Main) = QStringLiteral("도쿄");
        frames[1].text(SignLine::Main) = QStringLiteral("高尾");
        frames[2].text(SignLine::Main) = QStringLiteral("成田空港");
        frames[2].translation(PanelLanguage::Korean, SignLine::Main) = QStringLiteral("나리타");
        const SignLook look = kSidePanel;
        MotionOptions options;
        options.pageMs = 1000;
        const std::unique_ptr<Timeline> timeline = timelineFor(frames, look, options);
        using enum LedPhase;
        const QList<std::pair<int, LedPhase>> pages{{0, Japanese}, {0, English},  {0, Chinese},
                                                    {0, Korean},   {1, Japanese}, {1, English},
                                                    {2, Japanese}, {2, English},  {2, Korean}};
        QCOMPARE(timeline->durationMs(), pages.size() * 1000.0);
        for (qsizetype i = 0; i < pages.size(); ++i) {
            const auto [frame, page] = pages[i];
            const QImage still = PlatePainter(frames[frame], look, page).render(1.5);
            const qreal start = qreal(i) * 1000;
            QCOMPARE(timeline->frameAt(start + 500), frame);
            QCOMPARE(timeline->steadyUntilMs(start), start + 1000);
            QVERIFY2(timeline->render(start, 1.5) == still &&
                         timeline->render(start + 999, 1.5) == still,
                     qPrintable(QString::number(i)));
        }
        // The range of frames, and the plate's own timeline from the same options.
        options.first = options.last = 1;
        QCOMPARE(timelineFor(frames, look, options)->durationMs(), 2000.0);
        QCOMPARE(timelineFor(frames, look, options)->frameAt(0), 1);
        QVERIFY(dynamic_cast<const RollTimeline *>(timelineFor(frames, SignLook(), options).get()));
    }

    // A line too long for its window in any face stands at its start, runs left at its speed,
    // whole dots at a time, and stands at its end; the page lasts as long as that takes. Saved
    // as an MP4 and read back: a picture for each tenth of a second, the run still visible.
    void ledLongLineScrolls()
    {
        Frame frame;
        frame.text(SignLine::Main) = QStringLiteral(
            "新宿三丁目・市ヶ谷・九段下・神保町・小川町・岩本町・馬喰横山方面 本八幡");
        const LedTimeline timeline({frame}, kSidePanel.led, {1000, 40, 0, -1});
        const LedPainter::Line line = LedPainter(frame, kSidePanel.led).lines().constFirst();
        const int length = line.set.rows[0].width() - line.window.width();
        const qreal restMs = LedTimeline::kScrollRestMs;
        const qreal runMs = length * 1000.0 / 40;
        QCOMPARE(timeline.pageLengthMs(0), runMs + 2 * restMs);
        // The dots run by a time: whole ones at 40 a second, after the first rest.
        const auto run = [&](qreal ms) {
            return std::clamp(int(std::floor((ms - restMs) * 40 / 1000 + 1e-6)), 0, length);
        };
        TimelinePictures pictures(timeline, kRate, 1);
        QList<QImage> windows;
        for (int k = 0; pictures.timeMs(k) < timeline.pageLengthMs(0); ++k)
            windows << windowOf(pictures.picture(k), line);
        for (int k = 0; k + 1 < int(windows.size()); ++k) {
            const int shift = (run(pictures.timeMs(k + 1)) - run(pictures.timeMs(k))) * kPitch;
            const QRect kept(0, 0, windows[k].width() - shift, windows[k].height());
            QVERIFY2(windows[k + 1].copy(kept) == windows[k].copy(kept.translated(shift, 0)) &&
                         (shift == 0) == (windows[k + 1] == windows[k]),
                     qPrintable(QString::number(k)));
        }
        // At the end the window shows the line's last dots.
        const QImage &row = line.set.rows[0].dots;
        for (int x = 0; x < line.window.width(); ++x)
            for (int y = 0; y < row.height(); ++y)
                QCOMPARE(qRed(windows.last().pixel(x * kPitch + 3, y * kPitch + 3)) > 0x30,
                         row.constScanLine(y)[length + x] != 0);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("led.mp4"));
        const FileFailure outcome = createAnimationWriter(AnimationKind::Mp4, path)
                                        ->write(pictures.size(), kRate, pictures.count(),
                                                [&](int i) { return pictures.picture(i); });
        QVERIFY2(outcome.ok(), qPrintable(FailureMessage::line(outcome, FileSubject::Video)));
        const Played played =
            readBack(AnimationKind::Mp4, path,
                     VideoWriter(path, VideoWriter::Container::Mp4).videoSize(pictures.size()));
        QCOMPARE(played.pictures.size(), int(std::lround(timeline.durationMs() * kRate / 1000)));
        // Dots six pixels across lose some colour at their edges to video's colour at half the
        // resolution (their brightness alone keeps over 40 dB).
        QVERIFY(psnr(played.pictures[0].copy(QRect(QPoint(), pictures.size())),
                     timeline.render(0, 1)) >= 28);
        const int k = int((restMs + runMs / 2) * kRate / 1000);
        const int shift = 40 / kRate * kPitch;
        const QImage before = windowOf(played.pictures[k], line);
        const QImage after = windowOf(played.pictures[k + 1], line);
        const QRect kept(0, 0, before.width() - shift, before.height());
        QVERIFY(psnr(after.copy(kept), before.copy(kept.translated(shift, 0))) >= 30);
        QVERIFY(psnr(after, before) < 20);
    }

    void kindFromName()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("frames.mp4")));
        const auto kind = [&](const QString &name) {
            return animationKindFor(QDir(dir.path()).filePath(name));
        };
        QCOMPARE(kind(QStringLiteral("a.MP4")), AnimationKind::Mp4);
        QCOMPARE(kind(QStringLiteral("a.webm")), AnimationKind::WebM);
        QCOMPARE(kind(QStringLiteral("a.WebP")), AnimationKind::WebP);
        QCOMPARE(kind(QStringLiteral("a.gif")), AnimationKind::Gif);
        QCOMPARE(kind(QStringLiteral("frames.mp4")), AnimationKind::PngSequence);
        for (const char *name : {"a.avi", "gif", "missing/"})
            QVERIFY2(!kind(QString::fromLatin1(name)), name);
    }

    // Every kind, saved over an old file and read back: as many pictures as the duration times
    // the rate, the first the frame's still picture, one in mid-turn unlike the frames beside
    // it.
    void savedAnimationsReadBack_data()
    {
        QTest::addColumn<AnimationKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("everyPicture"); // false: a held frame may be one long picture
        QTest::addColumn<double>("leastPsnr");
        QTest::newRow("mp4") << AnimationKind::Mp4 << "roll.mp4" << true << 35.0;
        QTest::newRow("webm") << AnimationKind::WebM << "roll.webm" << true << 35.0;
        QTest::newRow("webp") << AnimationKind::WebP << "roll.webp" << false << double(INFINITY);
        QTest::newRow("gif") << AnimationKind::Gif << "roll.gif" << false << 35.0;
        QTest::newRow("png") << AnimationKind::PngSequence << "frames" << true << double(INFINITY);
    }
    void savedAnimationsReadBack()
    {
        QFETCH(AnimationKind, kind);
        QFETCH(QString, name);
        QFETCH(bool, everyPicture);
        QFETCH(double, leastPsnr);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (kind == AnimationKind::PngSequence) {
            QVERIFY(QDir(dir.path()).mkdir(name));
            // A longer sequence saved earlier, and a file of the user's own.
            for (const char *old : {"00024.png", "00025.png", "00026.png", "notes.txt"})
                QVERIFY(QFile(QDir(path).filePath(QString::fromLatin1(old)))
                            .open(QIODevice::WriteOnly));
        } else {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        }
        QCOMPARE(animationKindFor(path), kind);

        const QList<Frame> frames = threeFrames();
        const RollTimeline timeline(frames, shortTurns());
        TimelinePictures pictures(timeline, kRate, kScale);
        const std::unique_ptr<AnimationWriter> writer = createAnimationWriter(kind, path);
        const FileFailure outcome = writer->write(pictures.size(), kRate, pictures.count(),
                                                  [&](int i) { return pictures.picture(i); });
        QVERIFY2(outcome.ok(), qPrintable(FailureMessage::line(outcome, FileSubject::Video)));

        QSize stored = pictures.size();
        if (kind == AnimationKind::Mp4)
            stored = VideoWriter(path, VideoWriter::Container::Mp4).videoSize(stored);
        const Played played = readBack(kind, path, stored);
        QCOMPARE(played.durationMs(), int(timeline.durationMs()));
        if (everyPicture)
            QCOMPARE(played.pictures.size(), int(timeline.durationMs()) * kRate / 1000);
        const auto shown = [&](int ms) {
            return played.at(ms).copy(QRect(QPoint(), pictures.size()));
        };
        QVERIFY(psnr(shown(0), PlatePainter(frames[0]).render(kScale)) >= leastPsnr);
        QVERIFY(psnr(shown(1200), PlatePainter(frames[1]).render(kScale)) >= leastPsnr);
        QVERIFY(psnr(shown(800), shown(0)) < 25);
        QVERIFY(psnr(shown(800), shown(1200)) < 25);

        if (kind == AnimationKind::Mp4)
            QVERIFY(bytesOf(path).indexOf("moov") < bytesOf(path).indexOf("mdat"));
        QStringList expected{name};
        if (kind == AnimationKind::PngSequence) {
            QCOMPARE(entries(path).size(), pictures.count() + 1);
            QVERIFY(!QFile::exists(QDir(path).filePath(PngSequenceWriter::pictureName(25))));
            QVERIFY(QFile::exists(QDir(path).filePath(QStringLiteral("notes.txt"))));
        }
        QCOMPARE(entries(dir.path()), expected);
    }

    // Whatever the name or the numbers ask that cannot be done is refused before a byte is
    // written, the reason told apart.
    void refusedBeforeWriting_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("fps");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QByteArray>("encoder");
        QTest::addColumn<FileFailure::Kind>("failure");
        const QSize plate(241, 81);
        using enum FileFailure::Kind;
        QTest::newRow("no rate") << "a.mp4" << 0 << plate << QByteArray() << RateOutOfRange;
        QTest::newRow("rate too high") << "a.gif" << 121 << plate << QByteArray() << RateOutOfRange;
        QTest::newRow("png rate") << "." << 500 << plate << QByteArray() << RateOutOfRange;
        QTest::newRow("h264 too wide")
            << "a.mp4" << 30 << QSize(8193, 81) << QByteArray() << TooLarge;
        QTest::newRow("h264 too many pixels")
            << "a.mp4" << 30 << QSize(8192, 4400) << QByteArray() << TooLarge;
        QTest::newRow("webp too wide")
            << "a.webp" << 30 << QSize(16384, 81) << QByteArray() << TooLarge;
        QTest::newRow("no such encoder")
            << "a.mp4" << 30 << plate << QByteArray("libnosuch") << EncoderMissing;
        QTest::newRow("fifo") << "fifo.webm" << 30 << plate << QByteArray() << SpecialFile;
        QTest::newRow("device") << "null.gif" << 30 << plate << QByteArray() << SpecialFile;
        QTest::newRow("no folder") << "none/a.webp" << 30 << plate << QByteArray() << FolderMissing;
    }
    void refusedBeforeWriting()
    {
        QFETCH(QString, name);
        QFETCH(int, fps);
        QFETCH(QSize, size);
        QFETCH(QByteArray, encoder);
        QFETCH(FileFailure::Kind, failure);
        QTemporaryDir dir;
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo.webm")).constData(), 0644) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), dir.filePath("null.gif")));
        const QStringList before = entries(dir.path());
        const QString path = dir.filePath(name);
        const std::optional<AnimationKind> kind = animationKindFor(path);
        QVERIFY(kind);
        const std::unique_ptr<AnimationWriter> writer =
            encoder.isEmpty() ? createAnimationWriter(*kind, path)
                              : std::unique_ptr<AnimationWriter>(std::make_unique<VideoWriter>(
                                    path, VideoWriter::Container::Mp4, encoder));
        const FileFailure outcome = writer->open(size, fps);
        QCOMPARE(outcome.kind, failure);
        QCOMPARE(outcome.path, path);
        // Both programs tell these apart from a write that went wrong: the renderer by exit 2.
        QVERIFY(outcome.refusedBeforeWriting());
        QCOMPARE(entries(dir.path()), before);
    }

    // Without its video module a program names the encoder that is missing and writes nothing
    // (every video above went through the module beside the test).
    void missingVideoModuleRefuses()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.webm"));
        const std::unique_ptr<AnimationWriter> writer =
            VideoModule::writer(path, VideoWriter::Container::WebM, {dir.path()});
        const FileFailure outcome = writer->open(QSize(241, 81), 30);
        QCOMPARE(outcome.kind, FileFailure::Kind::EncoderMissing);
        QCOMPARE(outcome.encoder, QStringLiteral("FFmpeg"));
        QCOMPARE(outcome.path, path);
        QVERIFY(outcome.refusedBeforeWriting());
        QVERIFY(!writer->finish().ok());
        QCOMPARE(entries(dir.path()), QStringList());
    }

    // quintelo-render --video: the options reach the file. Frames 2 and 3 as an MP4, read back:
    // the duration times the rate in pictures, the first the still picture of frame 2, one in
    // mid-turn unlike both its neighbours. The panel's pages as a PNG sequence into a folder:
    // the timeline picture for picture.
    void videoFromTheCommandLine()
    {
        QTemporaryDir dir;
        const QList<Frame> frames = threeFrames();
        QVERIFY(RollFile::save(frames, dir.filePath(QStringLiteral("roll.quintelo"))).ok());
        QString errors;
        QCOMPARE(render({"roll.quintelo", "--video", "roll.mp4", "--fps", "10", "--hold", "0.5",
                         "--turn", "1", "--first", "2", "--last", "3", "--height", "162"},
                        dir.path(), errors),
                 0);
        QCOMPARE(errors, QString());
        const QImage second = PlatePainter(frames[1]).render(2);
        const Played played =
            readBack(AnimationKind::Mp4, dir.filePath(QStringLiteral("roll.mp4")), second.size());
        QCOMPARE(played.pictures.size(), 20);
        QVERIFY(psnr(played.pictures[0], second) >= 35);
        QVERIFY(psnr(played.pictures[19], PlatePainter(frames[2]).render(2)) >= 35);
        QVERIFY(psnr(played.pictures[10], played.pictures[9]) < 30);
        QVERIFY(psnr(played.pictures[10], played.pictures[11]) < 30);

        const SignLook led{LookKind::Led, LedSettings()};
        QVERIFY(RollFile::save(frames, dir.filePath(QStringLiteral("led.quintelo")), led).ok());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("led")));
        QVERIFY2(render({"led.quintelo", "--video", "led", "--fps", "4", "--page", "0.5",
                         "--scroll", "20"},
                        dir.path(), errors) == 0,
                 qPrintable(errors));
        MotionOptions motion;
        motion.pageMs = 500;
        motion.scrollDotsPerSecond = 20;
        const std::unique_ptr<Timeline> timeline = timelineFor(frames, led, motion);
        TimelinePictures pictures(*timeline, 4, 1);
        const QString folder = dir.filePath(QStringLiteral("led"));
        QCOMPARE(entries(folder).size(), pictures.count());
        for (int i = 0; i < pictures.count(); ++i)
            QVERIFY2(rgb(QImage(QDir(folder).filePath(PngSequenceWriter::pictureName(i)))) ==
                         rgb(pictures.picture(i)),
                     qPrintable(QString::number(i)));
    }

    // What the command line asks that cannot be done: one line naming the cause, exit 2, and
    // nothing written.
    void commandLineRefusesBeforeWriting_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        QTest::newRow("unknown kind")
            << QStringList{"roll.quintelo", "--video", "x.avi"} << ".mp4、.webm、.webp、.gif";
        QTest::newRow("no rate") << QStringList{"roll.quintelo", "--video", "x.mp4", "--fps", "0"}
                                 << "1 から 120";
        QTest::newRow("rate too high")
            << QStringList{"roll.quintelo", "--video", "x.webm", "--fps", "121"} << "1 から 120";
        QTest::newRow("h264 too wide")
            << QStringList{"big.quintelo", "--video", "x.mp4", "--scale", "3"} << "8192 ピクセル";
        QTest::newRow("frames beyond the roll")
            << QStringList{"roll.quintelo", "--video", "x.gif", "--first", "4"}
            << "コマは 3 コマしかないため、4 コマ目は選べません";
        QTest::newRow("range inside out")
            << QStringList{"roll.quintelo", "--video", "x.gif", "--first", "3", "--last", "2"}
            << "最初のコマ（3 コマ目）が最後のコマ（2 コマ目）より後ろ";
        QTest::newRow("no folder")
            << QStringList{"roll.quintelo", "--video", "none/x.webp"} << "フォルダがありません";
        QTest::newRow("rate without a video")
            << QStringList{"roll.quintelo", "-o", "x.png", "--fps", "10"} << "--video と一緒";
    }
    void commandLineRefusesBeforeWriting()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QList<Frame> frames = threeFrames();
        QVERIFY(RollFile::save(frames, dir.filePath(QStringLiteral("roll.quintelo"))).ok());
        // The largest dots: at 3× the side panel is wider than H.264 takes.
        SignLook big{LookKind::Led, LedSettings()};
        big.led.dotSize = LedSettings::kMaxDotSize;
        big.led.gap = LedSettings::kMaxGap;
        QVERIFY(timelineFor(frames, big, {})->size(3).width() > VideoWriter::kMaxH264Side);
        QVERIFY(RollFile::save(frames, dir.filePath(QStringLiteral("big.quintelo")), big).ok());
        const QStringList before = entries(dir.path());
        QString errors;
        QCOMPARE(render(arguments, dir.path(), errors), 2);
        QVERIFY2(errors.startsWith(QStringLiteral("quintelo-render: ")) && errors.contains(said) &&
                     errors.count(u'\n') == 1,
                 qPrintable(errors));
        QCOMPARE(entries(dir.path()), before);
    }

    // Cancelled part-way, or stopped by a full disk, a save leaves the old file as it was and
    // nothing beside it.
    void stoppedSaveLeavesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("diskFull");
        for (const char *name : {"a.mp4", "a.webm", "a.webp", "a.gif", "frames"}) {
            QTest::addRow("%s cancelled", name) << QString::fromLatin1(name) << false;
            QTest::addRow("%s disk full", name) << QString::fromLatin1(name) << true;
        }
    }
    void stoppedSaveLeavesNothing()
    {
        QFETCH(QString, name);
        QFETCH(bool, diskFull);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        const bool folder = !name.contains(u'.');
        const QString oldFile = folder ? QDir(path).filePath(QStringLiteral("00000.png")) : path;
        QVERIFY(!folder || QDir(dir.path()).mkdir(name));
        QFile old(oldFile);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();

        const RollTimeline timeline(threeFrames(), shortTurns());
        TimelinePictures pictures(timeline, kRate, 1);
        const std::unique_ptr<AnimationWriter> writer =
            createAnimationWriter(*animationKindFor(path), path);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit before = limit;
        limit.rlim_cur = 1000;
        if (diskFull)
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
        const FileFailure outcome = writer->write(
            pictures.size(), kRate, pictures.count(), [&](int i) { return pictures.picture(i); },
            [&](int written) { return diskFull || written < 12; });
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &before) == 0);

        // The system's own reason, not Qt's "Unknown error" for a write cut short.
        QCOMPARE(outcome.kind,
                 diskFull ? FileFailure::Kind::WriteFailed : FileFailure::Kind::Cancelled);
        QCOMPARE(outcome.systemError, diskFull ? EFBIG : 0);
        QCOMPARE(outcome.path, path);
        QCOMPARE(entries(dir.path()), QStringList{name});
        QCOMPARE(bytesOf(oldFile), QByteArray("old"));
        if (folder)
            QCOMPARE(entries(path), QStringList{QStringLiteral("00000.png")});
    }
};

QTEST_MAIN(TestVideo)
#include "tst_video.moc"
