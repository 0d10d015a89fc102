#include "export/PictureFormat.h"

#include <QFileInfo>
#include <QImageWriter>

QList<PictureFormat> PictureFormat::writable()
{
    // GIF is Quintelo's own kind, written by giflib; the others are Qt's.
    QList<PictureFormat> formats{
        // GIF and JPEG keep each side in 16 bits; libpng takes a million rows by default.
        {"gif", QStringLiteral("GIF"), {QStringLiteral("gif")}, 65535},
        {"png", QStringLiteral("PNG"), {QStringLiteral("png")}, 1000000},
        {"bmp", QStringLiteral("BMP"), {QStringLiteral("bmp")}, 32767},
        {"jpeg", QStringLiteral("JPEG"), {QStringLiteral("jpg"), QStringLiteral("jpeg")}, 65535},
    };
    // WebP comes with a plugin that not every installation has, and keeps a side in 14 bits.
    if (QImageWriter::supportedImageFormats().contains("webp"))
        formats.append({"webp", QStringLiteral("WebP"), {QStringLiteral("webp")}, 16383});
    // Drawn as shapes rather than encoded from a picture (see ExportManager::saveFrame).
    formats.append({"svg", QStringLiteral("SVG"), {QStringLiteral("svg")}, 0});
    return formats;
}

std::optional<PictureFormat> PictureFormat::forFileName(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (const PictureFormat &format : writable()) {
        if (format.extensions.contains(suffix))
            return format;
    }
    return std::nullopt;
}

QString PictureFormat::fileDialogFilter()
{
    QStringList types;
    for (const PictureFormat &format : writable()) {
        QStringList patterns;
        for (const QString &extension : format.extensions)
            patterns << QStringLiteral("*.") + extension;
        types << QStringLiteral("%1ファイル(%2)").arg(format.label, patterns.join(u' '));
    }
    return types.join(QStringLiteral(";;"));
}

QStringList PictureFormat::writableExtensions()
{
    QStringList all;
    for (const PictureFormat &format : writable()) {
        for (const QString &extension : format.extensions)
            all << QLatin1Char('.') + extension;
    }
    return all;
}

FileFailure PictureFormat::sizeProblem(const QSize &size) const
{
    const bool sideTooLong =
        largestSide > 0 && (size.width() > largestSide || size.height() > largestSide);
    const bool tooMany = largestSide > 0 && qint64(size.width()) * size.height() > kMostPixels;
    if (!sideTooLong && !tooMany)
        return {};
    const FileFailure tooLarge =
        FileFailure::of(FileFailure::Kind::TooLarge, FileFailure::Action::Write).withSize(size);
    if (sideTooLong)
        return tooLarge.withProblem(FileFailure::Problem::SideTooLong)
            .withEncoder(label)
            .withRange(0, largestSide);
    // Memory, not the format, limits the pixels: no encoder is named.
    return tooLarge.withProblem(FileFailure::Problem::TooManyPixels).withRange(0, kMostPixels);
}
