#pragma once

#include <QByteArray>
#include <QString>

class TComPort;

// How many times the status request is sent; a printer answers each with one byte.
inline constexpr int statusRounds = 5;

// Opens the port, then statusRounds times: writes the request, waits 30 ms, takes at most one byte that
// has arrived, waits 20 ms. Returns the bytes taken (at most statusRounds). The port is closed
// afterwards, also when a step fails.
QByteArray exchangeStatus(TComPort &port, const QString &portName, const QString &rateText,
                          const QByteArray &request);
