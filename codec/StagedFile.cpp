#include "codec/StagedFile.h"

#include "files/HandleDevice.h"
#include "files/SafeFileWriter.h"
#include "files/ShortTempSaveFile.h"

#include <QFileInfo>

namespace {

constexpr auto kWrite = FileFailure::Action::Write;

} // namespace

StagedFile::StagedFile(QString target)
    : m_target(std::move(target))
{}

StagedFile::~StagedFile()
{
    discard();
}

FileFailure StagedFile::open(QIODevice::OpenMode mode)
{
    if (FileFailure checked = SafeFileWriter::check(m_target); !checked.ok())
        return checked;
    // The name a link leads to is the one replaced, and the link stays a link.
    const QString target =
        QFileInfo(m_target).exists() ? QFileInfo(m_target).canonicalFilePath() : m_target;
    m_temp = std::make_unique<ShortTempSaveFile>(target);
    if (const int error = m_temp->open(); error != 0) {
        m_temp.reset();
        return FileFailure::of(FileFailure::Kind::CannotCreate, kWrite, m_target, error);
    }
    m_device = std::make_unique<HandleDevice>(m_temp->handle());
    m_device->open(mode | QIODevice::Unbuffered);
    return {};
}

QIODevice &StagedFile::file()
{
    return *m_device;
}

QString StagedFile::temporaryPath() const
{
    return m_temp ? m_temp->reopenablePath() : QString();
}

FileFailure StagedFile::writeFailed() const
{
    return FileFailure::of(FileFailure::Kind::WriteFailed, kWrite, m_target,
                           m_device ? m_device->systemError() : 0);
}

FileFailure StagedFile::commit()
{
    if (!m_temp || !m_device)
        return FileFailure::of(FileFailure::Kind::CommitFailed, kWrite, m_target);
    m_device.reset();
    FileFailure outcome;
    if (const int error = m_temp->commit(true); error != 0)
        outcome = FileFailure::of(FileFailure::Kind::CommitFailed, kWrite, m_target, error);
    m_temp.reset();
    return outcome;
}

void StagedFile::discard()
{
    // A temporary file not committed removes itself.
    m_device.reset();
    m_temp.reset();
}

bool writeFully(QIODevice &device, QByteArrayView bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = device.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}
