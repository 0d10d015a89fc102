#include "io/CsvReader.h"

#include <QStringList>

#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace {

// The bytes converted from encoding to UTF-8 by the system's iconv; where they are not valid
// in it, the line (from 1) they stop being so on.
struct Converted
{
    QByteArray utf8;
    int badLine = 0; // 0: all of it converted
};

Converted convert(const char *encoding, const QByteArray &bytes)
{
    Converted out;
    const iconv_t cd = iconv_open("UTF-8", encoding);
    // iconv_open() answers (iconv_t)-1 when it has no such conversion.
    if (reinterpret_cast<std::intptr_t>(cd) == -1) {
        out.badLine = 1;
        return out;
    }
    // UTF-8 takes at most three bytes for a character any of these encodings gives in two or
    // one, and two bytes of UTF-16 at most three of UTF-8.
    out.utf8.resize(bytes.size() * 3 + 4);
    auto *in = const_cast<char *>(bytes.constData());
    auto inLeft = std::size_t(bytes.size());
    char *to = out.utf8.data();
    auto toLeft = std::size_t(out.utf8.size());
    const std::size_t done = iconv(cd, &in, &inLeft, &to, &toLeft);
    const bool whole = done != std::size_t(-1) && inLeft == 0 &&
                       iconv(cd, nullptr, nullptr, &to, &toLeft) != std::size_t(-1);
    iconv_close(cd);
    out.utf8.truncate(out.utf8.size() - qsizetype(toLeft));
    if (!whole)
        out.badLine = int(out.utf8.count('\n')) + 1;
    return out;
}

// The line the first NUL of text is on, 0 for none: a table's text holds none, and a name with
// one would be cut short where it is handed to the system.
int nulLine(const QString &text)
{
    const qsizetype at = text.indexOf(QChar(0));
    return at < 0 ? 0 : int(QStringView(text).left(at).count(u'\n')) + 1;
}

} // namespace

CsvReader::Text CsvReader::decode(const QByteArray &bytes)
{
    using Problem = FileFailure::Problem;
    Text out;
    Converted converted;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool little = bytes.startsWith("\xFF\xFE");
        converted = convert(little ? "UTF-16LE" : "UTF-16BE", bytes.mid(2));
        if (converted.badLine > 0) {
            out.failure = FileFailure::content(Problem::BadUtf16).inLine(converted.badLine);
            return out;
        }
    } else {
        const bool bom = bytes.startsWith("\xEF\xBB\xBF");
        converted = convert("UTF-8", bom ? bytes.mid(3) : bytes);
        // Without a byte order mark the file may be Shift_JIS, as Japanese spreadsheets save.
        if (converted.badLine > 0 && !bom) {
            const Converted cp932 = convert("CP932", bytes);
            if (cp932.badLine == 0) {
                converted = cp932;
            } else {
                // The encoding that read further is the likelier one meant: its line is told.
                out.failure = FileFailure::content(Problem::UnknownEncoding)
                                  .inLine(std::max(converted.badLine, cp932.badLine));
                return out;
            }
        } else if (converted.badLine > 0) {
            out.failure = FileFailure::content(Problem::BadUtf8).inLine(converted.badLine);
            return out;
        }
    }
    out.text = QString::fromUtf8(converted.utf8);
    if (const int line = nulLine(out.text); line > 0) {
        out.failure = FileFailure::content(Problem::NulInTable).inLine(line);
        out.text.clear();
    }
    return out;
}

CsvReader::Table CsvReader::parse(const QByteArray &bytes)
{
    using Problem = FileFailure::Problem;
    Table table;
    const Text decoded = decode(bytes);
    if (!decoded.failure.ok()) {
        table.failure = decoded.failure;
        return table;
    }
    const FileFailure tooManyRows =
        FileFailure::content(Problem::TooManyRows).withRange(0, kMaxRecords - 1);
    const QString &text = decoded.text;
    // Tab-separated where the header line has more tabs than commas, as a spreadsheet's
    // "Unicode text" and most tab-separated files do.
    const QStringView header = QStringView(text).left(text.indexOf(u'\n'));
    const QChar separator = header.count(u'\t') > header.count(u',') ? u'\t' : u',';

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
        if (c == separator) {
            endField();
        } else if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            continue;
        } else if (c == u'\n') {
            ++line;
            endRecord();
            if (table.records.size() > kMaxRecords) {
                table.records.clear();
                table.failure = tooManyRows;
                return table;
            }
        } else if (c == u'"' && !fieldStarted) {
            quoted = wasQuoted = fieldStarted = true;
        } else if (wasQuoted) {
            table.failure = FileFailure::content(Problem::TextAfterQuote).inLine(line);
            return table;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        table.failure = FileFailure::content(Problem::UnclosedQuote).inLine(record.line);
        return table;
    }
    endRecord();
    if (table.records.size() > kMaxRecords) {
        table.records.clear();
        table.failure = tooManyRows;
    }
    return table;
}
