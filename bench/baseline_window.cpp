#include "bench/SaveTiming.h"
#include "sign/SignFonts.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <tuple>

// The yardstick the program's figures are read against: a Qt Widgets program that shows one
// empty window. Two options make it do, bare, what the program is timed doing:
//   --hand-over   a single-shot timer of the splash's interval replaces the window with a
//                 second empty one;
//   --fonts       the window shows one label in each of the program's fonts (the sign face,
//                 the bold gothic of the English line and the gothic of the controls), the
//                 fair yardstick for start-up and memory, since loading the fonts is most of
//                 both;
//   --save FORMAT COUNT FOLDER WIDTH HEIGHT
//                 the window, at the given size, is grabbed and saved through Qt's own image
//                 writer COUNT times.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    auto first = std::make_unique<QWidget>();

    if (argc == 7 && std::strcmp(argv[1], "--save") == 0) {
        first->resize(std::atoi(argv[5]), std::atoi(argv[6]));
        waitUntilShown(*first);
        const char *format = argv[2];
        const QString fileName = QDir(QString::fromLocal8Bit(argv[4]))
                                     .filePath(QStringLiteral("bare.") + QLatin1String(format));
        return timeSaves(std::atoi(argv[3]), first->width(), first->height(),
                         [&] { return first->grab().save(fileName, format); });
    }

    if (argc > 2 && std::strcmp(argv[2], "--fonts") == 0) {
        installFontSubstitutes();
        auto *layout = new QVBoxLayout(first.get());
        for (const auto &[face, points, weight] :
             {std::tuple{kSignFace, 24, QFont::Bold}, std::tuple{kUiGothicFace, 9, QFont::Bold},
              std::tuple{kUiGothicFace, 9, QFont::Normal}}) {
            auto *label = new QLabel(QStringLiteral("幕名 English"), first.get());
            label->setFont(QFont(face, points, weight));
            layout->addWidget(label);
        }
    }
    first->show();
    std::unique_ptr<QWidget> second;
    QTimer timer;
    if (argc > 1 && std::strcmp(argv[1], "--hand-over") == 0) {
        timer.setObjectName(QStringLiteral("Timer1"));
        timer.setSingleShot(true);
        timer.setInterval(3000);
        QObject::connect(&timer, &QTimer::timeout, &app, [&first, &second] {
            second = std::make_unique<QWidget>();
            second->show();
            first.reset();
        });
        timer.start();
    }
    return QApplication::exec();
}
