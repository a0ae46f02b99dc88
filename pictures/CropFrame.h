#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace tessarine {

// The part of a picture that will fill a box: always of the box's proportions and inside the
// picture, centred and as large as fits until the teacher moves or resizes it. Coordinates are the
// upright picture's pixels.
class CropFrame {
public:
    // Width over height of the exercise's object box (about 2:1) and of the answer boxes (square).
    static double objectAspect();
    static constexpr double SquareAspect = 1.0;
    // The smallest frame, in pixels of its shorter side (or the picture's, when that is smaller).
    static constexpr int MinimumSide = 16;

    CropFrame(QSize picture, double aspect);

    QSize picture() const { return m_picture; }
    double aspect() const { return m_aspect; }
    QRect rect() const { return m_rect; }

    // Moves the frame, stopping at the picture's edges.
    void moveBy(int dx, int dy);
    void moveTo(QPoint topLeft);
    // Grows (positive) or shrinks the frame's width by `dw` pixels about its centre, keeping its
    // proportions and staying inside the picture.
    void resizeBy(int dw);
    // The frame of the right proportions nearest to `wanted` (same centre, same width where it
    // fits), inside the picture.
    void setRect(const QRect& wanted);
    // Back to centred and as large as fits.
    void reset();

private:
    int heightFor(int width) const;
    int widestWidth() const;
    int narrowestWidth() const;
    // The frame of `width` (within the limits) about `centre`, shifted inside the picture.
    void place(QPointF centre, int width);

    QSize m_picture;
    double m_aspect;
    QRect m_rect;
};

} // namespace tessarine
