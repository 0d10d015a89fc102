#include "codec/QtImageWriter.h"

#include "codec/GifWriter.h"
#include "codec/PngWriter.h"
#include "files/HandleDevice.h"

#include <QImage>
#include <QImageWriter>

namespace {

constexpr int kJpegQuality = 95;
constexpr int kLosslessWebp = 100;

} // namespace

FileFailure QtImageWriter::write(const QImage &image, QIODevice &device, const QByteArray &format)
{
    using Kind = FileFailure::Kind;
    if (image.isNull())
        return FileFailure::encoding(FileFailure::Problem::EmptyPicture);
    if (format == "gif")
        return writeGif(image, device);
    // A sign is drawn in a few colours plus the shades of its anti-aliased text. While they
    // number 256 or fewer a palette PNG holds them exactly, has a third of the bytes to
    // compress and needs no filter search: it is written several times faster, and smaller.
    if (format == "png" && !image.hasAlphaChannel())
        return writeOpaquePng(image, device);
    if (format != "png" && format != "bmp" && format != "jpeg" && format != "webp")
        return FileFailure::of(Kind::UnknownFormat, FileFailure::Action::Write)
            .withEncoder(QString::fromLatin1(format));

    QImageWriter writer(&device, format);
    if (format == "jpeg") {
        // The sign's text edges blur at the usual 75. Qt offers no way to keep the colour at
        // full resolution as well: its JPEG writer always halves it both ways.
        writer.setQuality(kJpegQuality);
        writer.setOptimizedWrite(true);
    } else if (format == "webp") {
        // The top quality is the lossless kind, which keeps the text as sharp as PNG does.
        writer.setQuality(kLosslessWebp);
    }
    if (writer.write(image))
        return {};
    // Qt's writers word their failures in English; their kind is what is kept, and the device
    // knows why it stopped taking bytes.
    switch (writer.error()) {
    case QImageWriter::DeviceError:
        return FileFailure::of(Kind::WriteFailed, FileFailure::Action::Write, {},
                               systemErrorOf(device));
    case QImageWriter::UnsupportedFormatError:
        return FileFailure::of(Kind::UnknownFormat, FileFailure::Action::Write)
            .withEncoder(QString::fromLatin1(format));
    case QImageWriter::InvalidImageError:
        return FileFailure::encoding(FileFailure::Problem::EmptyPicture);
    case QImageWriter::UnknownError:
        break;
    }
    return FileFailure::encoding(FileFailure::Problem::LibraryError)
        .withEncoder(QStringLiteral("Qt (%1)").arg(QString::fromLatin1(format)));
}
