#pragma once

#include <QColor>
#include <QFrame>

namespace tessarine {

// The prompt's marks on the exercise window. The right picture gets a thick frame in one colour
// that stands at least 3:1 against the window's grey and the yellow and red frames; the
// distractor is drawn faint (PictureBox::setDimmed).
namespace PromptMarks {
inline constexpr double DimmedOpacity = 0.3;
inline constexpr int FrameWidth = 10;
QColor frameColour();
// The contrast ratio of two colours (1 to 21), from their relative luminance.
double contrast(const QColor& a, const QColor& b);
} // namespace PromptMarks

// The thick frame around the right picture while the prompt shows; clicks pass through it to the
// picture. Placed around a box with around().
class PromptFrame final : public QFrame {
public:
    explicit PromptFrame(QWidget* parent);
    // Frames `box` (in the parent's coordinates) from outside, and shows.
    void around(const QRect& box);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tessarine
