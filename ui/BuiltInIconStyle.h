#pragma once

#include <QProxyStyle>

// The application's style, unchanged but for how its pictures built into Qt are read. Qt reads
// such a picture by first asking every installed image plugin whether it knows the file,
// which loads them all and the libraries they link (TIFF, JPEG, WebP, MNG, colour management):
// megabytes the window would carry from its start, since every menu bar asks for its
// extension arrows as it is made and Fusion paints a group box's frame from a picture. Read
// by Qt's own PNG reader here, the plugins load only when a picture of theirs is first opened
// or saved.
class BuiltInIconStyle : public QProxyStyle
{
public:
    // key: the style to wrap, as QStyleFactory names it. Needs the application object.
    explicit BuiltInIconStyle(const QString &key);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                       const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;

    // Reads fileName into the cache where QPixmap(fileName) looks first, so that the styles
    // that load it by name find it there; answers the picture, null where there is none.
    static QPixmap cachePicture(const QString &fileName);

private:
    mutable bool m_framePictureCached = false;
};
