#pragma once

#include "io/RollFile.h"
#include "sign/Frame.h"

#include <QList>
#include <QLockFile>
#include <QString>

#include <memory>

// The autosave files in one folder. Each running copy holds its own numbered file under a lock
// file; a file whose lock is gone or stale was left by a copy that did not end normally, and is
// offered back once. Files are written through SafeFileWriter, so a crash mid-write leaves the
// previous autosave whole.
class AutosaveStore
{
public:
    explicit AutosaveStore(QString folder);
    ~AutosaveStore();

    AutosaveStore(const AutosaveStore &) = delete;
    AutosaveStore &operator=(const AutosaveStore &) = delete;

    // The first file no running copy holds; false when none could be locked.
    bool claim();
    const QString &fileName() const { return m_fileName; }

    // What a copy that did not end normally left in the claimed file, or an error.
    bool hasLeftover() const;
    RollFile::Loaded leftover() const;
    // Keeps a declined leftover under a dated name until the next start.
    void setLeftoverAside();

    // Answers an empty string, or what went wrong.
    QString write(const QList<Frame> &frames, const SignLook &look);
    // A normal end: nothing is left to recover.
    void discard();

private:
    QString m_folder;
    QString m_fileName;
    std::unique_ptr<QLockFile> m_lock;
};
