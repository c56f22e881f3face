#include "fixturepictures.h"

#include <QFile>
#include <QVector>
#include <QtEndian>
#include <stdexcept>

QImage paintedPicture(int width, int height, const std::function<QRgb(int, int)> &colour) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, colour(x, y));
    return picture;
}

namespace {

void put16(QByteArray &bytes, int value) {
    char b[2];
    qToLittleEndian<quint16>(static_cast<quint16>(value), b);
    bytes.append(b, 2);
}

void put32(QByteArray &bytes, qint64 value) {
    char b[4];
    qToLittleEndian<quint32>(static_cast<quint32>(value), b);
    bytes.append(b, 4);
}

QVector<QRgb> coloursOf(const QImage &picture, int bitsPerPixel) {
    QVector<QRgb> table;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y) | 0xFF000000u;
            if (!table.contains(colour))
                table << colour;
        }
    if (table.size() > (1 << bitsPerPixel))
        throw std::invalid_argument("too many colours for the depth");
    return table;
}

// One row of pixel data, padded to four bytes.
QByteArray packedRow(const QImage &picture, int y, int bits, const QVector<QRgb> &table) {
    QByteArray row;
    if (bits >= 24) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            row.append(static_cast<char>(qBlue(c))).append(static_cast<char>(qGreen(c)));
            row.append(static_cast<char>(qRed(c)));
            if (bits == 32)
                row.append('\0');
        }
    } else {
        int accumulator = 0;
        int filled = 0;
        for (int x = 0; x < picture.width(); ++x) {
            accumulator = (accumulator << bits) | table.indexOf(picture.pixel(x, y) | 0xFF000000u);
            filled += bits;
            if (filled == 8) {
                row.append(static_cast<char>(accumulator));
                accumulator = filled = 0;
            }
        }
        if (filled > 0)
            row.append(static_cast<char>(accumulator << (8 - filled)));
    }
    while (row.size() % 4 != 0)
        row.append('\0');
    return row;
}

// Runs of one pixel each, one line end per row, the end-of-bitmap code at the end.
QByteArray rleRows(const QImage &picture, int bits, const QVector<QRgb> &table) {
    QByteArray data;
    for (int y = picture.height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int index = table.indexOf(picture.pixel(x, y) | 0xFF000000u);
            data.append('\x01').append(static_cast<char>(bits == 4 ? (index << 4) | index : index));
        }
        data.append('\0').append(y == 0 ? '\x01' : '\0');
    }
    return data;
}

} // namespace

QByteArray bitmapFile(const QImage &picture, int bits, RowOrder order, Compression compression) {
    const QVector<QRgb> table = bits <= 8 ? coloursOf(picture, bits) : QVector<QRgb>();
    QByteArray pixels;
    if (compression == Compression::Rle) {
        pixels = rleRows(picture, bits, table);
    } else {
        for (int i = 0; i < picture.height(); ++i) {
            const int y = order == RowOrder::BottomUp ? picture.height() - 1 - i : i;
            pixels += packedRow(picture, y, bits, table);
        }
    }
    const int tableEntries = bits <= 8 ? (1 << bits) : 0;
    const int offset = 14 + 40 + 4 * tableEntries;
    QByteArray file("BM");
    put32(file, offset + pixels.size());
    put32(file, 0);
    put32(file, offset);
    put32(file, 40);
    put32(file, picture.width());
    put32(file, order == RowOrder::TopDown ? -picture.height() : picture.height());
    put16(file, 1);
    put16(file, bits);
    put32(file, compression == Compression::None ? 0 : (bits == 8 ? 1 : 2));
    put32(file, pixels.size());
    put32(file, 2835);
    put32(file, 2835);
    put32(file, tableEntries);
    put32(file, 0);
    for (int i = 0; i < tableEntries; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        file.append(static_cast<char>(qBlue(c))).append(static_cast<char>(qGreen(c)));
        file.append(static_cast<char>(qRed(c))).append('\0');
    }
    return file + pixels;
}

QString writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write the fixture file");
    return path;
}

namespace {

bool dotAt(const QImage &picture, int x, int y, int threshold) {
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height())
        return false;
    const QRgb c = picture.pixel(x, y);
    return 65536 * qBlue(c) + 256 * qGreen(c) + qRed(c) < threshold;
}

QByteArray packBits(const QVector<bool> &bits) {
    QByteArray bytes;
    for (int i = 0; i + 8 <= bits.size(); i += 8) {
        int value = 0;
        for (int j = 0; j < 8; ++j)
            value = value * 2 + (bits[i + j] ? 1 : 0);
        bytes.append(static_cast<char>(value));
    }
    return bytes;
}

} // namespace

QByteArray expectedColumnBytes(const QImage &picture, int firstColumn, int columns, int rows, int threshold) {
    QVector<bool> bits;
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
            bits << dotAt(picture, firstColumn + c, r, threshold);
    return packBits(bits);
}

QByteArray expectedRowBytes(const QImage &picture, int columns, int rows, int threshold) {
    QVector<bool> bits;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            bits << dotAt(picture, c, r, threshold);
    return packBits(bits);
}
