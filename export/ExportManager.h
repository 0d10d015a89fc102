#pragma once

#include "files/SafeFileWriter.h"
#include "render/SpinAnimation.h"
#include "sign/Frame.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <functional>

class ImageWriter;
class JobProgress;
class PrintSheet;

// Writes a picture to a file in the format the file's name asks for, through SafeFileWriter. It
// never shows anything: whatever goes wrong comes back in the result, for the window to tell the
// user. A picture larger than its format or memory allows is refused before it is drawn.
class ExportManager
{
public:
    // Every save answers a FileFailure naming the file: what SafeFileWriter meets, or
    // UnknownFormat (choices: the extensions that work), TooLarge (size against its format's or
    // memory's limit) or EncodeFailed, all found before the file is touched.

    // journal: keeps a file's old bytes where it is overwritten in place (see SafeFileWriter);
    // sync: whether each file waits for the disk, or a batch syncs once at its end (see
    // SafeFileWriter::Sync).
    explicit ExportManager(ImageWriter &writer, const SaveJournal *journal = nullptr,
                           SafeFileWriter::Sync sync = SafeFileWriter::Sync::EachFile);

    // The job the saves run in, where they run in one: they report how far they have come to
    // progress and stop where it is cancelled, writing nothing (Kind::Cancelled). Each save sets
    // the total of its own steps.
    void setProgress(JobProgress *progress) { m_progress = progress; }

    // format, where given, stands for what the name's extension asks for.
    FileFailure save(const QImage &picture, const QString &fileName, const QByteArray &format = {});
    // A frame, or one area of it in 1× pixels, at scale: a picture, or the shapes of an SVG
    // file where the name (or format) asks for one.
    FileFailure saveFrame(const Frame &frame, const QRect &area, qreal scale,
                          const QString &fileName, const QByteArray &format = {},
                          const SignLook &look = SignLook());
    // Frames on a print sheet, as a PDF file whatever the name.
    FileFailure savePrintSheet(const QList<Frame> &frames, const PrintSheet &sheet,
                               const QString &fileName, const SignLook &look = SignLook());
    // The whole roll in one picture, its frames top to bottom (see FilmStrip).
    FileFailure saveStrip(const QList<Frame> &frames, const QString &fileName, qreal scale = 1,
                          const SignLook &look = SignLook());
    // The roll turning in a loop (see SpinAnimation): always an animated GIF.
    FileFailure saveSpin(const QList<Frame> &frames, const SpinAnimation::Options &options,
                         const QString &fileName);
    // The frames' names in roll order, one to a line, in UTF-8.
    FileFailure saveFrameNames(const QList<Frame> &frames, const QString &fileName);

    // "gif", "png", "bmp", "jpeg", "webp" or "svg" after the name's extension, in any case
    // (see PictureFormat); empty for any other extension and for none.
    static QByteArray formatForFileName(const QString &fileName);

private:
    // Encodes the whole file first, so that the encoder's failure harms nothing, then puts it
    // in place.
    FileFailure write(const QString &fileName,
                      const std::function<FileFailure(QIODevice &)> &encode) const;
    // The bytes are made only once the file's place has been checked: a sheet or a long roll is
    // work to make for nothing.
    FileFailure writeBytes(const QString &fileName, const std::function<QByteArray()> &make) const;
    // Refuses a picture of size in format before it is drawn, where the format or memory cannot
    // take it.
    static FileFailure tooLarge(const QString &fileName, const QByteArray &format,
                                const QSize &size);
    static FileFailure unknownFormat(const QString &fileName);
    // The job's progress, where there is one: answers false once the job is cancelled.
    bool reached(qint64 done) const;
    void setTotal(qint64 total) const;
    bool cancelled() const;

    ImageWriter &m_writer;
    const SaveJournal *m_journal;
    SafeFileWriter::Sync m_sync;
    JobProgress *m_progress = nullptr;
};
