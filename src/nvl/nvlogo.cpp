#include "nvlogo.h"

#include "app/sharedstate.h"
#include "app/textconv.h"

#include <QSize>

QByteArray nvLogoDefinition(const QImage &picture, const ConversionPlan &plan) {
    const RasterGeometry &g = plan.geometry;
    const QByteArray data = convert(picture, plan);
    QByteArray bytes;
    bytes.reserve(data.size() + 8);
    bytes.append(FS).append('\x71').append('\x01');
    bytes.append(lowByte(g.xL)).append(lowByte(g.xH)).append(lowByte(g.yL)).append(lowByte(g.yH));
    bytes.append(data);
    bytes.append('\x01');
    return bytes;
}

QByteArray nvLogoDownloadCommand(const QImage &picture, const ConversionPlan &plan) {
    QByteArray bytes;
    bytes.append(ESC).append('\x40').append(GS).append('\x54');
    return bytes + nvLogoDefinition(picture, plan);
}

QByteArray nvLogoPrintCommand(int scalingIndex) {
    QByteArray bytes;
    bytes.append(ESC).append('\x40').append(ESC).append('\x61').append('\x01');
    bytes.append(GS).append('\x54');
    bytes.append(FS).append('\x70').append('\x01').append(lowByte('0' + scalingIndex));
    bytes.append(ESC).append('\x40');
    return bytes;
}

QByteArray nvLogoClearCommand() {
    QByteArray bytes;
    bytes.append(FS).append('\x71').append("\x01\x01\x00\x01\x00", 5);
    bytes.append(8, '\0');
    bytes.append('\x01');
    return bytes;
}

QByteArray nvLogoPrintNormalCommand() {
    QByteArray bytes;
    bytes.append(FS).append('\x70').append('\x01').append('\0');
    return bytes;
}

QString pictureSizeText(int dataSize) {
    return QStringLiteral("位图大小： %1 字节").arg(dataSize);
}

QSize windowSizeFor(const RasterGeometry &geometry) {
    const int width = geometry.widthBytes > 58 ? 8 * geometry.widthBytes + 286 : 750;
    const int height = geometry.heightBytes > 58 ? 8 * geometry.heightBytes + 75 : 539;
    return {width, height};
}
