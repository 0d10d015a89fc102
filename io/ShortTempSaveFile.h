#pragma once

#include <QFile>

// Writes a file under a short temporary name beside its target and puts it in the target's
// place only once it is complete, as QSaveFile does, for names too long to take the suffix
// QSaveFile adds for its temporary file. Until commit() succeeds the target stays as it was;
// a temporary file that is not committed is removed. Unlike QSaveFile it replaces a target the
// user may not write: SafeFileWriter refuses a write-protected file before either is opened.
class ShortTempSaveFile final : public QFile
{
public:
    explicit ShortTempSaveFile(const QString &fileName, QObject *parent = nullptr);
    ~ShortTempSaveFile() override;

    ShortTempSaveFile(const ShortTempSaveFile &) = delete;
    ShortTempSaveFile &operator=(const ShortTempSaveFile &) = delete;

    // Creates the temporary file, which takes the place of the target on commit().
    using QFile::open;
    bool open(OpenMode mode) override;
    void cancelWriting();
    bool commit();
    // Off: commit() leaves the bytes to the system's cache, for a caller that syncs the whole
    // file system once after many files (syncFileSystem).
    void setSyncOnCommit(bool sync) { m_sync = sync; }

    // The length of the temporary file's name, in bytes as in characters.
    static constexpr qsizetype kTempNameLength = 8;

private:
    void discard();

    QString m_target;
    bool m_pending = false;
    bool m_sync = true;
};
