#include "printerlink.h"

#include "app/messages.h"
#include "app/sharedstate.h"
#include "comport.h"
#include "kqnetio.h"

#include <QThread>

namespace {

constexpr int networkConnectTimeoutS = 5;
constexpr int networkSendTimeoutS = 7;
constexpr int networkPauseMs = 5;

class ParallelRoute : public Route {
  public:
    explicit ParallelRoute(const QString &deviceName) {
        OutFile.assign(deviceName);
        OutFile.rewrite();
    }
    ~ParallelRoute() override { OutFile.release(); }
    bool write(const QByteArray &bytes) override {
        OutFile.write(bytes);
        OutFile.flush();
        return true;
    }
    void close() override { OutFile.close(); }
};

class SerialRoute : public Route {
  public:
    SerialRoute(TComPort &port, const QString &portName, const QString &rateText) : port(port) {
        port.setPort(portName);
        port.setBaudRate(rateFromText(rateText));
        port.Open();
    }
    ~SerialRoute() override { port.Close(); }
    bool write(const QByteArray &bytes) override {
        port.Write(bytes);
        return true;
    }
    void close() override { port.Close(); }

  private:
    TComPort &port;
};

class NetworkRoute : public Route {
  public:
    // Open the connection with open(); a route that did not connect is never handed out.
    explicit NetworkRoute(const SendVariant &variant) : pauseAfterSendMs(variant.networkPauseAfterSendMs) {}
    ~NetworkRoute() override {
        if (connected)
            KQNetClose();
    }
    bool open(const QString &address) {
        PrinterIP = address;
        const QByteArray text = PrinterIP.toLatin1();
        if ((KQNetOpen(text.constData(), networkConnectTimeoutS, networkSendTimeoutS) & 0xFF) != 1) {
            showMessage(QStringLiteral("Connect error"));
            return false;
        }
        connected = true;
        QThread::msleep(networkPauseMs);
        return true;
    }
    bool write(const QByteArray &bytes) override {
        if (!connected)
            return false;
        if (KQNetSend(bytes.constData(), static_cast<int>(bytes.size())))
            return true;
        KQNetClose();
        connected = false;
        showMessage(QStringLiteral("Send error"));
        return false;
    }
    void close() override {
        if (!connected)
            return;
        QThread::msleep(pauseAfterSendMs);
        KQNetClose();
        connected = false;
    }

  private:
    int pauseAfterSendMs;
    bool connected = false;
};

} // namespace

std::unique_ptr<Route> openRoute(const PortChoice &choice, TComPort &port, const SendVariant &variant) {
    if (choice.index == 0 || choice.index == 1)
        return std::make_unique<ParallelRoute>(choice.deviceName);
    if (choice.index >= 2 && choice.index <= 9)
        return std::make_unique<SerialRoute>(port, choice.deviceName, choice.rateText);
    if (choice.index == 10) {
        auto route = std::make_unique<NetworkRoute>(variant);
        if (route->open(choice.address))
            return route;
    }
    return nullptr;
}

bool fullSend(const QByteArray &bytes, const PortChoice &choice, TComPort &port, const SendVariant &variant) {
    const std::unique_ptr<Route> route = openRoute(choice, port, variant);
    if (!route || !route->write(bytes))
        return false;
    route->close();
    return true;
}
