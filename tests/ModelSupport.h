#pragma once

#include "render/PlatePainter.h"
#include "sign/SignFonts.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// How many pixels of image are brighter than mid-grey: the ink of light text on a dark plate.
inline int inkOf(const QImage &image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) > 128 ? 1 : 0;
    return ink;
}

inline qsizetype colourCount(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

inline QImage goldenPicture(const QString &name)
{
    return QImage(QStringLiteral(QUINTELO_GOLDEN_DIR "/%1.png").arg(name))
        .convertToFormat(QImage::Format_RGB32);
}
