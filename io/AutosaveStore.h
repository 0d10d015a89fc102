#pragma once

#include "io/RollFile.h"
#include "sign/Frame.h"

#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QString>

#include <map>
#include <memory>

// The autosave files in one folder. Each running copy holds its own numbered slot under a lock
// file: the roll while it has unsaved changes (autosave-N.quintelo, a roll file like any other)
// and the name of the roll file it has open (autosave-N.json), which tells the other copies
// which files are taken. A slot whose lock is gone or stale was left by a copy that did not end
// normally; its roll is a leftover, held by the copy that found it until the user has answered
// for it. Files are written through SafeFileWriter, so a crash mid-write leaves the previous
// autosave whole.
class AutosaveStore
{
public:
    // Declined leftovers are kept this long in the folder keptFolder() before they go.
    static constexpr int kKeptDays = 30;

    struct Leftover
    {
        QString fileName;
        QString rollFile; // the roll file its copy had open; empty for a roll never saved
        QDateTime lastChange;
    };

    explicit AutosaveStore(QString folder);
    ~AutosaveStore();

    AutosaveStore(const AutosaveStore &) = delete;
    AutosaveStore &operator=(const AutosaveStore &) = delete;

    // Takes an empty slot no running copy holds, and holds every leftover for this copy to offer;
    // false when no slot could be taken.
    bool claim();
    const QString &fileName() const { return m_fileName; }
    QString keptFolder() const;

    // What copies that did not end normally left, newest first.
    const QList<Leftover> &leftovers() const { return m_leftovers; }
    static RollFile::Loaded load(const Leftover &leftover)
    {
        return RollFile::load(leftover.fileName);
    }
    // The leftover's work lives on in this copy: its files go.
    void forget(const Leftover &leftover);
    // Declined: the leftover is moved to the kept folder. Answers where it went, or an empty
    // string when it could not be moved and stays where it was.
    QString keep(const Leftover &leftover);

    // The roll file this copy has open, for the other copies to see; a read-only one takes
    // nothing from them.
    void setRollFile(const QString &rollFile, bool readOnly);
    // Whether another running copy has rollFile open, not read-only.
    bool openElsewhere(const QString &rollFile) const;

    FileFailure write(const QList<Frame> &frames, const SignLook &look);
    // Nothing is unsaved: nothing is left to recover.
    void clear();
    // A normal end: the slot is left empty.
    void discard();

private:
    void release(const Leftover &leftover);

    QString m_folder;
    QString m_fileName;
    std::unique_ptr<QLockFile> m_lock;
    QList<Leftover> m_leftovers;
    std::map<QString, std::unique_ptr<QLockFile>> m_leftoverLocks;
};
