#include "codec/StagedFile.h"

#include "files/SafeFileWriter.h"
#include "files/ShortTempSaveFile.h"
#include "files/SystemReason.h"

#include <QFile>
#include <QFileInfo>

namespace {

AnimationFailure animationFailure(SafeFileWriter::Failure failure)
{
    using enum SafeFileWriter::Failure;
    switch (failure) {
    case None:
        return AnimationFailure::None;
    case FolderMissing:
        return AnimationFailure::FolderMissing;
    case IsFolder:
        return AnimationFailure::IsFolder;
    case SpecialFile:
    case DanglingLink:
        return AnimationFailure::NotRegularFile;
    case WriteProtected:
        return AnimationFailure::WriteProtected;
    case BadName:
    case CannotCreate:
        return AnimationFailure::CannotCreate;
    case NameTooLong:
        return AnimationFailure::NameTooLong;
    case PathTooLong:
        return AnimationFailure::PathTooLong;
    case CommitFailed:
        return AnimationFailure::CommitFailed;
    case NoCopy:
    case WriteFailed:
    case RestoreFailed:
        break;
    }
    return AnimationFailure::WriteFailed;
}

} // namespace

StagedFile::StagedFile(QString target)
    : m_target(std::move(target))
{}

StagedFile::~StagedFile()
{
    discard();
}

AnimationOutcome StagedFile::check(const QString &target)
{
    if (const SafeFileWriter::Outcome checked = SafeFileWriter::check(target); !checked.ok())
        return {animationFailure(checked.failure), checked.reason()};
    return {};
}

AnimationOutcome StagedFile::open(QIODevice::OpenMode mode)
{
    if (AnimationOutcome checked = check(m_target); !checked.ok())
        return checked;
    // The name a link leads to is the one replaced, and the link stays a link.
    const QString target =
        QFileInfo(m_target).exists() ? QFileInfo(m_target).canonicalFilePath() : m_target;
    m_temp = std::make_unique<ShortTempSaveFile>(target);
    if (const int error = m_temp->open(); error != 0) {
        m_temp.reset();
        return {AnimationFailure::CannotCreate, systemReason(error)};
    }
    m_device = std::make_unique<QFile>();
    if (!m_device->open(m_temp->handle(), mode, QFileDevice::DontCloseHandle)) {
        AnimationOutcome failed{AnimationFailure::CannotCreate, m_device->errorString()};
        discard();
        return failed;
    }
    return {};
}

QFile &StagedFile::file()
{
    return *m_device;
}

QString StagedFile::temporaryPath() const
{
    return m_temp ? m_temp->reopenablePath() : QString();
}

AnimationOutcome StagedFile::commit()
{
    if (!m_temp || !m_device)
        return {AnimationFailure::CommitFailed, {}};
    AnimationOutcome outcome;
    if (!m_device->flush())
        outcome = {AnimationFailure::WriteFailed, m_device->errorString()};
    m_device.reset();
    if (outcome.ok()) {
        if (const int error = m_temp->commit(true); error != 0)
            outcome = {AnimationFailure::CommitFailed, systemReason(error)};
    }
    m_temp.reset();
    return outcome;
}

void StagedFile::discard()
{
    // A temporary file not committed removes itself.
    m_device.reset();
    m_temp.reset();
}

QString writeFully(QIODevice &device, QByteArrayView bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = device.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return device.errorString();
        done += written;
    }
    return {};
}
