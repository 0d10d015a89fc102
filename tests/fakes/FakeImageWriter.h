#pragma once

#include "platform/QtImageWriter.h"

#include <QBuffer>
#include <QImage>
#include <QList>

// Encodes for real unless a test scripts a failure. A failing write first puts out half of
// the real file, as a disk that fills up half-way through would, and then reports the reason.
class FakeImageWriter final : public ImageWriter
{
public:
    struct Call
    {
        QImage image;
        QByteArray format;
    };

    QString write(const QImage &image, QIODevice &device, const QByteArray &format) override
    {
        calls.append({image, format});
        if (failWith.isEmpty())
            return m_real.write(image, device, format);
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        if (m_real.write(image, whole, format).isEmpty())
            device.write(whole.data().left(whole.data().size() / 2));
        return failWith;
    }

    QList<Call> calls;
    QString failWith;

private:
    QtImageWriter m_real;
};
