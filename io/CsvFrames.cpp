#include "io/CsvFrames.h"

#include "io/CsvReader.h"
#include "sign/FrameRules.h"

#include <QFileInfo>
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

// The frame a row makes, or the column that stood in the way and why.
struct RowOutcome
{
    Frame frame;
    QString column;
    QString problem;
};

RowOutcome frameOf(const QHash<QString, QString> &row, const SignPresets &presets)
{
    RowOutcome out;
    Frame &frame = out.frame;
    const auto value = [&row](const QString &column) { return row.value(column); };
    const auto fail = [&out](const QString &column, const QString &problem) {
        out.column = column;
        out.problem = problem;
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
        return fail(other, QStringLiteral("方向幕 (sign, sign_en, sign_zh, sign_ko) と種別・行き先 "
                                          "(%1) は同じ行に書けません。どちらか一方にしてくださ"
                                          "い。")
                               .arg(other));
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
            return fail(kPreset, QStringLiteral("種別プリセット「%1」はありません。").arg(preset));
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
            return fail(column, QStringLiteral("色「%1」が読めません。#RRGGBB の形"
                                               "（例: #FF7F27）で書いてください。")
                                    .arg(value(column)));
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
    const QString shown = QFileInfo(fileName).fileName();
    const CsvReader::Table table = CsvReader::parse(bytes);
    if (!table.ok()) {
        read.error = QStringLiteral("%1: %2").arg(shown, table.error);
        return read;
    }
    if (table.records.isEmpty()) {
        read.error = QStringLiteral("%1: 見出しの行がありません。1 行目に列の名前 (%2) を"
                                    "書いてください。")
                         .arg(shown, columns().join(QStringLiteral(", ")));
        return read;
    }
    QStringList header;
    for (int i = 0; i < table.records.constFirst().fields.size(); ++i) {
        const QString column = table.records.constFirst().fields.at(i).trimmed();
        if (!columns().contains(column)) {
            read.error = QStringLiteral("%1: 1 行目 %2 列目: 「%3」という列は使えません。"
                                        "使える列: %4")
                             .arg(shown)
                             .arg(i + 1)
                             .arg(column, columns().join(QStringLiteral(", ")));
            return read;
        }
        if (header.contains(column)) {
            read.error = QStringLiteral("%1: 1 行目 %2 列目: 「%3」の列が 2 つあります。")
                             .arg(shown)
                             .arg(i + 1)
                             .arg(column);
            return read;
        }
        header << column;
    }

    read.rows = int(table.records.size() - 1);
    if (read.rows == 0) {
        read.error = QStringLiteral("%1: 見出しの行だけで、コマにする行がありません。").arg(shown);
        return read;
    }
    for (qsizetype r = 1; r < table.records.size(); ++r) {
        const CsvReader::Record &record = table.records.at(r);
        const int number = int(r);
        if (record.fields.size() > header.size()) {
            read.rowErrors << QStringLiteral("%1: %2 行目: 列が %3 個あります。見出しの列は %4 個"
                                             "です。")
                                  .arg(shown)
                                  .arg(record.line)
                                  .arg(record.fields.size())
                                  .arg(header.size());
            continue;
        }
        QHash<QString, QString> row;
        QString tooLong;
        for (qsizetype i = 0; i < record.fields.size(); ++i) {
            row.insert(header.at(i), record.fields.at(i));
            if (tooLong.isEmpty() && record.fields.at(i).size() > Frame::kMaxLineLength)
                tooLong = QStringLiteral("%1: %2 行目「%3」列: %4 文字あります。1 行は %5 文字"
                                         "までです。")
                              .arg(shown)
                              .arg(record.line)
                              .arg(header.at(i))
                              .arg(record.fields.at(i).size())
                              .arg(Frame::kMaxLineLength);
        }
        if (!tooLong.isEmpty()) {
            read.rowErrors << tooLong;
            continue;
        }
        const RowOutcome outcome = frameOf(row, presets);
        if (!outcome.problem.isEmpty()) {
            read.rowErrors << QStringLiteral("%1: %2 行目「%3」列: %4")
                                  .arg(shown)
                                  .arg(record.line)
                                  .arg(outcome.column, outcome.problem);
            continue;
        }
        read.frames << NumberedFrame{number, outcome.frame};
    }
    return read;
}
