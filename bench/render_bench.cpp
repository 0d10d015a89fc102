#include "bench/MedianTime.h"
#include "codec/QtImageWriter.h"
#include "export/ExportManager.h"
#include "render/PlatePainter.h"
#include "sign/PlateGeometry.h"
#include "sign/SignFonts.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QStringList kStations{QStringLiteral("東京"), QStringLiteral("新宿"),
                            QStringLiteral("渋谷"), QStringLiteral("池袋"),
                            QStringLiteral("上野"), QStringLiteral("品川"),
                            QStringLiteral("横浜"), QStringLiteral("大宮"),
                            QStringLiteral("高尾"), QStringLiteral("東京テレポート")};
const QStringList kEnglish{QStringLiteral("Tokyo"),    QStringLiteral("Shinjuku"),
                           QStringLiteral("Shibuya"),  QStringLiteral("Ikebukuro"),
                           QStringLiteral("Ueno"),     QStringLiteral("Shinagawa"),
                           QStringLiteral("Yokohama"), QStringLiteral("Omiya"),
                           QStringLiteral("Takao"),    QStringLiteral("Tokyo Teleport")};
const QStringList kBands{QStringLiteral("#0085CE"), QStringLiteral("#7BAB4F"),
                         QStringLiteral("#F15921")};

struct Row
{
    QString sign, english, band;
};

Row row(int i)
{
    return {kStations.at(i % kStations.size()) + QString::number(i / kStations.size() % 10),
            kEnglish.at(i % kEnglish.size()), kBands.at(i % kBands.size())};
}

long childrenPeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

double seconds(const QString &program, const QStringList &arguments)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        std::exit(1);
    }
    return double(timer.nsecsElapsed()) / 1e9;
}

// The text's box on the plate as ImageMagick places it: an offset from the plate's centre.
QString annotate(const QRect &box)
{
    const QPoint offset = box.center() - QRect(QPoint(), plateSize()).center();
    return QStringLiteral("%1%2%3%4")
        .arg(offset.x() < 0 ? "" : "+")
        .arg(offset.x())
        .arg(offset.y() < 0 ? "" : "+")
        .arg(offset.y());
}

QString fontFile(const QString &pattern)
{
    QProcess match;
    match.start(QStringLiteral("fc-match"),
                {QStringLiteral("-f"), QStringLiteral("%{file}"), pattern});
    match.waitForFinished();
    return QString::fromUtf8(match.readAllStandardOutput());
}

} // namespace

