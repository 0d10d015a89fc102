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

ExportManager::ExportManager(ImageWriter &writer, const SaveJournal *journal,
                             SafeFileWriter::Sync sync)
    : m_writer(writer)
    , m_journal(journal)
    , m_sync(sync)
{}

std::optional<ExportManager::Result> ExportManager::tooLarge(const Result &result,
                                                             const QSize &size)
{
    const std::optional<PictureFormat> format = PictureFormat::forFileName(
        QStringLiteral("x.") +
        (result.format == "jpeg" ? QStringLiteral("jpg") : QString::fromLatin1(result.format)));
    const QString problem = format ? format->sizeProblem(size) : QString();
    if (problem.isEmpty())
        return std::nullopt;
    Result refused = result;
    refused.failure = Failure::TooLarge;
    refused.reason = problem;
    return refused;
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

ExportManager::Result ExportManager::write(Result result,
                                           const std::function<QString(QIODevice &)> &encode) const
{
    const auto fail = [&result](Failure failure, const QString &reason) {
        result.failure = failure;
        result.reason = reason;
        return result;
    };
    if (const SafeFileWriter::Outcome checked = SafeFileWriter::check(result.path); !checked.ok()) {
        result.file = checked;
        return fail(Failure::File, {});
    }
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    const QString failure = encode(encoded);
    // A cancel stops the encoding part-way, whatever it answered. Once the file is being put in
    // place a cancel comes too late: it is written whole.
    if (m_progress && !m_progress->commit())
        return fail(Failure::Cancelled, {});
    if (!failure.isEmpty())
        return fail(Failure::EncodeFailed, failure);
    result.file = SafeFileWriter::write(encoded.data(), result.path, m_journal, m_sync);
    if (!result.file.ok())
        return fail(Failure::File, {});
    if (m_progress)
        m_progress->setDone(m_progress->total());
    return result;
}

ExportManager::Result ExportManager::writeBytes(Result result,
                                                const std::function<QByteArray()> &make) const
{
    return write(std::move(result), [&make](QIODevice &device) {
        const QByteArray bytes = make();
        return device.write(bytes) == bytes.size() ? QString() : device.errorString();
    });
}

ExportManager::Result ExportManager::save(const QImage &picture, const QString &fileName,
                                          const QByteArray &format)
{
    Result result{
        fileName, format.isEmpty() ? formatForFileName(fileName) : format, Failure::None, {}, {}};
    if (result.format.isEmpty()) {
        result.failure = Failure::UnknownFormat;
        return result;
    }
    if (std::optional<Result> refused = tooLarge(result, picture.size()))
        return *refused;
    return write(result,
                 [&](QIODevice &device) { return m_writer.write(picture, device, result.format); });
}

ExportManager::Result ExportManager::saveFrame(const Frame &frame, const QRect &area, qreal scale,
                                               const QString &fileName, const QByteArray &format,
                                               const SignLook &look)
{
    const QByteArray kind = format.isEmpty() ? formatForFileName(fileName) : format;
    if (kind != "svg") {
        const QSize size(qCeil(area.width() * scale), qCeil(area.height() * scale));
        if (std::optional<Result> refused = tooLarge({fileName, kind, Failure::None, {}, {}}, size))
            return *refused;
        if (kind.isEmpty())
            return {fileName, {}, Failure::UnknownFormat, {}, {}};
        // Drawing, then encoding; drawn only once the file's place has been checked.
        setTotal(2);
        return write({fileName, kind, Failure::None, {}, {}}, [&](QIODevice &device) {
            const QImage picture = PlatePainter(frame, look).render(area, scale);
            return reached(1) ? m_writer.write(picture, device, kind) : QString();
        });
    }
    return writeBytes({fileName, "svg", Failure::None, {}, {}},
                      [&] { return svgPicture(frame, area, scale, look); });
}

ExportManager::Result ExportManager::savePrintSheet(const QList<Frame> &frames,
                                                    const PrintSheet &sheet,
                                                    const QString &fileName, const SignLook &look)
{
    // Each frame, then the file's bytes.
    setTotal(frames.size() + 1);
    return writeBytes({fileName, "pdf", Failure::None, {}, {}}, [&] {
        return sheet.pdf(frames, look, [this](int drawn) { return reached(drawn); });
    });
}

ExportManager::Result ExportManager::saveStrip(const QList<Frame> &frames, const QString &fileName,
                                               qreal scale, const SignLook &look)
{
    // Asked before the strip is drawn: a long roll is a large picture to make for nothing.
    const QByteArray format = formatForFileName(fileName);
    if (format.isEmpty())
        return {fileName, {}, Failure::UnknownFormat, {}, {}};
    const FilmStrip strip(frames, look);
    if (std::optional<Result> refused =
            tooLarge({fileName, format, Failure::None, {}, {}}, strip.size(scale)))
        return *refused;
    // Each frame, then the encoding.
    setTotal(frames.size() + 1);
    return write({fileName, format, Failure::None, {}, {}}, [&](QIODevice &device) {
        const QImage picture = strip.render(scale, [this](int drawn) { return reached(drawn); });
        return cancelled() ? QString() : m_writer.write(picture, device, format);
    });
}

ExportManager::Result ExportManager::saveSpin(const QList<Frame> &frames,
                                              const SpinAnimation::Options &options,
                                              const QString &fileName)
{
    if (formatForFileName(fileName) != "gif")
        return {fileName, "gif", Failure::GifOnly, {}, {}};
    // Every picture of the animation is one frame's size.
    const QSize frameSize =
        frames.isEmpty() ? QSize() : PlatePainter(frames.constFirst(), options.look).size();
    if (std::optional<Result> refused = tooLarge({fileName, "gif", Failure::None, {}, {}},
                                                 QSize(qCeil(frameSize.width() * options.scale),
                                                       qCeil(frameSize.height() * options.scale))))
        return *refused;
    const SpinAnimation spin(frames, options);
    return write({fileName, "gif", Failure::None, {}, {}}, [&](QIODevice &device) {
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

ExportManager::Result ExportManager::saveFrameNames(const QList<Frame> &frames,
                                                    const QString &fileName)
{
    return writeBytes({fileName, "txt", Failure::None, {}, {}}, [&frames] {
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
