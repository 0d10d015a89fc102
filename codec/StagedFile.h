#pragma once

#include "files/FileFailure.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <memory>

class HandleDevice;
class ShortTempSaveFile;

// A file written under a short temporary name beside its target, which takes the target's
// place only once complete (see ShortTempSaveFile): until commit() succeeds the target stays as
// it was, and a file not committed is removed. Only a regular file is ever replaced. Every
// failure names the target as given.
class StagedFile
{
public:
    explicit StagedFile(QString target);
    ~StagedFile();

    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    // Checks the target as every save does (SafeFileWriter::check: only a regular file or a new
    // name) and creates the temporary file. Nothing is buffered on the way: what an encoder
    // wrote can be read back by name at once, and a write the disk refuses keeps the system's
    // reason (see HandleDevice).
    FileFailure open(QIODevice::OpenMode mode);
    QIODevice &file();
    // The temporary file's path while it is open.
    QString temporaryPath() const;
    FileFailure commit();
    void discard();
    // A write to the file that failed, with the system's reason.
    FileFailure writeFailed() const;

private:
    QString m_target;
    std::unique_ptr<ShortTempSaveFile> m_temp;
    // The temporary file's handle as a device, for the encoders that write to one.
    std::unique_ptr<HandleDevice> m_device;
};

// Writes all of bytes onto device, trying again for the rest where the system takes only part
// (a disk filling up), which makes it tell why it takes no more. Answers whether all went.
bool writeFully(QIODevice &device, QByteArrayView bytes);
