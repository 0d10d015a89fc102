#pragma once

#include <QByteArray>
#include <QString>

// Writes a file beside its target and puts it in the target's place only once it is complete,
// under a short temporary name that fits wherever the target's name does. Until commit()
// succeeds the target stays as it was, and no temporary file is seen: where the file system
// allows, the file has no name at all until it is complete (Linux's O_TMPFILE), and it takes one
// only for the moment before it replaces the target. Any temporary file left by a process that
// was killed is locked by nobody, and removeLeftovers() clears it away.
//
// Every call answers 0 on success, otherwise the system's error number.
class ShortTempSaveFile
{
public:
    // target: the file to replace or make, its links already followed.
    explicit ShortTempSaveFile(QString target);
    ~ShortTempSaveFile();

    ShortTempSaveFile(const ShortTempSaveFile &) = delete;
    ShortTempSaveFile &operator=(const ShortTempSaveFile &) = delete;

    int open();
    int write(const QByteArray &bytes);
    // The open file, for a writer that writes, seeks and flushes it itself.
    int handle() const { return m_handle; }
    // A path that opens the temporary file again, for an encoder that reads back what it wrote;
    // empty when the file is not open.
    QString reopenablePath() const;
    // sync: wait for the disk first; without it the bytes are left to the system's cache, for a
    // caller that syncs the whole file system once after many files (syncFileSystem).
    int commit(bool sync);

    // The length of the temporary file's name, in bytes as in characters.
    static constexpr qsizetype kTempNameLength = 8;
    // Whether name is one this class gives its temporary files.
    static bool isTempName(const QString &name);
    // Removes the temporary files in folder that no running save holds.
    static void removeLeftovers(const QString &folder);

private:
    void discard();

    QString m_target;
    QString m_tempPath; // the temporary file's name, while it has one
    int m_handle = -1;
};
