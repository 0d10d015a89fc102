#include "io/RollFile.h"

#include "files/RegularFileReader.h"
#include "files/SafeFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace {

const QString kFormat = QStringLiteral("quintelo-roll");
constexpr double kMaxPointSize = 1000;

using Problem = FileFailure::Problem;

// A reader answers nothing when it took the value, otherwise what is wrong with it; the caller
// adds where it stands.
struct Field
{
    QString key;
    std::function<QJsonValue(const Frame &)> write;
    std::function<FileFailure(Frame &, const QJsonValue &)> read;
};

FileFailure wrong(Problem problem)
{
    return FileFailure::content(problem);
}

FileFailure readString(const QJsonValue &value, QString &into)
{
    if (!value.isString())
        return wrong(Problem::NotString);
    const QString text = value.toString();
    // A NUL would end the text early wherever it is handed to the system.
    if (text.contains(QChar(0)))
        return wrong(Problem::NulCharacter);
    into = text;
    return {};
}

// A line of the sign is what is drawn: one longer than a frame takes is refused, not cut.
FileFailure readLine(const QJsonValue &value, QString &into)
{
    if (value.isString() && value.toString().size() > Frame::kMaxLineLength)
        return wrong(Problem::LineTooLong)
            .withFound(value.toString().size())
            .withRange(0, Frame::kMaxLineLength);
    return readString(value, into);
}

FileFailure readBool(const QJsonValue &value, bool &into)
{
    if (!value.isBool())
        return wrong(Problem::NotBool);
    into = value.toBool();
    return {};
}

Field textField(const QString &key, SignLine line)
{
    return {key, [line](const Frame &f) { return QJsonValue(f.text(line)); },
            [line](Frame &f, const QJsonValue &v) { return readLine(v, f.text(line)); }};
}

// Written only where the frame has the line, so that a roll without Chinese or Korean lines is
// the file it was before they came.
Field translationField(const QString &key, PanelLanguage language, SignLine line)
{
    return {key,
            [language, line](const Frame &f) {
                const QString &text = f.translation(language, line);
                return text.isEmpty() ? QJsonValue(QJsonValue::Undefined) : QJsonValue(text);
            },
            [language, line](Frame &f, const QJsonValue &v) {
                return readLine(v, f.translation(language, line));
            }};
}

Field stringField(const QString &key, QString Frame::*member)
{
    return {key, [member](const Frame &f) { return QJsonValue(f.*member); },
            [member](Frame &f, const QJsonValue &v) { return readString(v, f.*member); }};
}

Field colourField(const QString &key, QColor Frame::*member)
{
    return {key, [member](const Frame &f) { return QJsonValue((f.*member).name(QColor::HexRgb)); },
            [member](Frame &f, const QJsonValue &v) {
                const QString text = v.toString();
                // QColor also takes names and other lengths; the file holds "#RRGGBB" only.
                // ASCII only: QChar::isDigit() would also pass other scripts' digits.
                const auto isHex = [](QChar c) {
                    return QLatin1String("0123456789abcdefABCDEF").contains(c);
                };
                if (!v.isString() || text.size() != 7 || text[0] != QLatin1Char('#') ||
                    !std::all_of(text.begin() + 1, text.end(), isHex))
                    return wrong(Problem::NotColour);
                f.*member = QColor(text);
                return FileFailure();
            }};
}

QJsonObject writeFont(const QFont &font)
{
    return {{QStringLiteral("family"), font.family()},
            {QStringLiteral("style"), font.styleName()},
            {QStringLiteral("pointSize"), font.pointSizeF()},
            {QStringLiteral("bold"), font.bold()},
            {QStringLiteral("italic"), font.italic()},
            {QStringLiteral("underline"), font.underline()},
            {QStringLiteral("strikeOut"), font.strikeOut()}};
}

