#include "io/CsvFrames.h"
#include "io/CsvReader.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

namespace {

const SignPresets *g_presets = nullptr;

bool sameRecords(const CsvReader::Table &a, const CsvReader::Table &b)
{
    if (a.failure.problem != b.failure.problem || a.failure.where.line != b.failure.where.line ||
        a.records.size() != b.records.size())
        return false;
    for (qsizetype i = 0; i < a.records.size(); ++i)
        if (a.records.at(i).line != b.records.at(i).line ||
            a.records.at(i).fields != b.records.at(i).fields)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Frames carry fonts, which need an application; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    static const SignPresets presets = SignPresets::withUserFile({}, {});
    g_presets = &presets;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const CsvFrames::Read read = CsvFrames::read(bytes, QStringLiteral("fuzz.csv"), *g_presets);
    if (!read.failure.ok()) {
        if (!read.frames.isEmpty() || !read.rowFailures.isEmpty())
            std::abort();
        return 0;
    }
    // Every row is a frame or is told; no line is longer than a frame takes.
    if (read.frames.size() + read.rowFailures.size() != read.rows)
        std::abort();
    for (const NumberedFrame &numbered : read.frames)
        for (const QString &text : numbered.frame.texts)
            if (text.size() > Frame::kMaxLineLength)
                std::abort();
    // Whatever the encoding, the text read, as UTF-8, is the same table: nothing depends on the
    // bytes once they are decoded.
    const CsvReader::Text text = CsvReader::decode(bytes);
    if (!text.failure.ok() || !sameRecords(CsvReader::parse("\xEF\xBB\xBF" + text.text.toUtf8()),
                                           CsvReader::parse(bytes)))
        std::abort();
    return 0;
}
