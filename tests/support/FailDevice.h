#pragma once

// A device that accepts a given number of bytes and then fails every write, standing in for a
// full disk.

#include <QBuffer>

namespace testsupport {

class FailDevice : public QBuffer
{
public:
    explicit FailDevice(qint64 failAfter) : m_left(failAfter) {}

protected:
    qint64 writeData(const char* data, qint64 len) override
    {
        if (len > m_left) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_left -= len;
        return QBuffer::writeData(data, len);
    }

private:
    qint64 m_left;
};

} // namespace testsupport
