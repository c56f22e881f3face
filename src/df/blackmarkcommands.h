#pragma once

#include <QByteArray>

// Black-mark positioning of impact printers: offsets are counted in units of 0.1764 mm.
enum class BlackMarkPosition { PrintStart = 0x01, CutTear = 0x02 };
enum class FeedDirection { Forward = 0x00, Backward = 0x01 };

// Back-feeding further than this is refused by the window.
inline constexpr double maxBackFeedMillimetres = 100.0;

struct BlackMarkOffset {
    int units; // millimetres / 0.1764, rounded half to even
    int nL;    // units mod 256, truncated toward zero
    int nH;    // units div 256, truncated toward zero
};

// Converts a distance in millimetres. Raises KqError "Invalid floating point operation" when the
// unit count does not fit a signed 32-bit integer.
BlackMarkOffset blackMarkOffset(double millimetres);

// GS T GS ( F 04 00 a m nL nH: eleven bytes, nL and nH each sent as their low 8 bits.
QByteArray blackMarkOffsetCommand(BlackMarkPosition position, FeedDirection direction,
                                  const BlackMarkOffset &offset);

// Demonstration prints (46 bytes each, texts in GBK): a short text, then a feed to the next print start
// position or to the next cut/tear position.
QByteArray printStartDemoCommand();
QByteArray cutTearDemoCommand();
