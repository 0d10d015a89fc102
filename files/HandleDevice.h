#pragma once

#include <QIODevice>

// An open file handle as a QIODevice, for the encoders that write to one, which keeps the
// system's error number of a read, write or seek that failed: a QFile keeps only words, in
// English, and loses even those when a full disk cuts its buffered write short. The handle
// stays its owner's; the device never closes it.
class HandleDevice final : public QIODevice
{
public:
    explicit HandleDevice(int handle);

    bool isSequential() const override { return false; }
    qint64 size() const override;
    bool seek(qint64 position) override;

    // errno of the last call that failed; 0 while none has.
    int systemError() const { return m_systemError; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 length) override;

private:
    int failed(int error);

    int m_handle;
    int m_systemError = 0;
};

// The system's error number behind device's last failure where the device knows it (a
// HandleDevice); 0 for any other.
int systemErrorOf(const QIODevice &device);
