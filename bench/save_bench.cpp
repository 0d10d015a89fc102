#include "bench/SaveTiming.h"
#include "composer/MainWindow.h"
#include "composer/SignPlate.h"
#include "composer/SignTextBox.h"
#include "export/ExportManager.h"
#include "platform/FontSubstitutes.h"
#include "platform/QtServices.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

// Saves the composed sign plate as the save command does, capture, encoding and file
// replacement, count times to one file: save_bench FORMAT COUNT FOLDER.
int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: save_bench bmp|png|gif COUNT FOLDER\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    installFonts();

    QtServices platform;
    Services &services = platform.services();

    MainWindow window(services);
    // A sign as a user would compose it: anti-aliased kanji and Latin text on the plate.
    window.Text1()->setText(QStringLiteral("東京"));
    window.Text2()->setText(QStringLiteral("Tokyo"));
    waitUntilShown(window);

    const QString fileName =
        QDir(QString::fromLocal8Bit(argv[3])).filePath(QStringLiteral("plate.") + argv[1]);
    ExportManager exporter(services.windowCapture, services.imageWriter);
    QWidget &plate = *window.Picture2();
    return timeSaves(std::atoi(argv[2]), plate.width(), plate.height(),
                     [&] { return exporter.saveWindowImage(plate, fileName).ok(); });
}
