#include "codec/StagedFile.h"

#include "io/SafeFileWriter.h"
#include "io/ShortTempSaveFile.h"

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
    case WriteProtected:
        return AnimationFailure::WriteProtected;
    case CannotCreate:
        return AnimationFailure::CannotCreate;
    case NameTooLong:
        return AnimationFailure::NameTooLong;
    case PathTooLong:
        return AnimationFailure::PathTooLong;
    case CommitFailed:
        return AnimationFailure::CommitFailed;
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

StagedFile::~StagedFile() = default;

AnimationOutcome StagedFile::check(const QString &target)
{
    if (const SafeFileWriter::Outcome checked = SafeFileWriter::check(target); !checked.ok())
        return {animationFailure(checked.failure), checked.reason};
    // The file a link points at is the one replaced; a link to nothing makes a new file there.
    const QFileInfo info(target);
    if (info.exists() && !info.isFile())
        return {AnimationFailure::NotRegularFile, {}};
    return {};
}

AnimationOutcome StagedFile::open(QIODevice::OpenMode mode)
{
    if (AnimationOutcome checked = check(m_target); !checked.ok())
        return checked;
    m_file = std::make_unique<ShortTempSaveFile>(m_target);
    if (!m_file->open(mode)) {
        AnimationOutcome failed{AnimationFailure::CannotCreate, m_file->errorString()};
        m_file.reset();
        return failed;
    }
    return {};
}

QFile &StagedFile::file()
{
    return *m_file;
}

QString StagedFile::temporaryPath() const
{
    return m_file ? m_file->fileName() : QString();
}

AnimationOutcome StagedFile::commit()
{
    if (!m_file)
        return {AnimationFailure::CommitFailed, {}};
    const bool committed = m_file->commit();
    AnimationOutcome outcome;
    if (!committed)
        outcome = {AnimationFailure::CommitFailed, m_file->errorString()};
    m_file.reset();
    return outcome;
}

void StagedFile::discard()
{
    // The temporary file removes itself when it goes uncommitted.
    m_file.reset();
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
