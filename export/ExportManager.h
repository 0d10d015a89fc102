#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class ImageWriter;

// Writes a picture to a file in the format the file's name asks for. It never shows anything:
// whatever goes wrong comes back in the result, for the window to tell the user. An existing file
// is replaced only by a complete new one.
class ExportManager
{
public:
    enum class Failure {
        None,
        FolderMissing, // the folder the file should go in does not exist
        IsFolder,      // the name is that of a folder
        CannotCreate,  // the folder would not take a new file
        EncodeFailed,  // the picture could not be encoded or its bytes written
        CommitFailed,  // the finished file could not take the old one's place
        NameTooLong,   // the file system takes no name this long
        PathTooLong,   // the system opens no path this long
    };

    struct Result
    {
        QString path;      // the file, as the user named it
        QByteArray format; // what was written, or would have been: "gif", "png" or "bmp"
        Failure failure = Failure::None;
        QString reason; // the system's or the encoder's words for the failure

        bool ok() const { return failure == Failure::None; }
    };

    explicit ExportManager(ImageWriter &writer);

    Result save(const QImage &picture, const QString &fileName);

    // "gif", "png" or "bmp" after the name's extension, case-insensitively; BMP for any other.
    static QByteArray formatForFileName(const QString &fileName);

private:
    ImageWriter &m_writer;
};
