#include "bmpload.h"

#include "app/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>

namespace {

const QString notValid = QStringLiteral("Bitmap image is not valid");

constexpr int fileHeaderSize = 14;
constexpr int coreHeaderSize = 12; // the old header with 16-bit sizes
constexpr quint32 uncompressed = 0;
constexpr quint32 rle8 = 1;
constexpr quint32 rle4 = 2;
constexpr quint32 bitFields = 3;

quint16 word(const QByteArray &bytes, int at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 dword(const QByteArray &bytes, int at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

struct BitmapHeader {
    qint64 dataOffset = 0;
    qint64 width = 0;
    qint64 height = 0; // without sign; a negative one in the file means top-down rows
    int bitsPerPixel = 0;
    quint32 compression = uncompressed;
    qint64 imageSize = 0; // size of the pixel data as the header gives it; 0 when not given
};

// Reads the headers; false when they cannot describe a picture.
bool readHeader(const QByteArray &file, BitmapHeader &header) {
    if (file.size() < fileHeaderSize + coreHeaderSize || file[0] != 'B' || file[1] != 'M')
        return false;
    header.dataOffset = dword(file, 10);
    const quint32 infoSize = dword(file, fileHeaderSize);
    const int info = fileHeaderSize + 4;
    if (infoSize == coreHeaderSize) {
        header.width = word(file, info);
        header.height = word(file, info + 2);
        header.bitsPerPixel = word(file, info + 6);
        return true;
    }
    if (infoSize < 40 || file.size() < fileHeaderSize + 40)
        return false;
    header.width = static_cast<qint32>(dword(file, info));
    header.height = static_cast<qint32>(dword(file, info + 4));
    if (header.height < 0)
        header.height = -header.height;
    header.bitsPerPixel = word(file, info + 10);
    header.compression = dword(file, info + 12);
    header.imageSize = dword(file, info + 16);
    return true;
}

// Walks the runs of a run-length encoded bitmap: complete when the end-of-bitmap code or the end of
// the last row arrives before the data ends.
bool runsComplete(const QByteArray &file, const BitmapHeader &header) {
    const qint64 end = header.imageSize > 0
                           ? std::min<qint64>(file.size(), header.dataOffset + header.imageSize)
                           : file.size();
    const auto byteAt = [&](qint64 at) { return static_cast<quint8>(file[static_cast<qsizetype>(at)]); };
    qint64 rows = 0;
    for (qint64 at = header.dataOffset; at + 2 <= end && rows < header.height;) {
        const int count = byteAt(at);
        const int code = byteAt(at + 1);
        at += 2;
        if (count > 0 || code > 2) {
            if (count == 0) { // an absolute run of code pixels, padded to a whole word
                const qint64 bytes = header.compression == rle8 ? code : (code + 1) / 2;
                at += bytes + bytes % 2;
            }
        } else if (code == 0) {
            ++rows;
        } else if (code == 1) {
            return true;
        } else { // a move right and down
            if (at + 2 > end)
                return false;
            rows += byteAt(at + 1);
            at += 2;
        }
        if (at > end)
            return false;
    }
    return rows >= header.height;
}

// The decoder fills missing pixel data with whatever lies in memory; such a file is damaged.
bool pixelDataComplete(const QByteArray &file, const BitmapHeader &header) {
    const qint64 fileSize = file.size();
    if (header.dataOffset > fileSize)
        return false;
    if (header.compression == uncompressed || header.compression == bitFields) {
        const qint64 rowBytes = (header.width * header.bitsPerPixel + 31) / 32 * 4;
        return header.dataOffset + rowBytes * header.height <= fileSize;
    }
    if (header.compression == rle8 || header.compression == rle4)
        return header.dataOffset + header.imageSize <= fileSize && runsComplete(file, header);
    return true; // other encodings are for the decoder to judge
}

} // namespace

QImage decodeBitmap(const QByteArray &file) {
    BitmapHeader header;
    if (!readHeader(file, header) || header.width <= 0 || header.height <= 0 ||
        header.width * header.height > maxPicturePixels || !pixelDataComplete(file, header))
        throw KqError(notValid);
    QImage picture;
    if (!picture.loadFromData(file, "BMP") || picture.isNull())
        throw KqError(notValid);
    return picture;
}

QImage loadPicture(const QString &fileName) {
    const QString extension = QFileInfo(fileName).suffix();
    if (extension.compare(QLatin1String("bmp"), Qt::CaseInsensitive) != 0)
        throw KqError(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw KqError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    return decodeBitmap(file.readAll());
}
