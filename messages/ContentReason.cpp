#include "messages/ContentReason.h"

#include <QCoreApplication>
#include <QJsonParseError>

#include <array>
#include <utility>

namespace {

using Problem = FileFailure::Problem;

} // namespace

QString ContentReason::jsonProblem(int code)
{
    static constexpr auto kProblems = std::to_array<std::pair<int, const char *>>({
        {QJsonParseError::UnterminatedObject,
         QT_TRANSLATE_NOOP("ContentReason", "オブジェクトが閉じられていません")},
        {QJsonParseError::MissingNameSeparator,
         QT_TRANSLATE_NOOP("ContentReason", "名前のあとに : がありません")},
        {QJsonParseError::UnterminatedArray,
         QT_TRANSLATE_NOOP("ContentReason", "配列が閉じられていません")},
        {QJsonParseError::MissingValueSeparator,
         QT_TRANSLATE_NOOP("ContentReason", "値のあとに , がありません")},
        {QJsonParseError::IllegalValue, QT_TRANSLATE_NOOP("ContentReason", "値が正しくありません")},
        {QJsonParseError::TerminationByNumber,
         QT_TRANSLATE_NOOP("ContentReason", "数の途中で終わっています")},
        {QJsonParseError::IllegalNumber,
         QT_TRANSLATE_NOOP("ContentReason", "数が正しくありません")},
        {QJsonParseError::IllegalEscapeSequence,
         QT_TRANSLATE_NOOP("ContentReason", "\\ で始まる書き方が正しくありません")},
        {QJsonParseError::IllegalUTF8String,
         QT_TRANSLATE_NOOP("ContentReason", "UTF-8 として読めない文字があります")},
        {QJsonParseError::UnterminatedString,
         QT_TRANSLATE_NOOP("ContentReason", "文字列が閉じられていません")},
        {QJsonParseError::MissingObject,
         QT_TRANSLATE_NOOP("ContentReason", "オブジェクトがありません")},
        {QJsonParseError::DeepNesting, QT_TRANSLATE_NOOP("ContentReason", "入れ子が深すぎます")},
        {QJsonParseError::DocumentTooLarge, QT_TRANSLATE_NOOP("ContentReason", "大きすぎます")},
        {QJsonParseError::GarbageAtEnd,
         QT_TRANSLATE_NOOP("ContentReason", "終わりのあとに余分な文字があります")},
    });
    for (const auto &[each, text] : kProblems)
        if (each == code)
            return tr(text);
    return tr("JSON のエラー %1").arg(code);
}

QString ContentReason::valueProblem(const FileFailure &failure)
{
    switch (failure.problem) {
    case Problem::NotString:
        return tr("文字列ではありません");
    case Problem::NotBool:
        return tr("true / false ではありません");
    case Problem::NotObject:
        return tr("オブジェクトではありません");
    case Problem::NulCharacter:
        return tr("NUL 文字が含まれています");
    case Problem::LineTooLong:
        return tr("%1 文字あります。1 行は %2 文字までです").arg(failure.found).arg(failure.most);
    case Problem::NotColour:
        return tr("\"#RRGGBB\" の形の色ではありません");
    case Problem::NumberOutOfRange:
        return tr("%1 から %2 までの数ではありません").arg(failure.least).arg(failure.most);
    case Problem::IntegerOutOfRange:
        return tr("%1 から %2 までの整数ではありません").arg(failure.least).arg(failure.most);
    case Problem::NotOneOf:
        if (failure.choices.size() == 2)
            return tr("\"%1\" か \"%2\" ではありません")
                .arg(failure.choices.at(0), failure.choices.at(1));
        return tr("\"%1\" のどれかではありません")
            .arg(failure.choices.join(QStringLiteral("\", \"")));
    default:
        return {};
    }
}