FileFailure readFont(const QJsonValue &value, QFont &font)
{
    if (!value.isObject())
        return wrong(Problem::NotObject);
    const QJsonObject object = value.toObject();
    // A family missing here is kept by name: Qt draws with its substitute.
    using TextSetter = void (QFont::*)(const QString &);
    const std::array<std::pair<const char *, TextSetter>, 2> names{
        {{"family", &QFont::setFamily}, {"style", &QFont::setStyleName}}};
    for (const auto &[key, set] : names) {
        QString text;
        if (!object.contains(QLatin1String(key)))
            continue;
        if (FileFailure e = readString(object.value(QLatin1String(key)), text); !e.ok())
            return e.inSubKey(QLatin1String(key));
        (font.*set)(text);
    }
    using FlagSetter = void (QFont::*)(bool);
    const std::array<std::pair<const char *, FlagSetter>, 4> flags{
        {{"bold", &QFont::setBold},
         {"italic", &QFont::setItalic},
         {"underline", &QFont::setUnderline},
         {"strikeOut", &QFont::setStrikeOut}}};
    for (const auto &[key, set] : flags) {
        bool flag = false;
        if (!object.contains(QLatin1String(key)))
            continue;
        if (FileFailure e = readBool(object.value(QLatin1String(key)), flag); !e.ok())
            return e.inSubKey(QLatin1String(key));
        (font.*set)(flag);
    }
    if (const QJsonValue size = object.value(QStringLiteral("pointSize")); !size.isUndefined()) {
        const double points = size.toDouble(-1);
        if (!(points >= 1 && points <= kMaxPointSize))
            return wrong(Problem::NumberOutOfRange)
                .inSubKey(QStringLiteral("pointSize"))
                .withRange(1, qint64(kMaxPointSize));
        font.setPointSizeF(points);
    }
    return {};
}

Field boolField(const QString &key, bool Frame::*member)
{
    return {key, [member](const Frame &f) { return QJsonValue(f.*member); },
            [member](Frame &f, const QJsonValue &v) { return readBool(v, f.*member); }};
}

Field fontField(const QString &key, QFont Frame::*member)
{
    return {key, [member](const Frame &f) { return QJsonValue(writeFont(f.*member)); },
            [member](Frame &f, const QJsonValue &v) { return readFont(v, f.*member); }};
}

QString layoutName(SignLayout layout)
{
    return layout == SignLayout::SignName ? QStringLiteral("signName")
                                          : QStringLiteral("typeAndDestination");
}

Field layoutField()
{
    return {
        QStringLiteral("layout"), [](const Frame &f) { return QJsonValue(layoutName(f.layout)); },
        [](Frame &f, const QJsonValue &v) {
            for (const SignLayout layout : {SignLayout::SignName, SignLayout::TypeAndDestination})
                if (v.toString() == layoutName(layout)) {
                    f.layout = layout;
                    return FileFailure();
                }
            return wrong(Problem::NotOneOf)
                .withChoices(
                    {layoutName(SignLayout::SignName), layoutName(SignLayout::TypeAndDestination)});
        }};
}

// Every field of a frame, in the order written: one more field of Frame is one more row.
const QList<Field> &frameFields()
{
    static const QList<Field> fields{
        layoutField(),
        textField(QStringLiteral("main"), SignLine::Main),
        textField(QStringLiteral("english"), SignLine::English),
        textField(QStringLiteral("destination"), SignLine::Destination),
        textField(QStringLiteral("destinationSmall"), SignLine::DestinationSmall),
        colourField(QStringLiteral("mainColour"), &Frame::mainColour),
        colourField(QStringLiteral("englishColour"), &Frame::englishColour),
        colourField(QStringLiteral("englishBand"), &Frame::englishBand),
        colourField(QStringLiteral("signNameBand"), &Frame::signNameBand),
        fontField(QStringLiteral("mainFont"), &Frame::mainFont),
        colourField(QStringLiteral("typePlate"), &Frame::typePlate),
        boolField(QStringLiteral("justify"), &Frame::justify),
        stringField(QStringLiteral("name"), &Frame::name),
        translationField(QStringLiteral("mainZh"), PanelLanguage::Chinese, SignLine::Main),
        translationField(QStringLiteral("destinationZh"), PanelLanguage::Chinese,
                         SignLine::Destination),
        translationField(QStringLiteral("mainKo"), PanelLanguage::Korean, SignLine::Main),
        translationField(QStringLiteral("destinationKo"), PanelLanguage::Korean,
                         SignLine::Destination),
    };
    return fields;
}

