#include "sign/SignPresets.h"

#include "files/RegularFileReader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// A user's file is a few lines of colours; anything far larger is not one.
constexpr qint64 kLargestUserFile = qint64(1) << 20;

QColor colourAt(const QJsonObject &entry, const char *key)
{
    const QString text = entry.value(QLatin1String(key)).toString();
    // #RRGGBB, the one spelling the files take. Checked by hand: a regular expression would
    // load its library and compile as the window's menus are made.
    const auto hexDigit = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    };
    const bool hex = text.size() == 7 && text.front() == u'#' &&
                     std::all_of(text.begin() + 1, text.end(), hexDigit);
    return hex ? QColor(text) : QColor();
}

// Reads one table; answers what was wrong, or nothing when every entry was good.
FileFailure read(const QByteArray &bytes, SignPresets &into)
{
    using Problem = FileFailure::Problem;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return FileFailure::content(Problem::BrokenJson)
            .atOffset(error.offset)
            .withCode(error.error);
    if (!document.isObject())
        return FileFailure::content(Problem::NotJsonObject);
    SignPresets read;
    for (const QJsonValue value : document.object().value(u"serviceTypes").toArray()) {
        const QJsonObject entry = value.toObject();
        const SignPresets::ServiceType type{entry.value(u"name").toString(),
                                            colourAt(entry, "background"), colourAt(entry, "text")};
        if (type.name.isEmpty() || !type.background.isValid() || !type.text.isValid())
            return FileFailure::content(Problem::IncompleteEntry)
                .inKey(QStringLiteral("serviceTypes"))
                .inItem(int(read.serviceTypes.size() + 1));
        read.serviceTypes << type;
    }
    for (const QJsonValue value : document.object().value(u"lineColours").toArray()) {
        const QJsonObject entry = value.toObject();
        const SignPresets::LineColour line{entry.value(u"name").toString(),
                                           colourAt(entry, "colour")};
        if (line.name.isEmpty() || !line.colour.isValid())
            return FileFailure::content(Problem::IncompleteEntry)
                .inKey(QStringLiteral("lineColours"))
                .inItem(int(read.lineColours.size() + 1));
        read.lineColours << line;
    }
    into.serviceTypes << read.serviceTypes;
    into.lineColours << read.lineColours;
    return {};
}

} // namespace

SignPresets SignPresets::load(const QString &userFile)
{
    if (userFile.isEmpty())
        return withUserFile({}, userFile);
    // Only a regular file of a sensible size: a pipe or /dev/zero under the name would otherwise
    // keep the program waiting, or fill its memory, before its window ever shows.
    const RegularFileRead read = readRegularFile(userFile, kLargestUserFile);
    if (read.failure.kind == FileFailure::Kind::NotFound)
        return withUserFile({}, {});
    if (!read.ok()) {
        SignPresets presets = withUserFile({}, {});
        presets.failure = read.failure;
        return presets;
    }
    return withUserFile(read.bytes, userFile);
}

SignPresets SignPresets::withUserFile(const QByteArray &userBytes, const QString &userFile)
{
    SignPresets presets;
    QFile shipped(QStringLiteral(":/presets/presets.json"));
    if (shipped.open(QIODevice::ReadOnly))
        read(shipped.readAll(), presets);
    if (userFile.isEmpty())
        return presets;
    if (const FileFailure problem = read(userBytes, presets); !problem.ok())
        presets.failure = problem.named(userFile);
    return presets;
}
