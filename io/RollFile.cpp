#include "io/RollFile.h"

#include "files/RegularFileReader.h"
#include "files/SafeFileWriter.h"

#include <QDir>
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

// A reader answers an empty string when it took the value, otherwise what is wrong with it.
struct Field
{
    QString key;
    std::function<QJsonValue(const Frame &)> write;
    std::function<QString(Frame &, const QJsonValue &)> read;
};

QString wrongType(const QString &kind)
{
    return QStringLiteral("%1ではありません").arg(kind);
}

QString readString(const QJsonValue &value, QString &into)
{
    if (!value.isString())
        return wrongType(QStringLiteral("文字列"));
    const QString text = value.toString();
    // A NUL would end the text early wherever it is handed to the system.
    if (text.contains(QChar(0)))
        return QStringLiteral("NUL 文字が含まれています");
    into = text;
    return {};
}

// A line of the sign is what is drawn: one longer than a frame takes is refused, not cut.
QString readLine(const QJsonValue &value, QString &into)
{
    if (value.isString() && value.toString().size() > Frame::kMaxLineLength)
        return QStringLiteral("%1 文字あります。1 行は %2 文字までです")
            .arg(value.toString().size())
            .arg(Frame::kMaxLineLength);
    return readString(value, into);
}

QString readBool(const QJsonValue &value, bool &into)
{
    if (!value.isBool())
        return wrongType(QStringLiteral("true / false"));
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
                    return QStringLiteral("\"#RRGGBB\" の形の色ではありません");
                f.*member = QColor(text);
                return QString();
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

QString readFont(const QJsonValue &value, QFont &font)
{
    if (!value.isObject())
        return wrongType(QStringLiteral("オブジェクト"));
    const QJsonObject object = value.toObject();
    // A family missing here is kept by name: Qt draws with its substitute.
    using TextSetter = void (QFont::*)(const QString &);
    const std::array<std::pair<const char *, TextSetter>, 2> names{
        {{"family", &QFont::setFamily}, {"style", &QFont::setStyleName}}};
    for (const auto &[key, set] : names) {
        QString text;
        if (!object.contains(QLatin1String(key)))
            continue;
        if (QString e = readString(object.value(QLatin1String(key)), text); !e.isEmpty())
            return QStringLiteral("%1: %2").arg(QLatin1String(key), e);
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
        if (QString e = readBool(object.value(QLatin1String(key)), flag); !e.isEmpty())
            return QStringLiteral("%1: %2").arg(QLatin1String(key), e);
        (font.*set)(flag);
    }
    if (const QJsonValue size = object.value(QStringLiteral("pointSize")); !size.isUndefined()) {
        const double points = size.toDouble(-1);
        if (!(points >= 1 && points <= kMaxPointSize))
            return QStringLiteral("pointSize: 1 から %1 までの数ではありません").arg(kMaxPointSize);
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
                    return QString();
                }
            return QStringLiteral("\"signName\" か \"typeAndDestination\" ではありません");
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
QString readName(const QJsonValue &value, const std::array<QString, N> &names, Enum &into)
{
    const auto at = std::find(names.begin(), names.end(), value.toString());
    if (!value.isString() || at == names.end())
        return QStringLiteral("\"%1\" のどれかではありません")
            .arg(QStringList(names.begin(), names.end()).join(QStringLiteral("\", \"")));
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

QString readLed(const QJsonValue &value, LedSettings &led)
{
    if (!value.isObject())
        return wrongType(QStringLiteral("オブジェクト"));
    const QJsonObject object = value.toObject();
    const auto problem = [](const QString &key, const QString &what) {
        return QStringLiteral("%1: %2").arg(key, what);
    };
    if (object.contains(QStringLiteral("grid")))
        if (QString e = readName(object.value(QStringLiteral("grid")), kGridNames, led.grid);
            !e.isEmpty())
            return problem(QStringLiteral("grid"), e);
    if (object.contains(QStringLiteral("colours")))
        if (QString e =
                readName(object.value(QStringLiteral("colours")), kColourNames, led.colours);
            !e.isEmpty())
            return problem(QStringLiteral("colours"), e);
    for (const LedNumber &number : kLedNumbers) {
        const QJsonValue v = object.value(QLatin1String(number.key));
        if (v.isUndefined())
            continue;
        const double n = v.toDouble(-1);
        if (!v.isDouble() || n != std::floor(n) || n < number.least || n > number.most)
            return problem(QLatin1String(number.key),
                           QStringLiteral("%1 から %2 までの整数ではありません")
                               .arg(number.least)
                               .arg(number.most));
        led.*number.member = int(n);
    }
    return {};
}

QString tooLarge()
{
    return QStringLiteral("ファイルが大きすぎます（%1 MB まで）。").arg(RollFile::kMaxBytes >> 20);
}

QString failedMessage(const QString &fileName, const QString &problem)
{
    return QStringLiteral("幕データ「%1」を開けませんでした。\n\n%2")
        .arg(QDir::toNativeSeparators(fileName), problem);
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
    const auto fail = [&fileName](const QString &problem) {
        return Loaded{{}, failedMessage(fileName, problem), {}};
    };
    if (json.size() > kMaxBytes)
        return fail(tooLarge());
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(QStringLiteral("幕データの形（JSON）が %1 バイト目で壊れています（%2）。")
                        .arg(parseError.offset)
                        .arg(parseError.errorString()));
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(QStringLiteral("format")).toString() != kFormat)
        return fail(QStringLiteral("Quintelo の幕データではありません。"));
    const QJsonValue version = top.value(QStringLiteral("version"));
    const double number = version.toDouble(0);
    if (!version.isDouble() || number < 1 || number != std::floor(number))
        return fail(QStringLiteral("幕データの版（version）が正しくありません。"));
    if (number > kVersion)
        return fail(QStringLiteral("このファイルは新しい版（%1）の Quintelo で作られました。"
                                   "この Quintelo が読めるのは版 %2 までです。")
                        .arg(number, 0, 'f', 0)
                        .arg(kVersion));
    const QJsonValue framesValue = top.value(QStringLiteral("frames"));
    if (!framesValue.isArray())
        return fail(QStringLiteral("コマの並び（frames）がありません。"));
    const QJsonArray array = framesValue.toArray();
    if (array.isEmpty())
        return fail(QStringLiteral("コマが一つもありません。"));
    if (array.size() > kMaxFrames)
        return fail(QStringLiteral("コマが多すぎます（%1 コマまで）。").arg(kMaxFrames));

    Loaded loaded;
    // A file from before the LED look has neither key and shows the plate.
    if (top.contains(QStringLiteral("look")))
        if (const QString e =
                readName(top.value(QStringLiteral("look")), kLookNames, loaded.look.kind);
            !e.isEmpty())
            return fail(QStringLiteral("表示（look）が正しくありません（%1）。").arg(e));
    if (top.contains(QStringLiteral("led")))
        if (const QString e = readLed(top.value(QStringLiteral("led")), loaded.look.led);
            !e.isEmpty())
            return fail(QStringLiteral("LED の設定（led）が正しくありません（%1）。").arg(e));
    loaded.frames.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array[i].isObject())
            return fail(QStringLiteral("%1 コマ目がオブジェクトではありません。").arg(i + 1));
        const QJsonObject object = array[i].toObject();
        Frame frame;
        for (const Field &field : frameFields()) {
            if (!object.contains(field.key))
                continue;
            if (const QString problem = field.read(frame, object.value(field.key));
                !problem.isEmpty())
                return fail(QStringLiteral("%1 コマ目の「%2」が正しくありません（%3）。")
                                .arg(i + 1)
                                .arg(field.key, problem));
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
    if (read.problem == RegularFileRead::Problem::TooLarge)
        return {{}, failedMessage(fileName, tooLarge()), {}};
    if (!read.ok())
        return {{}, failedMessage(fileName, read.problemText()), {}};
    return fromJson(read.bytes, fileName);
}

QString RollFile::save(const QList<Frame> &frames, const QString &fileName, const SignLook &look,
                       const SaveJournal *journal)
{
    const SafeFileWriter::Outcome outcome =
        SafeFileWriter::write(toJson(frames, look), fileName, journal);
    if (outcome.ok())
        return {};
    return QStringLiteral("幕データ「%1」を保存できませんでした。\n\n%2\n\n%3")
        .arg(QDir::toNativeSeparators(fileName), outcome.reason(), outcome.oldFile());
}
