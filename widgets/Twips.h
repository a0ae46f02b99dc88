#pragma once

#include <QPoint>
#include <QRect>

namespace tessarine {

// Window layouts are designed in twips: 15 to a logical pixel.
constexpr int twips(int value) { return (value + 7) / 15; }
constexpr QPoint twipsPoint(int x, int y) { return {twips(x), twips(y)}; }
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

} // namespace tessarine
