#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace tessarine::testing {

// Four coloured quadrants, so that a turn, a mirror or a misplaced crop shows in the pixels.
inline const QColor TopLeft{255, 0, 0};
inline const QColor TopRight{0, 200, 0};
inline const QColor BottomLeft{0, 0, 255};
inline const QColor BottomRight{255, 255, 0};
QImage quadrants(QSize size);

// Whether the picture shows the four quadrants in their places (colours within a lossy coder's
// tolerance); the reason when it does not.
QString quadrantProblem(const QImage& picture);
bool near(QColor seen, QColor wanted, int tolerance = 40);

// JPEG bytes with an EXIF orientation (1 to 8) in an APP1 segment right after the start marker.
QByteArray jpegWithOrientation(const QImage& stored, int orientation);
// A GIF written by hand (Qt writes none): four colours, LZW codes kept at three bits.
QByteArray gifOf(const QImage& fourColours);
// An SVG drawing of the quadrants, `size` its intrinsic size.
QByteArray svgQuadrants(QSize size);
// Writes a HEIC file with libheif's own encoder, turned as `orientation` says; the empty text on
// success, else why it could not (no HEVC encoder here).
QString writeHeic(const QString& path, const QImage& stored, int orientation);

bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

} // namespace tessarine::testing
