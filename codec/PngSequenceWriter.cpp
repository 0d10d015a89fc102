#include "codec/PngSequenceWriter.h"

#include "codec/PngWriter.h"
#include "codec/StagedFile.h"
#include "files/ReplaceFile.h"
#include "files/SystemReason.h"
#include "files/WriteProtected.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

PngSequenceWriter::PngSequenceWriter(QString folder)
    : m_folder(std::move(folder))
{}

PngSequenceWriter::~PngSequenceWriter()
{
    abandon();
}

QString PngSequenceWriter::pictureName(int index)
{
    return QStringLiteral("%1.png").arg(index, 5, 10, QLatin1Char('0'));
}

AnimationOutcome PngSequenceWriter::failed(AnimationFailure failure, QString reason)
{
    abandon();
    return {failure, std::move(reason)};
}

AnimationOutcome PngSequenceWriter::open(const QSize &size, int fps)
{
    if (AnimationOutcome rate = checkRate(fps); !rate.ok())
        return rate;
    if (size.isEmpty())
        return {AnimationFailure::EncodeFailed, QStringLiteral("画像が空です。")};
    const QFileInfo folder(m_folder);
    if (!folder.isDir())
        return {AnimationFailure::FolderMissing, {}};
    // The staging folder lies on the same volume as the pictures' places, so each is moved in
    // by a rename.
    m_staging = std::make_unique<QTemporaryDir>(
        QDir(folder.absoluteFilePath()).filePath(QStringLiteral(".~quintelo-XXXXXX")));
    if (!m_staging->isValid())
        return failed(AnimationFailure::CannotCreate, m_staging->errorString());
    m_size = size;
    m_count = 0;
    return {};
}

AnimationOutcome PngSequenceWriter::addFrame(const QImage &picture)
{
    if (!m_staging)
        return {AnimationFailure::EncodeFailed, QStringLiteral("書き始めていません。")};
    if (picture.size() != m_size)
        return failed(AnimationFailure::EncodeFailed,
                      QStringLiteral("アニメーションの画像の大きさがそろっていません。"));
    // Encoded whole first and written unbuffered: libpng, and Qt's buffer, give up on a write
    // the system cuts short before the system says why.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    if (const QString problem = writeOpaquePng(picture, encoded); !problem.isEmpty())
        return failed(AnimationFailure::EncodeFailed, problem);
    QFile file(m_staging->filePath(pictureName(m_count)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return failed(AnimationFailure::CannotCreate, file.errorString());
    if (const QString problem = writeFully(file, encoded.data()); !problem.isEmpty())
        return failed(AnimationFailure::WriteFailed, problem);
    file.close();
    ++m_count;
    return {};
}

AnimationOutcome PngSequenceWriter::finish()
{
    if (!m_staging || m_count == 0)
        return failed(AnimationFailure::EncodeFailed, QStringLiteral("画像が空です。"));
    const QDir folder(QFileInfo(m_folder).absoluteFilePath());
    // Every place is checked before the first picture moves, so a refusal changes nothing.
    for (int index = 0; index < m_count; ++index) {
        const QString target = folder.filePath(pictureName(index));
        const QFileInfo info(target);
        if (info.isDir())
            return failed(AnimationFailure::IsFolder, target);
        if (info.exists() && !info.isFile())
            return failed(AnimationFailure::NotRegularFile, target);
        if (info.exists() && isWriteProtected(target))
            return failed(AnimationFailure::WriteProtected, target);
    }
    if (const int unsynced = syncFileSystem(m_staging->path()); unsynced != 0)
        return failed(AnimationFailure::WriteFailed, systemReason(unsynced));
    for (int index = 0; index < m_count; ++index) {
        const QString name = pictureName(index);
        if (const int problem = replaceFile(m_staging->filePath(name), folder.filePath(name));
            problem != 0)
            return failed(AnimationFailure::CommitFailed, systemReason(problem));
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
