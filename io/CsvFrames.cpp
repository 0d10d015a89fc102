#include "io/CsvFrames.h"

#include "io/CsvReader.h"
#include "sign/FrameRules.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace {

const QString kSign = QStringLiteral("sign");
const QString kSignEnglish = QStringLiteral("sign_en");
const QString kType = QStringLiteral("type");
const QString kTypeEnglish = QStringLiteral("type_en");
const QString kDestination = QStringLiteral("destination");
const QString kDestinationEnglish = QStringLiteral("destination_en");
// The Chinese (simplified) and Korean lines the LED look pages through, by the line they stand
// for and the language.
struct TranslationColumn
{
    QString name;
    SignLine line;
    PanelLanguage language;
};
const std::array kSignTranslations{
    TranslationColumn{QStringLiteral("sign_zh"), SignLine::Main, PanelLanguage::Chinese},
    TranslationColumn{QStringLiteral("sign_ko"), SignLine::Main, PanelLanguage::Korean}};
const std::array kTypeTranslations{
    TranslationColumn{QStringLiteral("type_zh"), SignLine::Main, PanelLanguage::Chinese},
    TranslationColumn{QStringLiteral("type_ko"), SignLine::Main, PanelLanguage::Korean},
    TranslationColumn{QStringLiteral("destination_zh"), SignLine::Destination,
                      PanelLanguage::Chinese},
    TranslationColumn{QStringLiteral("destination_ko"), SignLine::Destination,
                      PanelLanguage::Korean}};
const QString kTextColour = QStringLiteral("text_colour");
const QString kEnglishColour = QStringLiteral("en_colour");
const QString kBandColour = QStringLiteral("band_colour");
const QString kPreset = QStringLiteral("preset");
const QString kName = QStringLiteral("name");

// A preset goes by its whole name, "快速（橙）", or by the part before its note, "快速".
const SignPresets::ServiceType *findPreset(const SignPresets &presets, const QString &name)
{
    const SignPresets::ServiceType *byShortName = nullptr;
    for (const SignPresets::ServiceType &type : presets.serviceTypes) {
        if (type.name == name)
            return &type;
        if (!byShortName && type.name.section(u'（', 0, 0) == name)
            byShortName = &type;
    }
    return byShortName;
}

using Problem = FileFailure::Problem;

// The frame a row makes, or the column that stood in the way and why.
struct RowOutcome
{
    Frame frame;
    FileFailure problem;
};

RowOutcome frameOf(const QHash<QString, QString> &row, const SignPresets &presets)
{
    RowOutcome out;
    Frame &frame = out.frame;
    const auto value = [&row](const QString &column) { return row.value(column); };
    const auto fail = [&out](const QString &column, const FileFailure &problem) {
        out.problem = problem.inKey(column);
        return out;
    };

    // The first of the columns that holds something, or nothing.
    const auto filled = [&value](const QStringList &columns) {
        const auto at = std::find_if(columns.cbegin(), columns.cend(),
                                     [&value](const QString &c) { return !value(c).isEmpty(); });
        return at == columns.cend() ? QString() : *at;
    };
    QStringList signColumns{kSign, kSignEnglish};
    for (const TranslationColumn &column : kSignTranslations)
        signColumns << column.name;
    QStringList typeColumns{kType, kDestination, kTypeEnglish, kDestinationEnglish};
    for (const TranslationColumn &column : kTypeTranslations)
        typeColumns << column.name;
    const bool signName = !filled(signColumns).isEmpty();
    const QString other = filled(typeColumns);
    const bool typed = !other.isEmpty();
    if (signName && typed)
        return fail(other, FileFailure::content(Problem::SignAndType));
    // Each column goes in as the window would enter it, through the frame's rules.
    const auto translate = [&](const auto &columns) {
        for (const TranslationColumn &column : columns)
            setTranslation(frame, column.language, column.line, value(column.name));
    };
    if (typed) {
        setLayout(frame, SignLayout::TypeAndDestination);
        setLineText(frame, SignLine::Main, value(kType));
        setLineText(frame, SignLine::English, value(kTypeEnglish));
        setLineText(frame, SignLine::Destination, value(kDestination));
        setLineText(frame, SignLine::DestinationSmall, value(kDestinationEnglish));
        translate(kTypeTranslations);
    } else {
        setLineText(frame, SignLine::Main, value(kSign));
        setLineText(frame, SignLine::English, value(kSignEnglish));
        translate(kSignTranslations);
    }
    setName(frame, value(kName));

    if (const QString preset = value(kPreset); !preset.isEmpty()) {
        const SignPresets::ServiceType *type = findPreset(presets, preset);
        if (!type)
            return fail(kPreset, FileFailure::content(Problem::UnknownPreset).withValue(preset));
        applyServiceType(frame, type->background, type->text);
    }
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    for (const auto &[column, target] : {std::pair{kTextColour, ColourTarget::MainText},
                                         {kEnglishColour, ColourTarget::EnglishText},
                                         {kBandColour, ColourTarget::EnglishBand}}) {
        const QString text = value(column).trimmed();
        if (text.isEmpty())
            continue;
        if (!hex.match(text).hasMatch())
            return fail(column,
                        FileFailure::content(Problem::UnreadableColour).withValue(value(column)));
        setColour(frame, target, QColor(text));
    }
    return out;
}

} // namespace

