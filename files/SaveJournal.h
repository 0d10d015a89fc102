#pragma once

#include "files/FileFailure.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class QLockFile;

// Copies of files while they are overwritten where they stand (in a folder that takes no new
// file, a save cannot write beside the old file and swap). Before the first byte goes over the
// old ones, the old file is copied into the journal's folder, in the user's data folder, and
// synced; once the new bytes are on the disk the copy goes. A copy still there at the next
// start means the save was cut off, and restoreLeftovers() puts the old file back whole.
class SaveJournal
{
public:
    explicit SaveJournal(QString folder);
    // Where both programs keep the journal, inside the user's data folder.
    static QString defaultFolder(const QString &dataFolder);

    const QString &folder() const { return m_folder; }

    // One copy, held (locked) from the moment it is made until it is dropped, so that another
    // copy of the program restoring leftovers never takes it for a cut-off save's.
    class Entry
    {
    public:
        Entry(QString path, std::unique_ptr<QLockFile> lock);
        ~Entry();
        Entry(const Entry &) = delete;
        Entry &operator=(const Entry &) = delete;

        // The save is complete, or the old bytes are back: the copy is no longer needed.
        void drop();

    private:
        QString m_path;
        std::unique_ptr<QLockFile> m_lock;
        bool m_dropped = false;
    };

    struct Begun
    {
        std::unique_ptr<Entry> entry;
        int error = 0; // the system's error number when the copy could not be made
    };
    // Copies old, the bytes of target (its links followed), into the journal, synced.
    Begun begin(const QString &target, const QByteArray &old) const;

    struct Restored
    {
        QString target;
        FileFailure failure; // why the old file could not be put back; ok() when it is back
        QString copy;        // where its old bytes stay meanwhile, when it is not
    };
    // Puts back every file whose save was cut off, and answers which; copies that another
    // running copy holds are left alone.
    QList<Restored> restoreLeftovers() const;

private:
    QString m_folder;
};
