#include "codec/AnimationKind.h"
#include "codec/AnimationWriter.h"
#include "messages/FailureMessage.h"
#include "render/LedTimeline.h"
#include "render/RollTimeline.h"
#include "render/TimelinePictures.h"
#include "sign/SignFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr int kRate = 30;
constexpr int kHeight = 540;

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A commuter line's roll: sixteen frames of long names in both layouts and several colours.
QList<Frame> commuterRoll()
{
    struct Name
    {
        const char16_t *main;
        const char16_t *english;
        const char16_t *destination;
        const char16_t *destinationEnglish;
        QRgb colour;
    };
    const std::array names{
        Name{u"各駅停車", u"Local", u"高尾", u"Takao", 0xFFFFFF},
        Name{u"快速", u"Rapid", u"八王子・高尾", u"Hachiōji / Takao", 0xFF7F27},
        Name{u"通勤快速", u"Commuter Rapid", u"大月", u"Ōtsuki", 0x0085CE},
        Name{u"特別快速", u"Special Rapid", u"河口湖", u"Kawaguchiko", 0xE60012},
        Name{u"中央特快", u"Chūō Special Rapid", u"青梅", u"Ōme", 0x00A040},
        Name{u"回送", u"Not in Service", u"", u"", 0xFFFFFF},
        Name{u"試運転", u"Test Run", u"", u"", 0xFED304},
        Name{u"臨時", u"Extra", u"東京", u"Tokyo", 0xFFFFFF},
    };
    QList<Frame> frames;
    for (int i = 0; i < 16; ++i) {
        const Name &name = names[std::size_t(i) % names.size()];
        Frame frame;
        if (i % 2 == 1 && name.destination[0] != 0) {
            frame.layout = SignLayout::TypeAndDestination;
            frame.text(SignLine::Destination) = QString::fromUtf16(name.destination);
            frame.text(SignLine::DestinationSmall) = QString::fromUtf16(name.destinationEnglish);
            frame.typePlate = QColor::fromRgb(name.colour);
        }
        frame.text(SignLine::Main) = QString::fromUtf16(name.main);
        frame.text(SignLine::English) = QString::fromUtf16(name.english);
        // The type plate carries white type; a sign name its colour, above a band of it.
        const QColor colour = QColor::fromRgb(name.colour);
        frame.mainColour = frame.layout == SignLayout::SignName ? colour : QColor(Qt::white);
        frame.englishBand = frame.signNameBand = colour;
        frame.englishColour = colour.lightness() > 200 ? QColor(Qt::black) : QColor(Qt::white);
        frames << frame;
    }
    return frames;
}

// The same roll for the LED look: the first frame's destination too long for the side panel,
// running through its window on the Japanese page, and Chinese and Korean pages after the
// English on every frame that has a destination.
QList<Frame> ledRoll()
{
    QList<Frame> frames = commuterRoll();
    frames.move(1, 0);
    frames[0].text(SignLine::Destination) = QStringLiteral("新宿三丁目・市ヶ谷・九段下方面 本八幡");
    for (Frame &frame : frames) {
        if (frame.layout != SignLayout::TypeAndDestination)
            continue;
        frame.translation(PanelLanguage::Chinese, SignLine::Destination) = QStringLiteral("高尾");
        frame.translation(PanelLanguage::Korean, SignLine::Destination) = QStringLiteral("다카오");
    }
    return frames;
}

// The bytes written under path: the file's, or a folder's files'.
qint64 bytesUnder(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isDir())
        return info.size();
    qint64 bytes = 0;
    for (const QFileInfo &file : QDir(path).entryInfoList(QDir::Files))
        bytes += file.size();
    return bytes;
}

