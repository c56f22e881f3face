#include "exportstext.h"

#include "raster.h"
#include "scramblehex.h"

#include <algorithm>

namespace {

const QByteArray entryLead(",0x");
const QByteArray linePrefix("\r\n.db  ");
constexpr qsizetype entryCharactersPerLine = 50;
const QString scrambleKey = QStringLiteral("D4");

QString twoDigits(char byte) {
    return hexDigits(static_cast<unsigned char>(byte));
}

} // namespace

QByteArray plainEntries(const QByteArray &bytes) {
    QByteArray entries;
    entries.reserve(bytes.size() * (entryLead.size() + 2));
    for (const char byte : bytes)
        entries += entryLead + twoDigits(byte).toLatin1();
    return entries;
}

QByteArray scrambledEntries(const QByteArray &bytes) {
    QByteArray entries;
    entries.reserve(bytes.size() * (entryLead.size() + 2));
    for (const char byte : bytes)
        entries += entryLead + ScrambleHex(twoDigits(byte), scrambleKey).toLatin1();
    return entries;
}

QByteArray breakIntoLines(const QByteArray &text) {
    QByteArray lines = text;
    const qsizetype step = entryCharactersPerLine + linePrefix.size();
    // A prefix goes in only while its position lies before the last character of the text so far.
    for (qsizetype at = 0; at + 1 < lines.size(); at += step)
        lines.insert(at, linePrefix);
    return lines;
}

QByteArray removeSpaceCommas(const QByteArray &text) {
    QByteArray result = text;
    // A deletion can join a space before it with a comma after it, so the search resumes one back.
    for (qsizetype at = result.indexOf(" ,"); at >= 0;
         at = result.indexOf(" ,", std::max<qsizetype>(0, at - 1)))
        result.remove(at, 2);
    return result;
}
