#pragma once

#include <QIcon>

namespace tessarine {

// The program's own 32 by 32 icon, carried by every window.
QIcon appIcon();
QPixmap appIconPixmap();
// The small "play" picture of the sound preview buttons.
QIcon playIcon();

} // namespace tessarine
