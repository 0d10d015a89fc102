#include "bench/MedianTime.h"
#include "composer/Autosaver.h"
#include "io/AutosaveStore.h"
#include "io/RollFile.h"
#include "sign/SignDocument.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

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

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
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
    return 0;
}
