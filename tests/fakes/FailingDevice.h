#pragma once

#include <QIODevice>

// A device that takes a number of bytes and then refuses more, like a disk that fills up.
class FailingDevice final : public QIODevice
{
public:
    explicit FailingDevice(qint64 capacity)
        : m_capacity(capacity)
    {}

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        m_capacity -= length;
        return m_capacity < 0 ? -1 : length;
    }

private:
    qint64 m_capacity;
};
