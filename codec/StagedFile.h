#pragma once

#include "codec/AnimationOutcome.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <memory>

class QFile;
class ShortTempSaveFile;

// A file written under a short temporary name beside its target, which takes the target's
// place only once complete (see ShortTempSaveFile): until commit() succeeds the target stays as
// it was, and a file not committed is removed. Only a regular file is ever replaced.
class StagedFile
{
public:
    explicit StagedFile(QString target);
    ~StagedFile();

    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    // What stands in the way of writing target, found before any file is touched: besides what
    // stops every save, a device, a FIFO or a socket under the name.
    static AnimationOutcome check(const QString &target);

    // Checks the target again and creates the temporary file. An encoder that keeps its own
    // buffer opens it Unbuffered, so that what it wrote can be read back by name at once.
    AnimationOutcome open(QIODevice::OpenMode mode);
    QFile &file();
    // The temporary file's path while it is open.
    QString temporaryPath() const;
    AnimationOutcome commit();
    void discard();

private:
    QString m_target;
    std::unique_ptr<ShortTempSaveFile> m_temp;
    // The temporary file's handle as a device, for the encoders that write to one.
    std::unique_ptr<QFile> m_device;
};

// Writes all of bytes onto device. A write the system cuts short (a disk filling up) is tried
// again for the rest, which makes the device say why it takes no more. Answers an empty string
// on success, otherwise the device's reason.
QString writeFully(QIODevice &device, QByteArrayView bytes);
