#pragma once

#include "files/FileFailure.h"
#include "sign/Frame.h"
#include "sign/SignLook.h"

#include <QByteArray>
#include <QList>
#include <QString>

class SaveJournal;

// The roll file (.quintelo): a document's frames and look as versioned UTF-8 JSON, described in
// docs/roll-format.md. Reading checks everything before it answers, so a file that cannot be
// read whole gives no frames at all, and a failure names the file and where in it the fault
// lies.
class RollFile
{
public:
    static constexpr int kVersion = 1;
    static constexpr qsizetype kMaxFrames = 10000;
    static constexpr qint64 kMaxBytes = qint64(16) * 1024 * 1024;

    struct Loaded
    {
        QList<Frame> frames;
        FileFailure failure; // ok() when frames holds the whole roll
        SignLook look;

        bool ok() const { return failure.ok(); }
    };

    static QByteArray toJson(const QList<Frame> &frames, const SignLook &look = SignLook());
    // fileName only names the file in the failure.
    static Loaded fromJson(const QByteArray &json, const QString &fileName);

    static Loaded load(const QString &fileName);
    // Written through SafeFileWriter, with journal for a file overwritten where it stands.
    static FileFailure save(const QList<Frame> &frames, const QString &fileName,
                            const SignLook &look = SignLook(),
                            const SaveJournal *journal = nullptr);
};
