#include "bench/MedianTime.h"
#include "codec/QtImageWriter.h"
#include "export/ExportManager.h"
#include "io/AutosaveStore.h"
#include "io/Autosaver.h"
#include "io/RollFile.h"
#include "sign/SignDocument.h"
#include "ui/RollPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
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
    return 0;
}
