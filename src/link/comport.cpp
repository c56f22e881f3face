#include "comport.h"

#include "app/errors.h"
#include "devicemap.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <sys/ioctl.h>
#include <termios.h>

namespace {

constexpr int writeTimeoutConstantMs = 1000;
constexpr int writeTimeoutPerByteMs = 100;
constexpr qint64 bufferSize = 1024;
constexpr int errorTimeout = 1460; // the Windows code for a timed-out operation

int openErrorCode(QSerialPort::SerialPortError error, int err) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return 2;
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
        return 5;
    default:
        return err != 0 ? err : 31; // 31: a device attached to the system is not functioning
    }
}

QString systemLocation(const QString &name) {
    const QString path = devicePath(name);
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() ? path : target; // a dangling entry is reported as a missing device
}

} // namespace

qint32 rateFromText(const QString &text) {
    static const qint32 rates[] = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                                   19200, 38400, 56000, 57600, 115200, 128000, 256000};
    for (const qint32 rate : rates)
        if (text.compare(QString::number(rate), Qt::CaseInsensitive) == 0)
            return rate;
    return 9600; // also the custom speed that "Custom" selects
}

TComPort::TComPort() {
    serial.setReadBufferSize(bufferSize);
}

TComPort::~TComPort() {
    if (serial.isOpen())
        serial.close();
}

void TComPort::setPort(const QString &name) {
    if (name != portName && serial.isOpen())
        serial.close();
    portName = name;
}

void TComPort::setBaudRate(qint32 rate) {
    baudRate = rate;
    if (serial.isOpen() && !serial.setBaudRate(rate))
        failAfterOpen(QStringLiteral("SetCommState function failed"), errno);
}

void TComPort::Open() {
    if (serial.isOpen())
        return;
    serial.setPortName(systemLocation(portName));
    errno = 0;
    if (!serial.open(QIODevice::ReadWrite)) {
        const int err = errno;
        throw EComPort(QStringLiteral("Unable to open com port"), openErrorCode(serial.error(), err));
    }
    const bool lineSettings = serial.setBaudRate(baudRate) && serial.setDataBits(QSerialPort::Data8) &&
                              serial.setParity(QSerialPort::NoParity) &&
                              serial.setStopBits(QSerialPort::OneStop) &&
                              serial.setFlowControl(QSerialPort::SoftwareControl);
    if (!lineSettings)
        failAfterOpen(QStringLiteral("SetCommState function failed"), errno);
    // A line without modem signals (a pseudo-terminal, some adapters) is not an error.
    for (const bool applied : {serial.setDataTerminalReady(true), serial.setRequestToSend(false)})
        if (!applied && serial.error() != QSerialPort::UnsupportedOperationError)
            failAfterOpen(QStringLiteral("SetCommState function failed"), errno);
    serial.clearError();
}

void TComPort::Write(const QByteArray &bytes) {
    if (!serial.isOpen())
        throw EComPort(QStringLiteral("WriteFile function failed"), 6); // invalid handle
    const QDeadlineTimer deadline(writeTimeoutConstantMs + writeTimeoutPerByteMs * bytes.size());
    if (!bytes.isEmpty() && serial.write(bytes) != bytes.size())
        failAfterOpen(QStringLiteral("WriteFile function failed"), errno);
    // waitForBytesWritten returns after each chunk: loop until Qt's buffer is empty.
    while (serial.bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!serial.waitForBytesWritten(static_cast<int>(deadline.remainingTime())) &&
            serial.error() != QSerialPort::TimeoutError && serial.error() != QSerialPort::NoError)
            failAfterOpen(QStringLiteral("WriteFile function failed"), errno);
    }
    if (serial.bytesToWrite() > 0 || !drainKernelQueue(deadline))
        failAfterOpen(QStringLiteral("WriteFile function failed"), errorTimeout);
}

bool TComPort::drainKernelQueue(const QDeadlineTimer &deadline) {
    // Bounded: a printer holding XOFF must not hang the program (tcdrain could).
    for (;;) {
        int queued = 0;
        if (::ioctl(serial.handle(), TIOCOUTQ, &queued) != 0 || queued == 0)
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(1);
    }
}

QByteArray TComPort::Read(int count) {
    if (!serial.isOpen() || count <= 0)
        return {};
    if (serial.bytesAvailable() == 0)
        serial.waitForReadyRead(0);
    return serial.read(count);
}

void TComPort::Close() {
    if (serial.isOpen())
        serial.close();
}

void TComPort::failAfterOpen(const QString &stepText, int code) {
    serial.clear(QSerialPort::Output); // nothing left over is sent later
    serial.close();
    throw EComPort(stepText, code);
}
