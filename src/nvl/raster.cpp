#include "raster.h"

#include <algorithm>
#include <array>
#include <climits>

int fillOf(int dots) {
    return dots % 8 == 0 ? 0 : 8 - dots % 8;
}

int bytesOf(int dots) {
    return dots % 8 == 0 ? dots / 8 : dots / 8 + 1;
}

RasterGeometry rasterGeometry(int widthDots, int heightDots) {
    RasterGeometry g;
    g.widthDots = widthDots;
    g.heightDots = heightDots;
    g.columnFill = fillOf(widthDots);
    g.rowFill = fillOf(heightDots);
    g.widthBytes = bytesOf(widthDots);
    g.heightBytes = bytesOf(heightDots);
    g.xL = g.widthBytes % 256;
    g.xH = g.widthBytes / 256;
    g.yL = g.heightBytes % 256;
    g.yH = g.heightBytes / 256;
    // Computed in 64 bits and clamped, so a huge picture reads as too large instead of wrapping around.
    const long long size = static_cast<long long>(g.xL + 256 * g.xH) * (g.yL + 256 * g.yH) * 8;
    g.dataSize = static_cast<int>(std::clamp<long long>(size, INT_MIN, INT_MAX));
    return g;
}

namespace {

// Reads the dot test of one picture row without per-pixel conversions: indexed pictures test their
// colour table once, 32-bit pictures are read in place, anything else is converted once per call.
class DotReader {
  public:
    DotReader(const QImage &picture, int threshold) : threshold(threshold) {
        if (picture.format() == QImage::Format_Indexed8) {
            image = picture;
            const QVector<QRgb> table = picture.colorTable();
            for (int i = 0; i < table.size(); ++i)
                indexDots[static_cast<size_t>(i)] = isDot(table[i], threshold);
            indexed = true;
        } else if (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32) {
            image = picture;
        } else {
            image = picture.convertToFormat(QImage::Format_RGB32);
        }
    }
    int width() const { return image.width(); }
    int height() const { return image.height(); }
    // Calls mark(c) for each raster column c in [0, columns) whose picture column firstColumn + c
    // lies inside the picture and holds a dot.
    template <class Mark> void forEachDot(int row, int firstColumn, int columns, Mark &&mark) const {
        const int begin = std::max(0, -firstColumn);
        const int end = std::min(columns, image.width() - firstColumn);
        if (indexed) {
            const uchar *line = image.constScanLine(row);
            for (int c = begin; c < end; ++c)
                if (indexDots[line[firstColumn + c]])
                    mark(c);
        } else {
            const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(row));
            for (int c = begin; c < end; ++c)
                if (isDot(line[firstColumn + c], threshold))
                    mark(c);
        }
    }

  private:
    QImage image;
    int threshold;
    bool indexed = false;
    std::array<bool, 256> indexDots{};
};

int sampledRows(const DotReader &reader, const RasterSample &sample) {
    return std::min(sample.rows, reader.height());
}

} // namespace

QByteArray columnByteData(const QImage &picture, const RasterSample &sample) {
    if (sample.columns <= 0 || sample.rows <= 0)
        return {};
    const int bytesPerColumn = sample.rows / 8;
    QByteArray data(static_cast<qsizetype>(sample.columns) * bytesPerColumn, '\0');
    if (picture.isNull())
        return data;
    const DotReader reader(picture, sample.threshold);
    char *out = data.data();
    const int rows = sampledRows(reader, sample);
    for (int r = 0; r < rows; ++r) {
        char *rowByte = out + r / 8;
        const char bit = static_cast<char>(0x80 >> (r % 8));
        reader.forEachDot(r, sample.firstColumn, sample.columns,
                          [&](int c) { rowByte[static_cast<qsizetype>(c) * bytesPerColumn] |= bit; });
    }
    return data;
}

QByteArray rowByteData(const QImage &picture, const RasterSample &sample) {
    if (sample.columns <= 0 || sample.rows <= 0)
        return {};
    const int bytesPerRow = sample.columns / 8;
    QByteArray data(static_cast<qsizetype>(bytesPerRow) * sample.rows, '\0');
    if (picture.isNull())
        return data;
    const DotReader reader(picture, sample.threshold);
    char *out = data.data();
    const int rows = sampledRows(reader, sample);
    for (int r = 0; r < rows; ++r) {
        char *row = out + static_cast<qsizetype>(r) * bytesPerRow;
        reader.forEachDot(r, sample.firstColumn, bytesPerRow * 8,
                          [&](int c) { row[c / 8] |= static_cast<char>(0x80 >> (c % 8)); });
    }
    return data;
}

namespace {

struct ConversionVariant {
    bool trims;             // W = w - t, sampling from picture column t
    bool extraRow;          // H = h + 1
    bool thresholdFromEdit; // T given by the command, else the default
    ByteLayout layout;
    bool pictureRowsOnly; // sample h rows instead of the padded raster's rows
    SizeCheck sizeCheck;
};

ConversionVariant variantOf(ConversionCommand command) {
    switch (command) {
    case ConversionCommand::NvLogoDownload:
        return {true, true, true, ByteLayout::ColumnBytes, false, SizeCheck::DataSizeLimit};
    case ConversionCommand::DefineBitImage:
        return {true, true, false, ByteLayout::ColumnBytes, false, SizeCheck::BitImageLimits};
    case ConversionCommand::ConvertedDataText:
    case ConversionCommand::ScrambledData:
        return {false, false, false, ByteLayout::ColumnBytes, false, SizeCheck::DataSizeLimit};
    case ConversionCommand::CutterTest:
        return {false, false, false, ByteLayout::RowBytes, true, SizeCheck::None};
    }
    return {};
}

} // namespace

ConversionPlan conversionPlan(ConversionCommand command, QSize picture, int leftTrim, int threshold) {
    const ConversionVariant variant = variantOf(command);
    const int t = variant.trims ? leftTrim : 0;
    ConversionPlan plan;
    plan.geometry = rasterGeometry(picture.width() - t, picture.height() + (variant.extraRow ? 1 : 0));
    plan.sample.firstColumn = t;
    plan.sample.columns = plan.geometry.paddedColumns();
    plan.sample.rows = variant.pictureRowsOnly ? picture.height() : plan.geometry.paddedRows();
    plan.sample.threshold = variant.thresholdFromEdit ? threshold : defaultDotThreshold;
    plan.layout = variant.layout;
    plan.sizeCheck = variant.sizeCheck;
    return plan;
}

QByteArray convert(const QImage &picture, const ConversionPlan &plan) {
    return plan.layout == ByteLayout::ColumnBytes ? columnByteData(picture, plan.sample)
                                                  : rowByteData(picture, plan.sample);
}

QString hexDigits(unsigned value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QString BitsToHex(const QString &bits) {
    unsigned value = 0;
    for (const QChar digit : bits)
        value = value * 2 + static_cast<unsigned>(std::max(0, digit.digitValue()));
    return hexDigits(value);
}
