#include "bench/MedianTime.h"
#include "render/PlatePainter.h"
#include "sign/SignDocument.h"
#include "sign/SignFonts.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kCharacters = 10000;

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

Frame rapid()
{
    Frame frame;
    frame.layout = SignLayout::TypeAndDestination;
    frame.text(SignLine::Main) = QStringLiteral("快速");
    frame.text(SignLine::English) = QStringLiteral("Rapid");
    frame.text(SignLine::Destination) = QStringLiteral("東京");
    frame.text(SignLine::DestinationSmall) = QStringLiteral("Tokyo");
    return frame;
}

} // namespace

// The document and the painter without a window: a frame drawn and encoded as PNG, the undo
// and redo of 10,000 typed characters, and the memory 10,000 undo steps hold. Medians of 20
// runs: model_bench (on the offscreen platform).
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutes();

    const Frame frame = rapid();
    for (const int scale : {1, 4}) {
        const double ms = medianMs([&] {
            QBuffer png;
            png.open(QIODevice::WriteOnly);
            PlatePainter(frame).render(scale).save(&png, "PNG");
        });
        std::printf("frame drawn and encoded as PNG at %dx: %7.2f ms\n", scale, ms);
    }

    Frame longLine;
    longLine.text(SignLine::Main) = QString(100, QChar(u'駅'));
    QImage canvas(241, 81, QImage::Format_RGB32);
    const double fitMs = medianMs([&] {
        QPainter painter(&canvas);
        PlatePainter(longLine).paintLine(painter, SignLine::Main);
    });
    std::printf("a 100-character line squeezed to fit and drawn: %7.3f ms\n", fitMs);

    // One step a character: each keystroke in a line of its own session, the most the history
    // can hold for this much typing.
    const long before = peakResidentKiB();
    SignDocument doc;
    QString typed;
    for (int i = 0; i < kCharacters; ++i) {
        typed += QChar(u'あ' + i % 80);
        doc.editText(SignLine::Destination, typed.right(40));
        doc.endTyping();
    }
    const long after = peakResidentKiB();
    std::printf("%d undo steps held: peak resident %ld KiB, %ld KiB more than before\n",
                doc.undoStack().count(), after, after - before);

    QElapsedTimer timer;
    timer.start();
    while (doc.undoStack().canUndo())
        doc.undo();
    const double undoMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    while (doc.undoStack().canRedo())
        doc.redo();
    const double redoMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("undo of %d typed characters: %7.2f ms, redo: %7.2f ms\n", kCharacters, undoMs,
                redoMs);
    return doc.currentFrame().text(SignLine::Destination) == typed.right(40) ? EXIT_SUCCESS
                                                                             : EXIT_FAILURE;
}
