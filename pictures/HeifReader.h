#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace tessarine {

// Phones' HEIC/HEIF photos, through libheif's C API. libheif turns and mirrors the picture as the
// file says while decoding, so what comes back is upright.
namespace HeifReader {

// Whether the first bytes of a file are those of a HEIF file.
bool looksLikeHeif(const QByteArray& head);
// The upright size of the primary picture, or an empty size with `error` set.
QSize size(const QString& path, QString& error);
// The primary picture, upright, in QImage::Format_RGBA8888; a null image with `error` set.
QImage read(const QString& path, qint64 maxPixels, QString& error);

} // namespace HeifReader

} // namespace tessarine
