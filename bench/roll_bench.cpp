#include "bench/MedianTime.h"
#include "codec/QtImageWriter.h"
#include "export/ExportManager.h"
#include "io/AutosaveStore.h"
#include "io/Autosaver.h"
#include "io/RollFile.h"
#include "platform/QtClock.h"
#include "sign/SignDocument.h"
#include "ui/RollPanel.h"
#include "ui/RollPlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QList<Frame> rollOf(int count)
{
    QList<Frame> frames;
    for (int i = 0; i < count; ++i) {
        Frame frame;
        frame.text(SignLine::Main) = QStringLiteral("快速 東京行 %1").arg(i);
        frame.text(SignLine::English) = QStringLiteral("Rapid for Tokyo %1").arg(i);
        frame.englishBand = frame.signNameBand = QColor::fromHsv(i * 37 % 360, 255, 200);
        frames.append(frame);
    }
    return frames;
}

// One key press as the window handles it: the document takes the line's new text.
double keyPressMs(SignDocument &document)
{
    int key = 0;
    return medianMs(
        [&] { document.editText(SignLine::Main, QStringLiteral("東京%1").arg(++key)); });
}

// The roll panel scrolled from top to bottom a few rows at a time, each step painted at once:
// the slowest and the median repaint.
void panelScroll(const QList<Frame> &frames)
{
    SignDocument document;
    document.replaceFrames(frames, {});
    RollPanel panel(document, {});
    panel.resize(300, 600);
    panel.show();
    QElapsedTimer waited;
    waited.start();
    while (!(panel.windowHandle() && panel.windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QListView *list = panel.list();
    QScrollBar *bar = list->verticalScrollBar();
    std::vector<qint64> ns;
    for (int value = 0; value <= bar->maximum(); value += 97) {
        bar->setValue(value);
        QElapsedTimer timer;
        timer.start();
        list->viewport()->repaint();
        ns.push_back(timer.nsecsElapsed());
    }
    std::sort(ns.begin(), ns.end());
    std::printf("500-frame roll panel, %zu scroll steps: repaint median %.2f ms, slowest %.2f ms "
                "(target <= 16 ms)\n",
                ns.size(), double(ns[ns.size() / 2]) / 1e6, double(ns.back()) / 1e6);
}

// The roll played on screen (コマ → 再生) at real time for seconds, in the plate's place: how
// many pictures were painted more than a screen refresh (1/60 s) after their time, and the
// latest. A picture's time is when the one before stops holding, or while the roll turns each
// refresh.
void playback(const QList<Frame> &frames, const SignLook &look, const char *what, int seconds)
{
    SignDocument document;
    document.replaceFrames(frames, {}, look);
    QWidget plate;
    plate.setFixedSize(241, 81);
    plate.show();
    QtClock clock;
    RollPlayer player(document, clock, &plate);
    std::vector<double> late;
    QObject::connect(&player, &RollPlayer::pictureShown,
                     [&late](qreal dueMs, qreal shownMs) { late.push_back(shownMs - dueMs); });
    player.play();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    player.stop();
    std::sort(late.begin(), late.end());
    const auto tooLate = std::count_if(late.begin(), late.end(),
                                       [](double ms) { return ms > RollPlayer::kRefreshMs; });
    std::printf("%s played %d s: %zu pictures, %td more than 1/60 s after their time (target: "
                "none); median %.2f ms, latest %.2f ms after\n",
                what, seconds, late.size(), tooLate, late.empty() ? 0.0 : late[late.size() / 2],
                late.empty() ? 0.0 : late.back());
}

// A frame whose destination no face of the side panel holds even in two rows: it runs.
QList<Frame> ledRoll()
{
    QList<Frame> frames = rollOf(4);
    frames[0].layout = SignLayout::TypeAndDestination;
    frames[0].text(SignLine::Main) = QStringLiteral("快速");
    frames[0].text(SignLine::Destination) = QStringLiteral("新宿三丁目・市ヶ谷・九段下方面 本八幡");
    frames[0].translation(PanelLanguage::Korean, SignLine::Destination) =
        QStringLiteral("신주쿠산초메・이치가야・구단시타 방면 모토야와타");
    return frames;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("roll.quintelo"));
    const QList<Frame> thousand = rollOf(1000);
    const double save = medianMs([&] { RollFile::save(thousand, path); });
    int opened = 0;
    const double open = medianMs([&] { opened = int(RollFile::load(path).frames.size()); });
    std::printf("1,000-frame roll: save %.2f ms, open %.2f ms, %d frames read back "
                "(target <= 100 ms each)\n",
                save, open, opened);

    // The key press path with and without the autosave behind it, on a 100-frame roll.
    SignDocument plain;
    plain.replaceFrames(rollOf(100), {});
    const double without = keyPressMs(plain);
    SignDocument saved;
    saved.replaceFrames(rollOf(100), {});
    AutosaveStore store(dir.filePath(QStringLiteral("autosave")));
    store.claim();
    Autosaver autosaver(saved, store);
    const double with = keyPressMs(saved);
    std::printf("100-frame roll, key press: %.4f ms alone, %.4f ms with autosave, %.4f ms added "
                "(target <= 5 ms); the autosave itself, 2 s later: %.2f ms\n",
                without, with, with - without, medianMs([&] { autosaver.saveNow(); }));

    QtImageWriter writer;
    ExportManager exporter(writer);
    const QList<Frame> twoHundred = rollOf(200);
    const double strip = medianMs(
        [&] { exporter.saveStrip(twoHundred, dir.filePath(QStringLiteral("strip.png"))); });
    const double stripGif = medianMs(
        [&] { exporter.saveStrip(twoHundred, dir.filePath(QStringLiteral("strip.gif"))); });
    std::printf("200-frame strip at 1x, drawn and saved: %.1f ms as PNG, %.1f ms as GIF "
                "(target <= 500 ms)\n",
                strip, stripGif);
    const QList<Frame> twenty = rollOf(20);
    const double spin = medianMs([&] {
        exporter.saveSpin(twenty, SpinAnimation::Options(), dir.filePath(QStringLiteral("s.gif")));
    });
    std::printf("spin GIF of 20 frames x 8 steps, drawn, encoded and saved: %.1f ms "
                "(target <= 2000 ms)\n",
                spin);
    panelScroll(rollOf(500));
    // Two holds and two turns; a line running a dot at a time, then pages.
    playback(rollOf(4), SignLook(), "plate look, 4 frames,", 8);
    playback(ledRoll(), {LookKind::Led, LedSettings()}, "LED look, a destination running,", 8);
    return 0;
}