// Names as the file spells them, in the enums' order.
const std::array kLookNames{QStringLiteral("plate"), QStringLiteral("led")};
const std::array kGridNames{QStringLiteral("side"), QStringLiteral("front"),
                            QStringLiteral("custom")};
const std::array kColourNames{QStringLiteral("amber"), QStringLiteral("threeColour"),
                              QStringLiteral("fullColour")};

template <typename Enum, std::size_t N>
FileFailure readName(const QJsonValue &value, const std::array<QString, N> &names, Enum &into)
{
    const auto at = std::find(names.begin(), names.end(), value.toString());
    if (!value.isString() || at == names.end())
        return wrong(Problem::NotOneOf).withChoices(QStringList(names.begin(), names.end()));
    into = Enum(at - names.begin());
    return {};
}

struct LedNumber
{
    const char *key;
    int LedSettings::*member;
    int least;
    int most;
};

constexpr std::array kLedNumbers{
    LedNumber{"columns", &LedSettings::columns, LedSettings::kMinColumns, LedSettings::kMaxColumns},
    LedNumber{"rows", &LedSettings::rows, LedSettings::kMinRows, LedSettings::kMaxRows},
    LedNumber{"dotSize", &LedSettings::dotSize, 1, LedSettings::kMaxDotSize},
    LedNumber{"gap", &LedSettings::gap, 0, LedSettings::kMaxGap},
    LedNumber{"glow", &LedSettings::glow, 0, 100},
};

QJsonObject writeLed(const LedSettings &led)
{
    QJsonObject object{{QStringLiteral("grid"), kGridNames.at(std::size_t(led.grid))},
                       {QStringLiteral("colours"), kColourNames.at(std::size_t(led.colours))}};
    for (const LedNumber &number : kLedNumbers)
        object.insert(QLatin1String(number.key), led.*number.member);
    return object;
}

FileFailure readLed(const QJsonValue &value, LedSettings &led)
{
    if (!value.isObject())
        return wrong(Problem::NotObject);
    const QJsonObject object = value.toObject();
    if (object.contains(QStringLiteral("grid")))
        if (FileFailure e = readName(object.value(QStringLiteral("grid")), kGridNames, led.grid);
            !e.ok())
            return e.inSubKey(QStringLiteral("grid"));
    if (object.contains(QStringLiteral("colours")))
        if (FileFailure e =
                readName(object.value(QStringLiteral("colours")), kColourNames, led.colours);
            !e.ok())
            return e.inSubKey(QStringLiteral("colours"));
    for (const LedNumber &number : kLedNumbers) {
        const QJsonValue v = object.value(QLatin1String(number.key));
        if (v.isUndefined())
            continue;
        const double n = v.toDouble(-1);
        if (!v.isDouble() || n != std::floor(n) || n < number.least || n > number.most)
            return wrong(Problem::IntegerOutOfRange)
                .inSubKey(QLatin1String(number.key))
                .withRange(number.least, number.most);
        led.*number.member = int(n);
    }
    return {};
}

} // namespace

