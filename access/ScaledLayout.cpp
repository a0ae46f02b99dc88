#include "access/ScaledLayout.h"

#include <algorithm>
#include <cmath>

namespace tessarine {

namespace {

constexpr double TwipsPerPixel = 15.0;

struct Placement {
    double scale;
    double left;
    double top;

    // The box's edges in the window, unrounded.
    QRectF place(const QRect& twips, QPointF origin = {}) const
    {
        return {origin.x() + twips.x() / TwipsPerPixel * scale, origin.y() + twips.y() / TwipsPerPixel * scale,
                twips.width() / TwipsPerPixel * scale, twips.height() / TwipsPerPixel * scale};
    }
};

QRect rounded(const QRectF& box, QPoint origin = {})
{
    const int left = static_cast<int>(std::lround(box.left()));
    const int top = static_cast<int>(std::lround(box.top()));
    const int right = static_cast<int>(std::lround(box.right()));
    const int bottom = static_cast<int>(std::lround(box.bottom()));
    return QRect(left, top, right - left, bottom - top).translated(-origin);
}

QSize decodeSize(const QRect& box, int border, double devicePixelRatio)
{
    const QSize inside = box.size().shrunkBy({border, border, border, border}).expandedTo({0, 0});
    return {static_cast<int>(std::lround(inside.width() * devicePixelRatio)),
            static_cast<int>(std::lround(inside.height() * devicePixelRatio))};
}

} // namespace

DesignLayout exerciseDesignLayout()
{
    DesignLayout design;
    design.client = {15135, 10140};
    design.caption = {720, 120, 9015, 615};
    design.objectPicture = {720, 840, 9000, 4500};
    design.changeSet = {12120, 840, 1935, 495};
    design.symbolFrame = {360, 6000, 7215, 3735};
    design.symbols = {QRect(240, 480, 3015, 3015), QRect(3795, 480, 3015, 3015)};
    design.attributeFrame = {7560, 6000, 7215, 3735};
    design.attributes = {QRect(360, 480, 3015, 3015), QRect(3915, 480, 3015, 3015)};
    // The strip between the object picture (down to 5340) and the answer frames (from 6000).
    design.tokenRow = {720, 5400, 14055, 540};
    design.captionPointSize = 24;
    design.pictureBorder = 1;
    return design;
}

ScaledLayout ScaledLayout::compute(const DesignLayout& design, QSize window, bool fill, double devicePixelRatio)
{
    Placement placement{1.0, 0.0, 0.0};
    const double designWidth = design.client.width() / TwipsPerPixel;
    const double designHeight = design.client.height() / TwipsPerPixel;
    if (!window.isEmpty() && designWidth > 0 && designHeight > 0) {
        const double fit = std::min(window.width() / designWidth, window.height() / designHeight);
        if (fill) {
            placement.scale = fit;
            placement.left = (window.width() - designWidth * placement.scale) / 2;
            placement.top = (window.height() - designHeight * placement.scale) / 2;
        } else if (fit < 1.0) {
            // A small screen would cut the answer rows off: the design shrinks into the window,
            // still in its upper left corner, so that it shrinks steadily as the window does.
            placement.scale = fit;
        }
    }
    const QPointF origin(placement.left, placement.top);

    ScaledLayout layout;
    layout.scale = placement.scale;
    layout.caption = rounded(placement.place(design.caption, origin));
    layout.objectPicture = rounded(placement.place(design.objectPicture, origin));
    layout.changeSet = rounded(placement.place(design.changeSet, origin));
    layout.tokenRow = rounded(placement.place(design.tokenRow, origin));
    const QRectF symbolFrame = placement.place(design.symbolFrame, origin);
    const QRectF attributeFrame = placement.place(design.attributeFrame, origin);
    layout.symbolFrame = rounded(symbolFrame);
    layout.attributeFrame = rounded(attributeFrame);
    for (std::size_t i = 0; i < 2; ++i) {
        layout.symbols[i] = rounded(placement.place(design.symbols[i], symbolFrame.topLeft()), layout.symbolFrame.topLeft());
        layout.attributes[i] = rounded(placement.place(design.attributes[i], attributeFrame.topLeft()),
                                       layout.attributeFrame.topLeft());
    }
    layout.captionPointSize = design.captionPointSize * placement.scale;
    layout.objectDecodeSize = decodeSize(layout.objectPicture, design.pictureBorder, devicePixelRatio);
    layout.answerDecodeSize = decodeSize(layout.symbols[0], design.pictureBorder, devicePixelRatio);
    return layout;
}

} // namespace tessarine