QStringList CsvFrames::columns()
{
    QStringList names{kSign, kSignEnglish, kType, kTypeEnglish, kDestination, kDestinationEnglish};
    for (const TranslationColumn &column : kSignTranslations)
        names << column.name;
    for (const TranslationColumn &column : kTypeTranslations)
        names << column.name;
    return names << kTextColour << kEnglishColour << kBandColour << kPreset << kName;
}

CsvFrames::Read CsvFrames::read(const QByteArray &bytes, const QString &fileName,
                                const SignPresets &presets)
{
    Read read;
    const CsvReader::Table table = CsvReader::parse(bytes);
    if (!table.ok()) {
        read.failure = table.failure.named(fileName);
        return read;
    }
    const FileFailure inFile = FileFailure::content(Problem::None).named(fileName);
    if (table.records.isEmpty()) {
        read.failure = inFile.withProblem(Problem::NoHeader).withChoices(columns());
        return read;
    }
    QStringList header;
    for (int i = 0; i < table.records.constFirst().fields.size(); ++i) {
        const QString column = table.records.constFirst().fields.at(i).trimmed();
        if (!columns().contains(column)) {
            read.failure = inFile.withProblem(Problem::UnknownColumn)
                               .inLine(1)
                               .inColumn(i + 1)
                               .withValue(column)
                               .withChoices(columns());
            return read;
        }
        if (header.contains(column)) {
            read.failure = inFile.withProblem(Problem::DuplicateColumn)
                               .inLine(1)
                               .inColumn(i + 1)
                               .withValue(column);
            return read;
        }
        header << column;
    }

    read.rows = int(table.records.size() - 1);
    if (read.rows == 0) {
        read.failure = inFile.withProblem(Problem::HeaderOnly);
        return read;
    }
    for (qsizetype r = 1; r < table.records.size(); ++r) {
        const CsvReader::Record &record = table.records.at(r);
        const int number = int(r);
        const FileFailure inRow = inFile.inLine(record.line);
        if (record.fields.size() > header.size()) {
            read.rowFailures << inRow.withProblem(Problem::TooManyFields)
                                    .withFound(record.fields.size())
                                    .withRange(0, header.size());
            continue;
        }
        QHash<QString, QString> row;
        FileFailure tooLong;
        for (qsizetype i = 0; i < record.fields.size(); ++i) {
            row.insert(header.at(i), record.fields.at(i));
            if (tooLong.ok() && record.fields.at(i).size() > Frame::kMaxLineLength)
                tooLong = inRow.withProblem(Problem::LineTooLong)
                              .inKey(header.at(i))
                              .withFound(record.fields.at(i).size())
                              .withRange(0, Frame::kMaxLineLength);
        }
        if (!tooLong.ok()) {
            read.rowFailures << tooLong;
            continue;
        }
        const RowOutcome outcome = frameOf(row, presets);
        if (!outcome.problem.ok()) {
            read.rowFailures << outcome.problem.named(fileName).inLine(record.line);
            continue;
        }
        read.frames << NumberedFrame{number, outcome.frame};
    }
    return read;
}
