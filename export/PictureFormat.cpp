#include "export/PictureFormat.h"

#include <QFileInfo>
#include <QImageWriter>

QList<PictureFormat> PictureFormat::writable()
{
    // GIF is Quintelo's own kind, written by giflib; the others are Qt's.
    QList<PictureFormat> formats{
        {"gif", QStringLiteral("GIFファイル"), {QStringLiteral("gif")}},
        {"png", QStringLiteral("PNGファイル"), {QStringLiteral("png")}},
        {"bmp", QStringLiteral("BMPファイル"), {QStringLiteral("bmp")}},
        {"jpeg", QStringLiteral("JPEGファイル"), {QStringLiteral("jpg"), QStringLiteral("jpeg")}},
    };
    // WebP comes with a plugin that not every installation has.
    if (QImageWriter::supportedImageFormats().contains("webp"))
        formats.append({"webp", QStringLiteral("WebPファイル"), {QStringLiteral("webp")}});
    // Drawn as shapes rather than encoded from a picture (see ExportManager::saveFrame).
    formats.append({"svg", QStringLiteral("SVGファイル"), {QStringLiteral("svg")}});
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
        types << QStringLiteral("%1(%2)").arg(format.typeName, patterns.join(u' '));
    }
    return types.join(QStringLiteral(";;"));
}

QString PictureFormat::writableExtensions()
{
    QStringList all;
    for (const PictureFormat &format : writable()) {
        for (const QString &extension : format.extensions)
            all << QLatin1Char('.') + extension;
    }
    return all.join(u'、');
}
