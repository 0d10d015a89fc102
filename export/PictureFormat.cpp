#include "export/PictureFormat.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QLocale>

QList<PictureFormat> PictureFormat::writable()
{
    // GIF is Quintelo's own kind, written by giflib; the others are Qt's.
    QList<PictureFormat> formats{
        // GIF and JPEG keep each side in 16 bits; libpng takes a million rows by default.
        {"gif",
         QCoreApplication::translate("PictureFormat", "GIFファイル"),
         {QStringLiteral("gif")},
         65535},
        {"png",
         QCoreApplication::translate("PictureFormat", "PNGファイル"),
         {QStringLiteral("png")},
         1000000},
        {"bmp",
         QCoreApplication::translate("PictureFormat", "BMPファイル"),
         {QStringLiteral("bmp")},
         32767},
        {"jpeg",
         QCoreApplication::translate("PictureFormat", "JPEGファイル"),
         {QStringLiteral("jpg"), QStringLiteral("jpeg")},
         65535},
    };
    // WebP comes with a plugin that not every installation has, and keeps a side in 14 bits.
    if (QImageWriter::supportedImageFormats().contains("webp"))
        formats.append({"webp",
                        QCoreApplication::translate("PictureFormat", "WebPファイル"),
                        {QStringLiteral("webp")},
                        16383});
    // Drawn as shapes rather than encoded from a picture (see ExportManager::saveFrame).
    formats.append({"svg",
                    QCoreApplication::translate("PictureFormat", "SVGファイル"),
                    {QStringLiteral("svg")},
                    0});
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

QString PictureFormat::sizeProblem(const QSize &size) const
{
    const bool sideTooLong =
        largestSide > 0 && (size.width() > largestSide || size.height() > largestSide);
    const bool tooMany = largestSide > 0 && qint64(size.width()) * size.height() > kMostPixels;
    if (!sideTooLong && !tooMany)
        return {};
    const QLocale c = QLocale::c();
    const QString limit = sideTooLong
                              ? QStringLiteral("%1で書ける画像は 1 辺 %2 ピクセルまでです。")
                                    .arg(typeName, c.toString(largestSide))
                              : QStringLiteral("1 枚の画像は %1 万ピクセル (%2 MB) までです。")
                                    .arg(c.toString(kMostPixels / 10000))
                                    .arg(kMostPixels * 4 >> 20);
    return QStringLiteral("画像が大きすぎます（%1 × %2 ピクセル）。%3"
                          "コマごとの画像（quintelo-render では --each）か印刷用シート (PDF) に"
                          "するか、倍率を下げてください。")
        .arg(c.toString(size.width()), c.toString(size.height()), limit);
}
