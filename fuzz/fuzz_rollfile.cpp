#include "io/RollFile.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Fonts need an application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const RollFile::Loaded loaded = RollFile::fromJson(bytes, QStringLiteral("fuzz.quintelo"));
    // A roll read whole must come back the same after a save: what is written is readable.
    if (loaded.ok()) {
        const RollFile::Loaded again =
            RollFile::fromJson(RollFile::toJson(loaded.frames, loaded.look), {});
        if (!again.ok() || again.frames != loaded.frames || !(again.look == loaded.look))
            std::abort();
    }
    return 0;
}
