#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class TComPort;

// What a send takes from the main window, read afresh at every send.
struct PortChoice {
    int index = -1;     // item index of the port list: 0-1 parallel, 2-9 serial, 10 network
    QString deviceName; // device or port name from the handler's name source
    QString rateText;   // rate text from the handler's name source
    QString address;    // the address field's text, for the network route
};

// How a handler's send differs from the standard one on the network route.
struct SendVariant {
    int networkPauseAfterSendMs = 5;
};

// One opened route. Writing delivers all bytes in order, 0x00 included, nothing added. Parallel and
// serial failures raise (the route is closed before the error leaves it); a network failure shows
// "Send error", closes the connection and returns false.
class Route {
  public:
    virtual ~Route() = default;
    virtual bool write(const QByteArray &bytes) = 0;
    virtual void close() = 0;
};

// Opens the route of choice.index; nullptr when nothing is to be sent (an index outside 0 to 10, or a
// network connection that did not open: "Connect error" has then been shown).
std::unique_ptr<Route> openRoute(const PortChoice &choice, TComPort &port, const SendVariant &variant = {});

// The full send: open, write, close. True when every byte was delivered.
bool fullSend(const QByteArray &bytes, const PortChoice &choice, TComPort &port,
              const SendVariant &variant = {});
