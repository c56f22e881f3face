#include "cuttertestpage.h"

#include "app/sharedstate.h"
#include "app/textconv.h"

#include <initializer_list>

namespace {

constexpr int shiftedLines = 5;

QByteArray bytes(std::initializer_list<char> list) {
    return QByteArray(list.begin(), static_cast<qsizetype>(list.size()));
}

// ESC a n: alignment (n = '0' left, '1' centre).
QByteArray align(char n) {
    return bytes({ESC, 'a', n});
}

// ESC ! n: print mode.
QByteArray printMode(char n) {
    return bytes({ESC, '!', n});
}

QByteArray initialize() {
    return bytes({ESC, '@'});
}

// Five lines of length ASCII characters from "!" on, line L shifted by L.
QByteArray asciiLines(int length) {
    QByteArray lines;
    for (int shift = 0; shift < shiftedLines; ++shift) {
        for (int i = 0; i < length; ++i)
            lines += static_cast<char>(0x21 + shift + i);
        lines += LF;
    }
    return lines;
}

// Five lines of 21 GB2312 characters from B0A1 on, line L shifted by L.
QByteArray gb2312Lines() {
    QByteArray lines;
    for (int shift = 0; shift < shiftedLines; ++shift) {
        for (int i = 0; i < 21; ++i) {
            lines += '\xB0';
            lines += static_cast<char>(0xA1 + shift + i);
        }
        lines += LF;
    }
    return lines;
}

} // namespace

QByteArray cutterRasterBlock(int widthBytes, int heightDots, const QByteArray &rowBytes) {
    QByteArray block = bytes({GS, 'v', '0', '0'});
    block += lowByte(widthBytes);
    block += lowByte(widthBytes / 256);
    block += lowByte(heightDots);
    block += lowByte(heightDots / 256);
    block += rowBytes;
    block += LF;
    return block;
}

QByteArray cutterTestPage(const QByteArray &rasterBlock, int nulCount) {
    QByteArray page;
    page += initialize();
    page += align('1');
    page += printMode('0');
    page += "Selftest";
    page += QByteArray(2, LF);
    page += rasterBlock;
    page += align('0');
    if (nulCount > 0)
        page += QByteArray(nulCount, NUL);
    page += printMode('\x00');
    page += asciiLines(42);
    page += LF;
    page += printMode('\x01');
    page += asciiLines(56);
    page += LF;
    page += gb2312Lines();
    page += LF;
    page += align('1');
    page += rasterBlock;
    page += printMode('(');
    page += "*** Completed ***";
    page += LF;
    page += QByteArray(7, LF);
    page += bytes({ESC, 'r', '\x00'});
    page += bytes({ESC, 'i'});
    page += initialize();
    return page;
}

QByteArray cutterCopyHeader(int k) {
    return align('1') + QByteArray::number(k) + LF;
}
