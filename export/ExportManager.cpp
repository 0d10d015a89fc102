#include "export/ExportManager.h"

#include "codec/GifWriter.h"
#include "codec/ImageWriter.h"
#include "export/JobProgress.h"
#include "export/PictureFormat.h"
#include "export/VectorPictures.h"
#include "files/SafeFileWriter.h"
#include "render/FilmStrip.h"
#include "render/PlatePainter.h"

#include <QBuffer>
#include <QtMath>

#include <cerrno>
#include <optional>

ExportManager::ExportManager(ImageWriter &writer, const SaveJournal *journal,
                             SafeFileWriter::Sync sync)
    : m_writer(writer)
    , m_journal(journal)
    , m_sync(sync)
{}

FileFailure ExportManager::tooLarge(const QString &fileName, const QByteArray &format,
                                    const QSize &size)
{
    const std::optional<PictureFormat> kind = PictureFormat::forFileName(
        QStringLiteral("x.") +
        (format == "jpeg" ? QStringLiteral("jpg") : QString::fromLatin1(format)));
    const FileFailure problem = kind ? kind->sizeProblem(size) : FileFailure();
    return problem.ok() ? problem : problem.named(fileName);
}

FileFailure ExportManager::unknownFormat(const QString &fileName)
{
    return FileFailure::of(FileFailure::Kind::UnknownFormat, FileFailure::Action::Write, fileName)
        .withChoices(PictureFormat::writableExtensions());
}

bool ExportManager::reached(qint64 done) const
{
    return !m_progress || m_progress->reached(done);
}

void ExportManager::setTotal(qint64 total) const
{
    if (m_progress)
        m_progress->setTotal(total);
}

bool ExportManager::cancelled() const
{
    return m_progress && m_progress->cancelled();
}

QByteArray ExportManager::formatForFileName(const QString &fileName)
{
    const std::optional<PictureFormat> format = PictureFormat::forFileName(fileName);
    return format ? format->name : QByteArray();
}

FileFailure ExportManager::write(const QString &fileName,
                                 const std::function<FileFailure(QIODevice &)> &encode) const
{
    if (FileFailure checked = SafeFileWriter::check(fileName); !checked.ok())
        return checked;
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    const FileFailure failure = encode(encoded);
    // A cancel stops the encoding part-way, whatever it answered. Once the file is being put in
    // place a cancel comes too late: it is written whole.
    if (m_progress && !m_progress->commit())
        return FileFailure::of(FileFailure::Kind::Cancelled, FileFailure::Action::Write, fileName);
    if (!failure.ok())
        return failure.named(fileName);
    FileFailure written = SafeFileWriter::write(encoded.data(), fileName, m_journal, m_sync);
    if (written.ok() && m_progress)
        m_progress->setDone(m_progress->total());
    return written;
}

FileFailure ExportManager::writeBytes(const QString &fileName,
                                      const std::function<QByteArray()> &make) const
{
    return write(fileName, [&make](QIODevice &device) {
        const QByteArray bytes = make();
        // Into memory: only memory can run short.
        return device.write(bytes) == bytes.size()
                   ? FileFailure()
                   : FileFailure::encoding(FileFailure::Problem::None).withSystemError(ENOMEM);
    });
}

FileFailure ExportManager::save(const QImage &picture, const QString &fileName,
                                const QByteArray &format)
{
    const QByteArray kind = format.isEmpty() ? formatForFileName(fileName) : format;
    if (kind.isEmpty())
        return unknownFormat(fileName);
    if (FileFailure refused = tooLarge(fileName, kind, picture.size()); !refused.ok())
        return refused;
    return write(fileName,
                 [&](QIODevice &device) { return m_writer.write(picture, device, kind); });
}

FileFailure ExportManager::saveFrame(const Frame &frame, const QRect &area, qreal scale,
                                     const QString &fileName, const QByteArray &format,
                                     const SignLook &look)
{
    const QByteArray kind = format.isEmpty() ? formatForFileName(fileName) : format;
    if (kind != "svg") {
        const QSize size(qCeil(area.width() * scale), qCeil(area.height() * scale));
        if (FileFailure refused = tooLarge(fileName, kind, size); !refused.ok())
            return refused;
        if (kind.isEmpty())
            return unknownFormat(fileName);
        // Drawing, then encoding; drawn only once the file's place has been checked.
        setTotal(2);
        return write(fileName, [&](QIODevice &device) {
            const QImage picture = PlatePainter(frame, look).render(area, scale);
            return reached(1) ? m_writer.write(picture, device, kind) : FileFailure();
        });
    }
    return writeBytes(fileName, [&] { return svgPicture(frame, area, scale, look); });
}

FileFailure ExportManager::savePrintSheet(const QList<Frame> &frames, const PrintSheet &sheet,
                                          const QString &fileName, const SignLook &look)
{
    // Each frame, then the file's bytes.
    setTotal(frames.size() + 1);
    return writeBytes(fileName, [&] {
        return sheet.pdf(frames, look, [this](int drawn) { return reached(drawn); });
    });
}

FileFailure ExportManager::saveStrip(const QList<Frame> &frames, const QString &fileName,
                                     qreal scale, const SignLook &look)
{
    // Asked before the strip is drawn: a long roll is a large picture to make for nothing.
    const QByteArray format = formatForFileName(fileName);
    if (format.isEmpty())
        return unknownFormat(fileName);
    const FilmStrip strip(frames, look);
    if (FileFailure refused = tooLarge(fileName, format, strip.size(scale)); !refused.ok())
        return refused;
    // Each frame, then the encoding.
    setTotal(frames.size() + 1);
    return write(fileName, [&](QIODevice &device) {
        const QImage picture = strip.render(scale, [this](int drawn) { return reached(drawn); });
        return cancelled() ? FileFailure() : m_writer.write(picture, device, format);
    });
}

FileFailure ExportManager::saveSpin(const QList<Frame> &frames,
                                    const SpinAnimation::Options &options, const QString &fileName)
{
    if (formatForFileName(fileName) != "gif")
        return unknownFormat(fileName).withChoices({QStringLiteral(".gif")});
    // Every picture of the animation is one frame's size.
    const QSize frameSize =
        frames.isEmpty() ? QSize() : PlatePainter(frames.constFirst(), options.look).size();
    if (FileFailure refused = tooLarge(fileName, "gif",
                                       QSize(qCeil(frameSize.width() * options.scale),
                                             qCeil(frameSize.height() * options.scale)));
        !refused.ok())
        return refused;
    const SpinAnimation spin(frames, options);
    return write(fileName, [&](QIODevice &device) {
        return writeAnimatedGif(
            spin.count(),
            [&spin](int index) {
                SpinAnimation::Picture picture = spin.picture(index);
                return GifPicture{std::move(picture.image), picture.delayMs};
            },
            device,
            [this](int done, int total) {
                setTotal(total);
                return reached(done);
            });
    });
}

FileFailure ExportManager::saveFrameNames(const QList<Frame> &frames, const QString &fileName)
{
    return writeBytes(fileName, [&frames] {
        QString text;
        for (const Frame &frame : frames) {
            // A name pasted with a line break in it would otherwise count as two frames.
            QString name = frame.displayName();
            for (QChar &c : name)
                if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator ||
                    c == QChar::ParagraphSeparator)
                    c = u' ';
            text += name + u'\n';
        }
        return text.toUtf8();
    });
}
