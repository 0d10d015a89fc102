#include "export/ExportManager.h"

#include "codec/GifWriter.h"
#include "codec/ImageWriter.h"
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
    if (const QString failure = encode(encoded); !failure.isEmpty())
        return fail(Failure::EncodeFailed, failure);
    result.file = SafeFileWriter::write(encoded.data(), result.path, m_journal, m_sync);
    if (!result.file.ok())
        return fail(Failure::File, {});
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
        return save(PlatePainter(frame, look).render(area, scale), fileName, format);
    }
    return writeBytes({fileName, "svg", Failure::None, {}, {}},
                      [&] { return svgPicture(frame, area, scale, look); });
}

ExportManager::Result ExportManager::savePrintSheet(const QList<Frame> &frames,
                                                    const PrintSheet &sheet,
                                                    const QString &fileName, const SignLook &look)
{
    return writeBytes({fileName, "pdf", Failure::None, {}, {}},
                      [&] { return sheet.pdf(frames, look); });
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
    return save(strip.render(scale), fileName);
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
            device);
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
