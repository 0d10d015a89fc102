// Another running copy of the program, as the data folder shows it to the others: it claims an
// autosave slot, names the roll file it has open and, given names of frames, has that unsaved
// work in its autosave. It prints its autosave's name and runs until its standard input closes,
// then ends normally; killed, it leaves everything behind as a crash does.
// Usage: other_copy FOLDER ROLLFILE [FRAME...]
#include "io/AutosaveStore.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    const QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return 2;
    AutosaveStore store(args[1]);
    if (!store.claim())
        return 1;
    store.setRollFile(args[2], false);
    QList<Frame> frames;
    for (const QString &name : args.mid(3)) {
        frames.append(Frame());
        frames.last().text(SignLine::Main) = name;
    }
    if (!frames.isEmpty() && !store.write(frames, {}).ok())
        return 1;
    std::printf("%s\n", qPrintable(store.fileName()));
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    store.discard();
    return 0;
}
