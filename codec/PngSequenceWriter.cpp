#include "codec/PngSequenceWriter.h"

#include "codec/PngWriter.h"
#include "codec/StagedFile.h"
#include "files/FileKind.h"
#include "files/ReplaceFile.h"
#include "files/WriteProtected.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>

namespace {

using Kind = FileFailure::Kind;
constexpr auto kWrite = FileFailure::Action::Write;

} // namespace

PngSequenceWriter::PngSequenceWriter(QString folder)
    : AnimationWriter(folder)
    , m_folder(std::move(folder))
{}

PngSequenceWriter::~PngSequenceWriter()
{
    abandon();
}

QString PngSequenceWriter::pictureName(int index)
{
    return QStringLiteral("%1.png").arg(index, 5, 10, QLatin1Char('0'));
}

FileFailure PngSequenceWriter::failed(const FileFailure &failure)
{
    abandon();
    return failure;
}

FileFailure PngSequenceWriter::openFile(const QSize &size, int fps)
{
    if (FileFailure rate = checkRate(fps); !rate.ok())
        return rate;
    if (size.isEmpty())
        return FileFailure::encoding(FileFailure::Problem::EmptyPicture);
    const QFileInfo folder(m_folder);
    if (!folder.isDir())
        return FileFailure::of(Kind::FolderMissing, kWrite);
    // The staging folder lies on the same volume as the pictures' places, so each is moved in
    // by a rename. Qt words its reason in English; the system's number is what it left.
    errno = 0;
    m_staging = std::make_unique<QTemporaryDir>(
        QDir(folder.absoluteFilePath()).filePath(QStringLiteral(".~quintelo-XXXXXX")));
    if (!m_staging->isValid())
        return failed(FileFailure::of(Kind::CannotCreate, kWrite, {}, errno));
    m_size = size;
    m_count = 0;
    return {};
}

FileFailure PngSequenceWriter::addPicture(const QImage &picture)
{
    if (!m_staging)
        return FileFailure::encoding(FileFailure::Problem::NotStarted);
    if (picture.size() != m_size)
        return failed(FileFailure::encoding(FileFailure::Problem::UnevenPictures));
    // Encoded whole first and written by the system call: libpng, and Qt's buffer, give up on a
    // write the system cuts short before the system says why.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    if (const FileFailure problem = writeOpaquePng(picture, encoded); !problem.ok())
        return failed(problem);
    QFile file(m_staging->filePath(pictureName(m_count)));
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return failed(FileFailure::of(Kind::CannotCreate, kWrite, {}, errno));
    if (const int error = writeWhole(file.handle(), encoded.data()); error != 0)
        return failed(FileFailure::of(Kind::WriteFailed, kWrite, {}, error));
    file.close();
    ++m_count;
    return {};
}

FileFailure PngSequenceWriter::finishFile()
{
    if (!m_staging || m_count == 0)
        return failed(FileFailure::encoding(FileFailure::Problem::EmptyPicture));
    const QDir folder(QFileInfo(m_folder).absoluteFilePath());
    // Every place is checked before the first picture moves, so a refusal changes nothing.
    for (int index = 0; index < m_count; ++index) {
        const QString target = folder.filePath(pictureName(index));
        const FileKind kind = fileKindOf(target);
        if (kind != FileKind::Missing && kind != FileKind::Regular)
            return failed(FileFailure::notRegular(kind, kWrite, target));
        if (kind == FileKind::Regular && isWriteProtected(target))
            return failed(FileFailure::of(Kind::WriteProtected, kWrite, target));
    }
    if (const int unsynced = syncFileSystem(m_staging->path()); unsynced != 0)
        return failed(FileFailure::of(Kind::WriteFailed, kWrite, {}, unsynced));
    for (int index = 0; index < m_count; ++index) {
        const QString name = pictureName(index);
        if (const int problem = replaceFile(m_staging->filePath(name), folder.filePath(name));
            problem != 0)
            return failed(
                FileFailure::of(Kind::CommitFailed, kWrite, folder.filePath(name), problem));
    }
    for (int index = m_count;; ++index) {
        const QString stale = folder.filePath(pictureName(index));
        if (!QFileInfo(stale).isFile() || !QFile::remove(stale))
            break;
    }
    m_staging.reset();
    return {};
}

void PngSequenceWriter::abandon()
{
    // The staging folder and whatever is still in it go with it.
    m_staging.reset();
}
