#pragma once

#include <QCoreApplication>
#include <QString>

// The names --each gives its files: {n} is the frame's number, {n:03} the number padded with
// zeros to three digits, {name} the frame's name made safe for a file name. The pattern's
// extension picks the format.
class FileNamePattern
{
    Q_DECLARE_TR_FUNCTIONS(FileNamePattern)

public:
    explicit FileNamePattern(const QString &pattern);

    // What is wrong with the pattern, in Japanese; empty when it can be used.
    QString problem() const { return m_problem; }
    QString fileName(int number, const QString &name) const;

    // name with everything a file system would refuse or misread replaced by _, and
    // shortened to a length every file system takes.
    static QString safe(const QString &name);

private:
    QString m_pattern;
    QString m_problem;
};
