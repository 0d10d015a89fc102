#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated values as RFC 4180 writes them, from UTF-8 with or without a byte order
// mark: fields in double quotes may hold commas, line breaks and doubled quotes; lines end in
// CRLF or LF. Blank lines hold no record.
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
        QString error; // in Japanese, naming the line; empty when the whole file was read

        bool ok() const { return error.isEmpty(); }
    };

    static Table parse(const QByteArray &bytes);
};
