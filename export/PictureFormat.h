#pragma once

#include "files/FileFailure.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// A kind of picture file saving can write: its name for the image writer, what the save dialog
// calls it and the extensions that ask for it.
struct PictureFormat
{
    QByteArray name;        // "gif", "png", "bmp", "jpeg", "webp" or "svg"
    QString label;          // as people write it: "GIF", "JPEG", "WebP"
    QStringList extensions; // without the dot; a name typed without one gets the first
    // The longest side the format (or its encoder) takes, in pixels; 0 for shapes, which have
    // none.
    int largestSide = 0;

    // The most pixels one picture may have, whatever its format: 256 MB of memory at four bytes
    // a pixel, asked before it is drawn.
    static constexpr qint64 kMostPixels = qint64(64) * 1024 * 1024;
    // Why a picture of size cannot be written in this format: TooLarge, with the side the format
    // takes (SideTooLong) or the pixels memory takes (TooManyPixels); ok() when it can.
    FileFailure sizeProblem(const QSize &size) const;

    // Every kind that can be written, GIF first; WebP only where an installed Qt image plugin
    // writes it.
    static QList<PictureFormat> writable();

    // The kind fileName's extension asks for, in any case; none for an extension no kind takes
    // or for a name without one.
    static std::optional<PictureFormat> forFileName(const QString &fileName);

    // The save dialog's file types, one for each kind that can be written, GIF first:
    // "GIFファイル(*.gif);;PNGファイル(*.png);;…;;JPEGファイル(*.jpg *.jpeg)".
    static QString fileDialogFilter();

    // The extensions that work, for telling the user: ".gif", ".png", … ".jpeg".
    static QStringList writableExtensions();
};
