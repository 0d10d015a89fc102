#include "bench/SaveTiming.h"
#include "export/ExportManager.h"
#include "files/SaveJournal.h"
#include "platform/FontSubstitutes.h"
#include "render/PlatePainter.h"
#include "ui/MainWindow.h"
#include "ui/QtServices.h"
#include "ui/SignLineEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The most a line takes: a paste of more stops there.
constexpr qsizetype kLength = Frame::kMaxLineLength;

// A line of the kind a sign carries, repeated to the length asked for.
QString hugeText()
{
    const QString unit = QStringLiteral("東京行き 快速 Rapid for Tokyo 123 ");
    QString text;
    while (text.size() < kLength)
        text += unit;
    text.truncate(kLength);
    return text;
}

double medianMs(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    return double(ns[ns.size() / 2]) / 1e6;
}

} // namespace

// How long the user waits when 100,000 characters are pasted into a sign box, and for the save
// of the plate that follows: paste_bench [RUNS]. The paste is timed until the window has
// repainted, as the user sees it.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installFonts();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    // Benchmarks overwrite nothing in place: the journal stays empty in a folder of its own.
    const QTemporaryDir journalFolder;
    const SaveJournal journal(journalFolder.path());
    QtServices platform(journal);
    Services &services = platform.services();
    MainWindow window(services);
    waitUntilShown(window);

    QTemporaryDir scratch;
    if (!scratch.isValid())
        return EXIT_FAILURE;
    const QString fileName = QDir(scratch.path()).filePath(QStringLiteral("plate.gif"));
    ExportManager exporter(services.imageWriter);
    const QString huge = hugeText();
    QGuiApplication::clipboard()->setText(huge);

    std::printf("%lld characters pasted, then the plate saved as GIF; medians of %d runs\n",
                static_cast<long long>(kLength), runs);
    for (SignLineEdit *box :
         {window.lineEdit(SignLine::Main), window.lineEdit(SignLine::English)}) {
        std::vector<qint64> pastes;
        std::vector<qint64> saves;
        for (int i = 0; i < runs; ++i) {
            box->clear();
            QCoreApplication::processEvents();
            QElapsedTimer timer;
            timer.start();
            box->selectAll();
            box->paste();
            window.repaint();
            pastes.push_back(timer.nsecsElapsed());
            if (box->text().size() != kLength) {
                std::fputs("the paste did not arrive whole\n", stderr);
                return EXIT_FAILURE;
            }
            timer.restart();
            if (!exporter.save(PlatePainter(window.document().currentFrame()).render(), fileName)
                     .ok()) {
                std::fputs("save failed\n", stderr);
                return EXIT_FAILURE;
            }
            saves.push_back(timer.nsecsElapsed());
        }
        std::printf("%-6s paste %7.2f ms   save %7.2f ms\n", qPrintable(box->objectName()),
                    medianMs(pastes), medianMs(saves));
    }
    return EXIT_SUCCESS;
}