QByteArray RollFile::toJson(const QList<Frame> &frames, const SignLook &look)
{
    QJsonArray array;
    for (const Frame &frame : frames) {
        QJsonObject object;
        for (const Field &field : frameFields())
            if (const QJsonValue value = field.write(frame); !value.isUndefined())
                object.insert(field.key, value);
        array.append(object);
    }
    // Written by hand around the frames, since QJsonObject sorts its keys and a reader should
    // meet the format and version first.
    const QByteArray lookKeys = R"("look": ")" + kLookNames.at(std::size_t(look.kind)).toUtf8() +
                                R"(", "led": )" +
                                QJsonDocument(writeLed(look.led)).toJson(QJsonDocument::Compact);
    return R"({"format": ")" + kFormat.toUtf8() + R"(", "version": )" +
           QByteArray::number(kVersion) + ",\n" + lookKeys + ",\n" + R"("frames": )" +
           QJsonDocument(array).toJson(QJsonDocument::Indented) + "}\n";
}

RollFile::Loaded RollFile::fromJson(const QByteArray &json, const QString &fileName)
{
    const auto fail = [&fileName](const FileFailure &problem) {
        return Loaded{{}, problem.named(fileName), {}};
    };
    if (json.size() > kMaxBytes)
        return fail(FileFailure::of(FileFailure::Kind::TooLarge, FileFailure::Action::Read)
                        .withProblem(Problem::TooManyBytes)
                        .withRange(0, kMaxBytes));
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(
            wrong(Problem::BrokenJson).atOffset(parseError.offset).withCode(parseError.error));
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(QStringLiteral("format")).toString() != kFormat)
        return fail(wrong(Problem::NotRollFile));
    const QJsonValue version = top.value(QStringLiteral("version"));
    const double number = version.toDouble(0);
    if (!version.isDouble() || number < 1 || number != std::floor(number))
        return fail(wrong(Problem::BadVersion));
    // A version past any whole number a file could mean is told without its number.
    constexpr double kLargestTold = 1e15;
    if (number > kVersion)
        return fail(wrong(Problem::NewerVersion)
                        .withFound(number < kLargestTold ? qint64(number) : 0)
                        .withRange(1, kVersion));
    const QJsonValue framesValue = top.value(QStringLiteral("frames"));
    if (!framesValue.isArray())
        return fail(wrong(Problem::NoFrameList));
    const QJsonArray array = framesValue.toArray();
    if (array.isEmpty())
        return fail(wrong(Problem::NoFrames));
    if (array.size() > kMaxFrames)
        return fail(wrong(Problem::TooManyFrames).withRange(1, kMaxFrames));

    Loaded loaded;
    // A file from before the LED look has neither key and shows the plate.
    if (top.contains(QStringLiteral("look")))
        if (const FileFailure e =
                readName(top.value(QStringLiteral("look")), kLookNames, loaded.look.kind);
            !e.ok())
            return fail(e.inKey(QStringLiteral("look")));
    if (top.contains(QStringLiteral("led")))
        if (const FileFailure e = readLed(top.value(QStringLiteral("led")), loaded.look.led);
            !e.ok())
            return fail(e.inKey(QStringLiteral("led")));
    loaded.frames.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array[i].isObject())
            return fail(wrong(Problem::NotFrameObject).inItem(int(i + 1)));
        const QJsonObject object = array[i].toObject();
        Frame frame;
        for (const Field &field : frameFields()) {
            if (!object.contains(field.key))
                continue;
            if (const FileFailure problem = field.read(frame, object.value(field.key));
                !problem.ok())
                return fail(problem.inItem(int(i + 1)).inKey(field.key));
        }
        loaded.frames.append(frame);
    }
    return loaded;
}

RollFile::Loaded RollFile::load(const QString &fileName)
{
    // Only a regular file, and its size asked before reading: a pipe or a device could keep the
    // program waiting or fill its memory for ever.
    const RegularFileRead read = readRegularFile(fileName, kMaxBytes);
    if (!read.ok())
        return {{}, read.failure, {}};
    return fromJson(read.bytes, fileName);
}

FileFailure RollFile::save(const QList<Frame> &frames, const QString &fileName,
                           const SignLook &look, const SaveJournal *journal)
{
    return SafeFileWriter::write(toJson(frames, look), fileName, journal);
}
