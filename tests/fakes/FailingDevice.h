#pragma once

#include <QIODevice>

// A device that takes a number of bytes and then refuses more, like a disk that fills up.
class FailingDevice final : public QIODevice
{
public:
    explicit FailingDevice(qint64 capacity, QObject *parent = nullptr)
        : QIODevice(parent)
        , m_capacity(capacity)
    {}

    qint64 taken() const { return m_taken; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        if (m_taken + length > m_capacity) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_taken += length;
        return length;
    }

private:
    qint64 m_capacity;
    qint64 m_taken = 0;
};
