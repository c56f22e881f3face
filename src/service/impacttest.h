#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

// The impact mechanism test stream: direction, orientation and alignment settings, one numbered
// bit-image line per line number from first to last (line k carries k data bytes), and a closing
// centred text with a feed.
struct ImpactTestSettings {
    bool upsideDown = false;        // orientation ESC { 01
    bool unidirectional = false;    // print direction ESC U 01
    bool aligned = false;           // alignment ESC a 01
    bool lineFeedEveryLine = false; // every line ends CR LF, not only every tenth
    int first = 0;
    int last = 200;
    int mode = 0; // bit-image mode m, sent as one byte
};

// The stream grows with the square of the last line number; longer streams are refused.
constexpr qint64 impactTestLimit = qint64(16) * 1024 * 1024;

// The stream's length, computed without building it (no lines when last is below first).
qint64 impactTestLength(int first, int last, bool lineFeedEveryLine);

// The largest last line whose stream stays within impactTestLimit; none when the first line alone
// exceeds it.
std::optional<int> largestImpactTestLastLine(int first, bool lineFeedEveryLine);

// Builds the stream in one allocation of its final size. The caller keeps it within the limit.
QByteArray impactTestCommand(const ImpactTestSettings &settings);
