#pragma once

#include <QRect>
#include <QSize>

#include <array>

namespace tessarine {

// The exercise window's boxes (children of a frame relative to the frame).
struct ExerciseBoxes {
    QRect caption;
    QRect objectPicture;
    QRect changeSet;
    QRect symbolFrame;
    QRect attributeFrame;
    std::array<QRect, 2> symbols;
    std::array<QRect, 2> attributes;
    // The row of reward tokens, in the strip between the object picture and the answer frames,
    // where it covers nothing of the design.
    QRect tokenRow;
};

// The exercise window's design layout: its client area and its boxes in twips, the caption's point
// size and the line around each picture in pixels.
struct DesignLayout : ExerciseBoxes {
    QSize client;
    int captionPointSize = 0;
    int pictureBorder = 0;
};

// The exercise window as it was designed.
DesignLayout exerciseDesignLayout();

// The layout in pixels for one window size. Filling, the whole design scales by one factor, as
// large as the window allows in both directions, and is centred; otherwise it stays at its design
// size in the upper left corner, shrunk by that factor when the window is smaller than the design. Box edges are rounded one by
// one, so that neighbours never overlap or part, and children are placed relative to their frame's rounded corner.
struct ScaledLayout : ExerciseBoxes {
    double scale = 1.0;
    double captionPointSize = 0;
    // The device pixels a picture fills inside its box's line: the size to decode it at, so that it
    // is drawn without being enlarged.
    QSize objectDecodeSize;
    QSize answerDecodeSize;

    static ScaledLayout compute(const DesignLayout& design, QSize window, bool fill, double devicePixelRatio = 1.0);
};

} // namespace tessarine
