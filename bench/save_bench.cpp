#include "bench/SaveTiming.h"
#include "export/ExportManager.h"
#include "files/SaveJournal.h"
#include "platform/FontSubstitutes.h"
#include "render/PlatePainter.h"
#include "ui/MainWindow.h"
#include "ui/QtServices.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// Saves the composed sign plate as the save command does, drawing, encoding and file
// replacement, count times to one file: save_bench FORMAT COUNT FOLDER.
int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: save_bench bmp|png|gif COUNT FOLDER\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    installFonts();

    // Benchmarks overwrite nothing in place: the journal stays empty in a folder of its own.
    const QTemporaryDir journalFolder;
    const SaveJournal journal(journalFolder.path());
    QtServices platform(journal);
    Services &services = platform.services();

    MainWindow window(services);
    // A sign as a user would compose it: anti-aliased kanji and Latin text on the plate.
    window.document().editText(SignLine::Main, QStringLiteral("東京"));
    window.document().editText(SignLine::English, QStringLiteral("Tokyo"));
    waitUntilShown(window);

    const QString fileName =
        QDir(QString::fromLocal8Bit(argv[3])).filePath(QStringLiteral("plate.") + argv[1]);
    ExportManager exporter(services.imageWriter);
    const Frame &frame = window.document().currentFrame();
    return timeSaves(std::atoi(argv[2]), 241, 81,
                     [&] { return exporter.save(PlatePainter(frame).render(), fileName).ok(); });
}
