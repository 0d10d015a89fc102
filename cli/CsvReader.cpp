#include "cli/CsvReader.h"

CsvReader::Table CsvReader::parse(const QByteArray &bytes)
{
    Table table;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    Record record{1, {}};
    QString field;
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the field began with a quote
    bool fieldStarted = false;
    int line = 1;
    const auto endField = [&] {
        record.fields << field;
        field.clear();
        wasQuoted = fieldStarted = false;
    };
    const auto endRecord = [&] {
        endField();
        // A blank line is one empty unquoted field: no record.
        if (record.fields.size() > 1 || !record.fields.constFirst().isEmpty())
            table.records << record;
        record = Record{line, {}};
    };

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text.at(i + 1) == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u',') {
            endField();
        } else if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            continue;
        } else if (c == u'\n') {
            ++line;
            endRecord();
        } else if (c == u'"' && !fieldStarted) {
            quoted = wasQuoted = fieldStarted = true;
        } else if (wasQuoted) {
            table.error =
                QStringLiteral("%1 行目: 引用符 \" で閉じたフィールドのあとに文字があります。"
                               "フィールドの中の \" は \"\" と 2 つ重ねて書いてください。")
                    .arg(line);
            return table;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        table.error = QStringLiteral("%1 行目: 引用符 \" で始まったフィールドが閉じられないまま"
                                     "ファイルが終わっています。")
                          .arg(record.line);
        return table;
    }
    endRecord();
    return table;
}
