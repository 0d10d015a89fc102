#include "sign/SignPresets.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

namespace {

qsizetype g_shipped = 0;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    const SignPresets shipped = SignPresets::withUserFile({}, {});
    g_shipped = shipped.serviceTypes.size() + shipped.lineColours.size();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const SignPresets presets = SignPresets::withUserFile(bytes, QStringLiteral("presets.json"));
    const qsizetype count = presets.serviceTypes.size() + presets.lineColours.size();
    // A broken file adds nothing and says why; a good one adds to the shipped table, each entry
    // named and coloured.
    if (presets.failure.ok() ? count < g_shipped : count != g_shipped)
        std::abort();
    for (const SignPresets::ServiceType &type : presets.serviceTypes)
        if (type.name.isEmpty() || !type.background.isValid() || !type.text.isValid())
            std::abort();
    for (const SignPresets::LineColour &line : presets.lineColours)
        if (line.name.isEmpty() || !line.colour.isValid())
            std::abort();
    return 0;
}
