#pragma once

#include <QFont>
#include <QStringList>

namespace tessarine {

// The windows were laid out for "MS Sans Serif"; where it is missing, the metric twin of Arial
// (Liberation Sans) keeps the captions inside their designed boxes, with any sans-serif after it.
QFont designFont(int pointSize, bool bold = false);

} // namespace tessarine