// One run in this process: the roll stopping at every other frame, each turn passing the frame
// between, for seconds, at 540 pixels high, as the kind extension names ("png": a PNG sequence
// in a folder of its own; "led.mp4": the roll in the LED look as an MP4, its first seconds).
// Prints wall time, the part spent drawing, peak memory and the bytes written on one line for
// the parent to read.
int run(int seconds, const QString &folder, const QString &extension)
{
    RollTimeline::Options options;
    // A stop of 2 s and a turn of two frames (2 s) for every 4 s; the first stop has no turn.
    for (int stop = 0; stop <= (seconds - 2) / 4; ++stop)
        options.stops << 2 * stop;
    const bool led = extension == u"led.mp4";
    const std::unique_ptr<Timeline> timeline =
        led ? std::unique_ptr<Timeline>(
                  std::make_unique<LedTimeline>(ledRoll(), LedSettings(), LedTimeline::Options()))
            : std::make_unique<RollTimeline>(commuterRoll(), options);
    TimelinePictures pictures(*timeline, kRate, qreal(kHeight) / timeline->size(1).height());
    const int count = std::min(pictures.count(), seconds * kRate);
    QString path = QDir(folder).filePath(QStringLiteral("roll-%1s.%2").arg(seconds).arg(extension));
    if (extension == u"png" && !QDir(folder).mkpath(path))
        return 1;
    const std::unique_ptr<AnimationWriter> writer =
        createAnimationWriter(*animationKindFor(path), path);
    const long before = peakResidentKiB();
    qint64 drawingNs = 0;
    QElapsedTimer wall;
    wall.start();
    const FileFailure outcome = writer->write(pictures.size(), kRate, count, [&](int index) {
        QElapsedTimer drawing;
        drawing.start();
        QImage picture = pictures.picture(index);
        drawingNs += drawing.nsecsElapsed();
        return picture;
    });
    const double wallS = double(wall.nsecsElapsed()) / 1e9;
    if (!outcome.ok()) {
        std::fprintf(stderr, "video_bench: %s\n",
                     qPrintable(FailureMessage::line(outcome, FileSubject::Video)));
        return 1;
    }
    std::printf("%d %d %d %d %.3f %.3f %ld %ld %lld\n", seconds, count, pictures.size().width(),
                pictures.size().height(), wallS, double(drawingNs) / 1e9, before, peakResidentKiB(),
                bytesUnder(path));
    return 0;
}

} // namespace

// A roll as a 30 fps MP4 at 540 pixels high, drawn and encoded: 10 s and 30 s, each in a
// process of its own so that each peak memory is its own. Targets: 10 s of video in at most
// 10 s on two cores, at most 300 MB, and memory that does not grow with the length. The other
// kinds follow, 10 s each, for comparison, and the roll in the LED look, a long line running.
// video_bench [--keep FOLDER] keeps the files; video_bench --run SECONDS FOLDER EXTENSION is
// one run.
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 5 && arguments[1] == u"--run") {
        installFontSubstitutes();
        return run(arguments[2].toInt(), arguments[3], arguments[4]);
    }
    QTemporaryDir scratch;
    const QString folder =
        arguments.size() == 3 && arguments[1] == u"--keep" ? arguments[2] : scratch.path();
    bool met = true;
    double shortPeakMiB = 0;
    const std::array<std::pair<int, const char *>, 7> runs{{{10, "mp4"},
                                                            {30, "mp4"},
                                                            {10, "webm"},
                                                            {10, "webp"},
                                                            {10, "gif"},
                                                            {10, "png"},
                                                            {10, "led.mp4"}}};
    for (const auto &[seconds, extension] : runs) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--run"), QString::number(seconds), folder,
                     QString::fromLatin1(extension)});
        if (!child.waitForFinished(600000) || child.exitCode() != 0)
            return 1;
        const QStringList f = QString::fromLatin1(child.readAllStandardOutput()).split(u' ');
        const double wallS = f[4].toDouble();
        const double beforeMiB = f[6].toDouble() / 1024;
        const double peakMiB = f[7].toDouble() / 1024;
        std::printf("%-4s %2d s at %d fps (%s pictures, %s x %s): %6.2f s (%.2f s drawing), "
                    "%4.1f x real time; peak memory %3.0f MiB (%.0f MiB before); %5.1f MB\n",
                    extension, seconds, kRate, qPrintable(f[1]), qPrintable(f[2]), qPrintable(f[3]),
                    wallS, f[5].toDouble(), seconds / wallS, peakMiB, beforeMiB,
                    f[8].toDouble() / 1e6);
        if (qstrcmp(extension, "mp4") != 0)
            continue;
        if (seconds == 10) {
            met = met && wallS <= 10;
            shortPeakMiB = peakMiB;
        }
        met = met && peakMiB <= 300;
        if (seconds == 30)
            std::printf("MP4 peak memory, 30 s against 10 s: %+.1f MiB; targets (10 s in <= 10 s, "
                        "<= 300 MB): %s\n",
                        peakMiB - shortPeakMiB, met ? "met" : "NOT met");
    }
    return 0;
}
