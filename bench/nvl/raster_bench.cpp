// Converts the largest picture the NV logo download accepts (576 x 680 pixels, 48,960 bytes of dot
// data) in both byte layouts, and reads every pixel of the same picture once as the floor. Prints ns
// per pixel of each and their ratio to the floor; the conversion aims at no more than 3x the floor.

#include "nvl/raster.h"

#include <QElapsedTimer>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>

namespace {

constexpr int width = 576;
constexpr int height = 680;
constexpr int rounds = 200;

QImage trueColourPicture() {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 7 + y) % 256, (x + y * 3) % 256, (x * y) % 256));
    return picture;
}

// Fastest of the rounds, in ns per pixel.
double nsPerPixel(const std::function<unsigned()> &pass) {
    volatile unsigned sink = 0;
    qint64 best = std::numeric_limits<qint64>::max();
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        sink = sink + pass();
        best = std::min(best, timer.nsecsElapsed());
    }
    return static_cast<double>(best) / (width * height);
}

// The floor: every pixel of the picture read once, as the conversion must read it.
unsigned readEveryPixel(const QImage &picture) {
    unsigned sum = 0;
    if (picture.format() == QImage::Format_Indexed8) {
        const QVector<QRgb> table = picture.colorTable();
        for (int y = 0; y < picture.height(); ++y) {
            const uchar *line = picture.constScanLine(y);
            for (int x = 0; x < picture.width(); ++x)
                sum += table[line[x]];
        }
    } else {
        for (int y = 0; y < picture.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                sum += line[x];
        }
    }
    return sum;
}

unsigned checksum(const QByteArray &bytes) {
    unsigned sum = static_cast<unsigned>(bytes.size());
    for (char byte : bytes)
        sum = sum * 31 + static_cast<unsigned char>(byte);
    return sum;
}

void measure(const char *name, const QImage &picture) {
    const ConversionPlan download = conversionPlan(ConversionCommand::NvLogoDownload, picture.size());
    const ConversionPlan rows = conversionPlan(ConversionCommand::CutterTest, picture.size());
    const double floor = nsPerPixel([&] { return readEveryPixel(picture); });
    const double columns = nsPerPixel([&] { return checksum(convert(picture, download)); });
    const double rowBytes = nsPerPixel([&] { return checksum(convert(picture, rows)); });
    std::printf(
        "%-12s floor %6.3f ns/px | column bytes %6.3f ns/px (%4.2fx) | row bytes %6.3f ns/px (%4.2fx)\n",
        name, floor, columns, columns / floor, rowBytes, rowBytes / floor);
}

} // namespace

int main() {
    const QImage trueColour = trueColourPicture();
    std::printf("%d x %d pixels, %d bytes of dot data, best of %d rounds; target: at most 3x the floor\n",
                width, height, rasterGeometry(width, height).dataSize, rounds);
    measure("32-bit", trueColour);
    measure("8-bit", trueColour.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither));
    return 0;
}
