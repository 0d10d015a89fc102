#include "ui/ResourcePicture.h"

#include <QImageReader>

QPixmap resourcePicture(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
