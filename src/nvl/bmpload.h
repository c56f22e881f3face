#pragma once

#include <QImage>
#include <QString>

// The largest picture the loader decodes, in pixels; a larger one is refused as not valid instead of
// exhausting memory (256 MiB at 32 bits per pixel).
inline constexpr long long maxPicturePixels = 64LL * 1024 * 1024;

// Loads a picture file chosen by its extension. Only Windows bitmaps (.bmp, any case) are known.
// Raises KqError "Unknown picture file extension (.ext)" for another extension and "Bitmap image is
// not valid" for a damaged bitmap, one cut short included.
QImage loadPicture(const QString &fileName);

// The same check and decoding for the bytes of a bitmap file.
QImage decodeBitmap(const QByteArray &file);
