#include "impacttest.h"

#include "app/sharedstate.h"
#include "app/textconv.h"

#include <QStringEncoder>
#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// The GBK texts of the stream: "谢F" on every line, "测试机芯完成" in the closing part.
struct GbkTexts {
    QByteArray lineText;
    QByteArray closingText;
};

const GbkTexts &gbkTexts() {
    static const GbkTexts texts = [] {
        QStringEncoder gbk("GBK");
        GbkTexts encoded;
        encoded.lineText = gbk.encode(QStringLiteral("谢F"));
        encoded.closingText = gbk.encode(QStringLiteral("测试机芯完成"));
        return encoded;
    }();
    return texts;
}

constexpr qint64 settingsLength = 11;
// FS ! 0C ESC a 01 LF, the text, ESC d 05 ESC @.
qint64 closingLength() {
    return 7 + gbkTexts().closingText.size() + 5;
}
// Per line besides the number, the data and the optional LF: LF or CR, FS S 00 00, ESC * m nL nH, the
// text, CR.
qint64 lineOverhead() {
    return 1 + 4 + 5 + gbkTexts().lineText.size() + 1;
}

qint64 floorDiv(qint64 value, qint64 divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

// Sum of the decimal digit counts of lo..hi, 0 <= lo <= hi.
qint64 digitCount(qint64 lo, qint64 hi) {
    qint64 total = 0;
    qint64 bandLo = 0;
    qint64 bandHi = 9;
    for (int digits = 1; bandLo <= hi; ++digits) {
        const qint64 overlap = std::min(hi, bandHi) - std::max(lo, bandLo) + 1;
        if (overlap > 0)
            total += overlap * digits;
        bandLo = bandHi + 1;
        bandHi = bandHi * 10 + 9;
    }
    return total;
}

// Characters of the line numbers first..last, minus signs included.
qint64 numberTextLength(qint64 first, qint64 last) {
    qint64 total = 0;
    if (last >= 0)
        total += digitCount(std::max<qint64>(first, 0), last);
    if (first < 0) {
        const qint64 negativeLast = std::min<qint64>(last, -1);
        total += (negativeLast - first + 1) + digitCount(-negativeLast, -first);
    }
    return total;
}

// Writes the decimal text of a number, a minus sign first when negative.
char *putDecimal(char *out, qint64 number) {
    if (number < 0)
        *out++ = '-';
    quint64 magnitude = number < 0 ? quint64(-number) : quint64(number);
    int digits = 1;
    for (quint64 power = 10; digits < 20 && magnitude >= power; power *= 10)
        ++digits;
    for (char *digit = out + digits - 1; digit >= out; --digit) {
        *digit = char('0' + magnitude % 10);
        magnitude /= 10;
    }
    return out + digits;
}

template <size_t N> char *putBytes(char *out, const char (&bytes)[N]) {
    std::memcpy(out, bytes, N);
    return out + N;
}

char *putBytes(char *out, const QByteArray &bytes) {
    std::memcpy(out, bytes.constData(), size_t(bytes.size()));
    return out + bytes.size();
}

} // namespace

qint64 impactTestLength(int first, int last, bool lineFeedEveryLine) {
    qint64 length = settingsLength + closingLength();
    if (last < first)
        return length;
    const qint64 lines = qint64(last) - first + 1;
    length += lines * lineOverhead() + numberTextLength(first, last);
    if (last >= 1) {
        const qint64 lo = std::max(first, 1);
        length += (lo + last) * (qint64(last) - lo + 1) / 2; // data bytes: line k carries k
    }
    length += lineFeedEveryLine ? lines : floorDiv(last, 10) - floorDiv(qint64(first) - 1, 10);
    return length;
}

std::optional<int> largestImpactTestLastLine(int first, bool lineFeedEveryLine) {
    if (impactTestLength(first, first, lineFeedEveryLine) > impactTestLimit)
        return std::nullopt;
    qint64 accepted = first;
    qint64 refused = qint64(std::numeric_limits<int>::max()) + 1;
    while (refused - accepted > 1) {
        const qint64 middle = accepted + (refused - accepted) / 2;
        if (impactTestLength(first, int(middle), lineFeedEveryLine) <= impactTestLimit)
            accepted = middle;
        else
            refused = middle;
    }
    return int(accepted);
}

QByteArray impactTestCommand(const ImpactTestSettings &settings) {
    const GbkTexts &texts = gbkTexts();
    const qint64 length = impactTestLength(settings.first, settings.last, settings.lineFeedEveryLine);
    QByteArray bytes(qsizetype(length), Qt::Uninitialized);
    char *out = bytes.data();
    // One pass sets every data byte; the rest of the stream is written over it. Many short fills, one
    // per line, would cost several times more.
    std::memset(out, 0x01, size_t(length));
    const char settingBytes[] = {ESC,
                                 0x40,
                                 ESC,
                                 0x7B,
                                 char(settings.upsideDown),
                                 ESC,
                                 0x55,
                                 char(settings.unidirectional),
                                 ESC,
                                 0x61,
                                 char(settings.aligned)};
    out = putBytes(out, settingBytes);
    const char mode = lowByte(settings.mode);
    const char *const lineText = texts.lineText.constData();
    const size_t lineTextSize = size_t(texts.lineText.size());
    for (qint64 k = settings.first; k <= settings.last; ++k) {
        out = putDecimal(out, k);
        const int line = int(k);
        // Stored one by one: a stack array copied in would cost a store-forwarding stall per line.
        out[0] = line < 10 ? LF : CR;
        out[1] = FS;
        out[2] = 0x53;
        out[3] = 0;
        out[4] = 0;
        out[5] = ESC;
        out[6] = 0x2A;
        out[7] = mode;
        out[8] = lowByte(line % 256);
        out[9] = lowByte(line / 256);
        out += 10;
        if (line > 0)
            out += line; // the data bytes, already 01
        std::memcpy(out, lineText, lineTextSize);
        out += lineTextSize;
        *out++ = CR;
        if (settings.lineFeedEveryLine || line % 10 == 0)
            *out++ = LF;
    }
    const char closingStart[] = {FS, 0x21, 0x0C, ESC, 0x61, 0x01, LF};
    out = putBytes(out, closingStart);
    out = putBytes(out, texts.closingText);
    const char closingEnd[] = {ESC, 0x64, 0x05, ESC, 0x40};
    out = putBytes(out, closingEnd);
    Q_ASSERT(out == bytes.constData() + bytes.size());
    return bytes;
}