// quintelo-render against what a user would otherwise script: a 1,000-row table rendered to
// PNG files in one run (median of 3, and the run's peak memory) and on one thread against two
// (medians of 5), and ImageMagick's convert run
// once a row drawing the same plate, texts and fonts (a 50-row sample); and one plate at 8×,
// drawn and saved as PNG (median of 20). render_bench [ROWS] [SAMPLE]
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutes();
    const QStringList arguments = QCoreApplication::arguments();
    const int rows = arguments.size() > 1 ? arguments.at(1).toInt() : 1000;
    const int sample = arguments.size() > 2 ? arguments.at(2).toInt() : 50;

    QTemporaryDir dir;
    QFile csv(dir.filePath(QStringLiteral("stations.csv")));
    if (!csv.open(QIODevice::WriteOnly))
        return 1;
    csv.write("sign,sign_en,band_colour\n");
    for (int i = 0; i < rows; ++i) {
        const Row r = row(i);
        csv.write(QStringLiteral("%1,%2,%3\n").arg(r.sign, r.english, r.band).toUtf8());
    }
    csv.close();

    std::vector<double> runs;
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    for (int run = 0; run < 3; ++run) {
        const QString out = dir.filePath(QStringLiteral("out%1").arg(run));
        runs.push_back(seconds(QStringLiteral(QUINTELO_RENDER),
                               {csv.fileName(), QStringLiteral("--each"), QStringLiteral("-o"), out,
                                QStringLiteral("--quiet")}));
        if (QDir(out).entryList(QDir::Files).size() != rows) {
            std::fprintf(stderr, "quintelo-render wrote %lld files\n",
                         qlonglong(QDir(out).entryList(QDir::Files).size()));
            return 1;
        }
    }
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);

    // The same run on one thread and on two, in turn, so that the machine's load falls on both
    // alike: how much of a run the threads share out, the rest being the run's start and end.
    std::vector<double> oneThread, twoThreads;
    for (int run = 0; run < 5; ++run) {
        for (const int threads : {1, 2}) {
            const QString out = dir.filePath(QStringLiteral("threads%1-%2").arg(threads).arg(run));
            (threads == 1 ? oneThread : twoThreads)
                .push_back(seconds(QStringLiteral(QUINTELO_RENDER),
                                   {csv.fileName(), QStringLiteral("--each"), QStringLiteral("-j"),
                                    QString::number(threads), QStringLiteral("-o"), out,
                                    QStringLiteral("--quiet")}));
            QDir(out).removeRecursively();
        }
    }
    std::sort(oneThread.begin(), oneThread.end());
    std::sort(twoThreads.begin(), twoThreads.end());
    const double serial = oneThread[oneThread.size() / 2];
    const double parallel = twoThreads[twoThreads.size() / 2];
    const auto cpuSeconds = [](const rusage &usage) {
        return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
               double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    };
    // Processor time a run takes, which other work on the machine barely changes.
    const double cpuPerRun = (cpuSeconds(after) - cpuSeconds(before)) / 3;
    const long peakKiB = childrenPeakKiB();
    std::sort(runs.begin(), runs.end());
    const double ours = runs[1];

    // The same plate by hand: the black plate, the English band, the sign name and its English
    // line centred in their boxes, in the sign's fonts at 96 dots to the inch.
    const Frame plain;
    const QRect mainBox = lineRect(SignLayout::SignName, SignLine::Main);
    const QRect bandBox = lineRect(SignLayout::SignName, SignLine::English);
    const QString signFont =
        fontFile(lineFont(plain, SignLine::Main).family() + QStringLiteral(":bold"));
    const QString englishFont = fontFile(lineFont(plain, SignLine::English).family());
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < sample; ++i) {
        const Row r = row(i);
        seconds(QStringLiteral("convert"),
                {QStringLiteral("-size"),
                 QStringLiteral("241x81"),
                 QStringLiteral("xc:black"),
                 QStringLiteral("-density"),
                 QStringLiteral("96"),
                 QStringLiteral("-fill"),
                 r.band,
                 QStringLiteral("-draw"),
                 QStringLiteral("rectangle %1,%2 %3,%4")
                     .arg(bandBox.left())
                     .arg(bandBox.top())
                     .arg(bandBox.right())
                     .arg(bandBox.bottom()),
                 QStringLiteral("-gravity"),
                 QStringLiteral("center"),
                 QStringLiteral("-fill"),
                 QStringLiteral("white"),
                 QStringLiteral("-font"),
                 signFont,
                 QStringLiteral("-pointsize"),
                 QString::number(lineFont(plain, SignLine::Main).pointSizeF()),
                 QStringLiteral("-annotate"),
                 annotate(mainBox),
                 r.sign,
                 QStringLiteral("-font"),
                 englishFont,
                 QStringLiteral("-pointsize"),
                 QString::number(lineFont(plain, SignLine::English).pointSizeF()),
                 QStringLiteral("-annotate"),
                 annotate(bandBox),
                 r.english,
                 dir.filePath(QStringLiteral("magick%1.png").arg(i))});
    }
    const double magickPerPlate = double(timer.nsecsElapsed()) / 1e9 / sample;

    Frame big;
    big.text(SignLine::Main) = QStringLiteral("東京テレポート");
    big.text(SignLine::English) = QStringLiteral("Tokyo Teleport");
    QtImageWriter writer;
    const QString bigFile = dir.filePath(QStringLiteral("big.png"));
    const double eightDraw = medianMs([&] { PlatePainter(big).render(8); });
    const double eightEncode = medianMs([&] {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        (void)writer.write(PlatePainter(big).render(8), png, "png");
    });
    const double eightSave = medianMs([&] {
        ExportManager(writer).saveFrame(big, QRect(QPoint(), PlatePainter(big).size()), 8, bigFile);
    });

    const double perPlate = ours / rows;
    std::printf("quintelo-render, %d rows to PNG: %.2f s, %.0f plates/s (target >= 2000)\n", rows,
                ours, rows / ours);
    std::printf("  -j1 %.3f s, -j2 %.3f s: %.2fx as fast on two threads (target >= 1.7x)\n", serial,
                parallel, serial / parallel);
    std::printf("  processor time: %.2f s a run, %.3f ms a plate: %.0f plates/s on 2 idle cores\n",
                cpuPerRun, cpuPerRun / rows * 1e3, 2 * rows / cpuPerRun);
    std::printf("ImageMagick convert, once a row (%d rows): %.1f ms a plate\n", sample,
                magickPerPlate * 1e3);
    std::printf("per plate: %.3f ms against %.1f ms, %.0fx faster (target >= 50x)\n",
                perPlate * 1e3, magickPerPlate * 1e3, magickPerPlate / perPlate);
    std::printf("8x plate (1928 x 648): drawn %.1f ms, drawn and encoded as PNG %.1f ms, drawn "
                "and saved to a file %.1f ms (target <= 30 ms)\n",
                eightDraw, eightEncode, eightSave);
    std::printf("peak resident memory of the %d-row run: %.1f MiB (target <= 100 MB)\n", rows,
                double(peakKiB) / 1024);
    return 0;
}
