#pragma once

#include "files/FileFailure.h"

#include <QCoreApplication>
#include <QString>

// Why the bytes of a file are not what it should hold (FileFailure::BadContent), with where:
// "2 コマ目の「english」が正しくありません（…）。" in a roll file, "3 行目「band_colour」列:
// …" in a table.
class ContentReason
{
    Q_DECLARE_TR_FUNCTIONS(ContentReason)

public:
    // noun names the file's kind where a sentence needs it.
    static QString of(const FileFailure &failure, const QString &noun);

private:
    // What the JSON parser found, by its error number: Qt words it in English.
    static QString jsonProblem(int code);
    // What is wrong with a value, as a phrase without a full stop; empty for a problem that is
    // not a value's.
    static QString valueProblem(const FileFailure &failure);
    // What is wrong with the file, as sentences; empty for a problem of a value alone.
    static QString fileProblem(const FileFailure &failure, const QString &noun);
    // Where a value stands in a roll file: a frame's field, or a key of the whole.
    static QString inRoll(const FileFailure::Place &where, QString problem);
    // Where in a table: a line, a line's column by its name or by its number.
    static QString tablePlace(const FileFailure::Place &where);
};
