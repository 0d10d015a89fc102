#pragma once

#include "files/FileFailure.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A table as spreadsheets save it: comma-separated values as RFC 4180 writes them, or values
// separated by tabs (told apart by the header line). Fields in double quotes may hold
// separators, line breaks and doubled quotes; lines end in CRLF or LF. Blank lines hold no
// record. The text is UTF-8 with or without a byte order mark, UTF-16 with one (a spreadsheet's
// "Unicode text"), or Shift_JIS as Windows writes it (CP932, what Japanese spreadsheets save by
// default); anything that is none of these is refused rather than read as something else.
class CsvReader
{
public:
    struct Record
    {
        int line = 0; // the line of the file the record starts on, from 1
        QStringList fields;
    };
    struct Table
    {
        QList<Record> records;
        FileFailure failure; // BadContent, naming the line; ok() when the whole file was read

        bool ok() const { return failure.ok(); }
    };

    // The most rows a table may have, its header included.
    static constexpr qsizetype kMaxRecords = 100001;

    static Table parse(const QByteArray &bytes);

    struct Text
    {
        QString text;
        FileFailure failure; // naming the line, when the bytes are in no encoding read
    };
    // The bytes as text, in whichever of the encodings read they are, without a byte order mark.
    static Text decode(const QByteArray &bytes);
};
