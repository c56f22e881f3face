#pragma once

#include <cstdint>

// The network printing library: raw TCP to port 9100 of the printer, one connection at a time.
// KQNetOpen's low byte is 1 when the connection is open. connectTimeout and sendTimeout are seconds.
int KQNetOpen(const char *address, int connectTimeout, int sendTimeout);
// True when every byte was delivered to the printer within the send timeout.
bool KQNetSend(const char *data, int length);
int KQNetClose();

// Tests point the library at a loopback listener's port instead of 9100.
void KQNetSetPortForTesting(std::uint16_t port);
