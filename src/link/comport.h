#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QSerialPort>
#include <QString>

// The serial port component: port name and rate are plain properties; open applies the fixed line
// settings (8N1, XON/XOFF both ways, DTR on, RTS off). Failures raise EComPort. A port is never left
// held: every failure after opening closes it before raising.
class TComPort {
  public:
    TComPort();
    TComPort(const TComPort &) = delete;
    TComPort &operator=(const TComPort &) = delete;
    ~TComPort();

    QString Port() const { return portName; }
    // A different name closes an open port.
    void setPort(const QString &name);
    qint32 BaudRate() const { return baudRate; }
    void setBaudRate(qint32 rate);

    bool Connected() const { return serial.isOpen(); }
    void Open();
    // Writes all bytes and waits until they are on the line; at most 1000 ms + 100 ms per byte.
    void Write(const QByteArray &bytes);
    // At most count bytes of what has already arrived; never waits.
    QByteArray Read(int count);
    // Releases the port; Write has already put every accepted byte on the line.
    void Close();

  private:
    [[noreturn]] void failAfterOpen(const QString &stepText, int code);
    bool drainKernelQueue(const QDeadlineTimer &deadline);

    QSerialPort serial;
    QString portName = QStringLiteral("COM1");
    qint32 baudRate = 19200;
};

// The component's rate lookup: a known rate name (ignoring case) gives its speed, "Custom" and any other
// text 9600.
qint32 rateFromText(const QString &text);