QString ContentReason::fileProblem(const FileFailure &failure, const QString &noun)
{
    const QString columns = failure.choices.join(QStringLiteral(", "));
    switch (failure.problem) {
    case Problem::BrokenJson:
        return tr("%1の形（JSON）が %2 バイト目で壊れています（%3）。")
            .arg(noun)
            .arg(failure.where.offset)
            .arg(jsonProblem(failure.code));
    case Problem::NotRollFile:
        return tr("Quintelo の幕データではありません。");
    case Problem::NotJsonObject:
        return tr("全体が { } のオブジェクトになっていません。");
    case Problem::BadVersion:
        return tr("幕データの版（version）が正しくありません。");
    case Problem::NewerVersion:
        return (failure.found > 0 ? tr("このファイルは新しい版（%1）の Quintelo で作られました。")
                                        .arg(failure.found)
                                  : tr("このファイルは新しい版の Quintelo で作られました。")) +
               tr("この Quintelo が読めるのは版 %1 までです。").arg(failure.most);
    case Problem::NoFrameList:
        return tr("コマの並び（frames）がありません。");
    case Problem::NoFrames:
        return tr("コマが一つもありません。");
    case Problem::TooManyFrames:
        return tr("コマが多すぎます（%1 コマまで）。").arg(failure.most);
    case Problem::NotFrameObject:
        return tr("%1 コマ目がオブジェクトではありません。").arg(failure.where.item);
    case Problem::IncompleteEntry:
        return tr("%1 の %2 番目に名前か色（#RRGGBB）がありません。")
            .arg(failure.where.key)
            .arg(failure.where.item);
    case Problem::BadUtf16:
        return tr("UTF-16 の文字として読めないところがあります。");
    case Problem::UnknownEncoding:
        return tr("文字コードが読めません。UTF-8 でも Shift_JIS (CP932) でもない文字があります。"
                  "UTF-8 か Shift_JIS で保存し直してください。");
    case Problem::BadUtf8:
        return tr("UTF-8 の文字として読めないところがあります。");
    case Problem::NulInTable:
        return tr("NUL 文字があります。テキストの表ではないようです。");
    case Problem::TooManyRows:
        return tr("行が多すぎます。見出しのほかに %1 行までです。").arg(failure.most);
    case Problem::TextAfterQuote:
        return tr("引用符 \" で閉じたフィールドのあとに文字があります。"
                  "フィールドの中の \" は \"\" と 2 つ重ねて書いてください。");
    case Problem::UnclosedQuote:
        return tr("引用符 \" で始まったフィールドが閉じられないままファイルが終わっています。");
    case Problem::NoHeader:
        return tr("見出しの行がありません。1 行目に列の名前 (%1) を書いてください。").arg(columns);
    case Problem::UnknownColumn:
        return tr("「%1」という列は使えません。使える列: %2").arg(failure.value, columns);
    case Problem::DuplicateColumn:
        return tr("「%1」の列が 2 つあります。").arg(failure.value);
    case Problem::HeaderOnly:
        return tr("見出しの行だけで、コマにする行がありません。");
    case Problem::TooManyFields:
        return tr("列が %1 個あります。見出しの列は %2 個です。")
            .arg(failure.found)
            .arg(failure.most);
    case Problem::SignAndType:
        return tr("方向幕 (sign, sign_en, sign_zh, sign_ko) と種別・行き先 (%1) "
                  "は同じ行に書けません。"
                  "どちらか一方にしてください。")
            .arg(failure.where.key);
    case Problem::UnknownPreset:
        return tr("種別プリセット「%1」はありません。").arg(failure.value);
    case Problem::UnreadableColour:
        return tr("色「%1」が読めません。#RRGGBB の形（例: #FF7F27）で書いてください。")
            .arg(failure.value);
    default:
        return {};
    }
}

QString ContentReason::inRoll(const FileFailure::Place &where, QString problem)
{
    if (!where.subKey.isEmpty())
        problem = QStringLiteral("%1: %2").arg(where.subKey, problem);
    if (where.item > 0)
        return tr("%1 コマ目の「%2」が正しくありません（%3）。")
            .arg(where.item)
            .arg(where.key, problem);
    if (where.key == QLatin1String("look"))
        return tr("表示（look）が正しくありません（%1）。").arg(problem);
    if (where.key == QLatin1String("led"))
        return tr("LED の設定（led）が正しくありません（%1）。").arg(problem);
    return tr("「%1」が正しくありません（%2）。").arg(where.key, problem);
}

QString ContentReason::tablePlace(const FileFailure::Place &where)
{
    if (where.line <= 0)
        return {};
    if (where.column > 0)
        return tr("%1 行目 %2 列目: ").arg(where.line).arg(where.column);
    if (!where.key.isEmpty())
        return tr("%1 行目「%2」列: ").arg(where.line).arg(where.key);
    return tr("%1 行目: ").arg(where.line);
}

QString ContentReason::of(const FileFailure &failure, const QString &noun)
{
    const QString value = valueProblem(failure);
    if (failure.where.line > 0)
        return tablePlace(failure.where) +
               (value.isEmpty() ? fileProblem(failure, noun) : value + tr("。"));
    if (!value.isEmpty())
        return inRoll(failure.where, value);
    return fileProblem(failure, noun);
}
