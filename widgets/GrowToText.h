#pragma once

class QWidget;

namespace tessarine {

// Windows placed control by control were measured for their English texts, which other languages
// outgrow. This widens each control of `window` to its text; a control so widened pushes the ones
// to its right along its row, a drop-down list giving up width first; what then no longer fits in
// the frame's width moves to a line of its own below; a text that wraps gets the lines it needs;
// frames and the window grow downwards.
// Where every text fits, nothing moves. Call it once the texts are set.
void growToTexts(QWidget* window);

} // namespace tessarine
