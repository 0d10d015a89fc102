#include "ui/BuiltInIconStyle.h"

#include "ui/ResourcePicture.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QList>
#include <QPixmapCache>
#include <QStyleOption>

namespace {

const QString kStylePictures = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

// Qt's hexadecimal of a number in the pixmap cache's keys: each byte from the lowest, its low
// digit first.
template <typename Number> QString cacheHex(Number value)
{
    QString text;
    for (std::size_t i = 0; i < sizeof(Number); ++i) {
        const auto byte = uint((value >> (8 * i)) & 0xff);
        text += QLatin1Char("0123456789abcdef"[byte & 0xf]);
        text += QLatin1Char("0123456789abcdef"[byte >> 4]);
    }
    return text;
}

} // namespace

BuiltInIconStyle::BuiltInIconStyle(const QString &key)
    : QProxyStyle(key)
{}

void BuiltInIconStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    // Fusion paints a group box's frame from a picture it loads by name, once; it finds it
    // read already.
    if (element == PE_FrameGroupBox && !m_framePictureCached) {
        cachePicture(kStylePictures + QStringLiteral("fusion_groupbox.png"));
        m_framePictureCached = true;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QPixmap BuiltInIconStyle::cachePicture(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return {};
    QPixmap picture = resourcePicture(fileName, "png");
    // The key QPixmap::load() looks for: the file, its time and size, and the kind of pixmap.
    const QString key = QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
                        cacheHex(uint(info.lastModified().toSecsSinceEpoch())) +
                        cacheHex(quint64(info.size())) + cacheHex(uint(0));
    QPixmapCache::insert(key, picture);
    return picture;
}

QIcon BuiltInIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                     const QWidget *widget) const
{
    const bool rightToLeft =
        option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
    QString prefix;
    QList<int> sizes;
    if (standardIcon == SP_ToolBarHorizontalExtensionButton) {
        prefix =
            rightToLeft ? QStringLiteral("toolbar-ext-h-rtl-") : QStringLiteral("toolbar-ext-h-");
        sizes = {8, 16, 32};
    } else if (standardIcon == SP_ToolBarVerticalExtensionButton) {
        prefix = QStringLiteral("toolbar-ext-v-");
        sizes = {5, 10, 20};
    } else {
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
    // The files the common style reads the arrows from; a style or a Qt without them draws
    // its own as before.
    QIcon icon;
    for (const int size : sizes) {
        const QString file = kStylePictures + QStringLiteral("%1%2.png").arg(prefix).arg(size);
        if (QFileInfo::exists(file))
            icon.addPixmap(resourcePicture(file, "png"));
    }
    return icon.isNull() ? QProxyStyle::standardIcon(standardIcon, option, widget) : icon;
}
