#include "export/ExportManager.h"

#include "platform/ImageWriter.h"
#include "platform/WindowCapture.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

ExportManager::ExportManager(WindowCapture &capture, ImageWriter &writer)
    : m_capture(capture)
    , m_writer(writer)
{}

QByteArray ExportManager::formatForFileName(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("gif") || suffix == QLatin1String("png"))
        return suffix.toLatin1();
    return QByteArrayLiteral("bmp");
}

QImage ExportManager::capture(QWidget &control)
{
    return m_capture.capture(control);
}

ExportManager::Result ExportManager::saveWindowImage(QWidget &control, const QString &fileName)
{
    return save(capture(control), fileName);
}

ExportManager::Result ExportManager::save(const QImage &picture, const QString &fileName)
{
    Result result{picture, fileName, formatForFileName(fileName), Failure::None, {}};
    const auto fail = [&result](Failure failure, const QString &reason) {
        result.failure = failure;
        result.reason = reason;
        return result;
    };

    const QFileInfo target(fileName);
    if (!target.dir().exists())
        return fail(Failure::FolderMissing, QString());
    if (target.isDir())
        return fail(Failure::IsFolder, QString());

    // The picture goes to a new file beside the old one, which it replaces only once it is
    // complete; until then a failure leaves the old file as it was and no remains behind.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(Failure::CannotCreate, file.errorString());
    const QString writeError = m_writer.write(picture, file, result.format);
    if (!writeError.isEmpty()) {
        file.cancelWriting();
        return fail(Failure::EncodeFailed, writeError);
    }
    if (!file.commit())
        return fail(Failure::CommitFailed, file.errorString());
    return result;
}
