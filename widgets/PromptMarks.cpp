#include "widgets/PromptMarks.h"

namespace tessarine {

QColor PromptMarks::frameColour() { return QColor(0, 0, 0x80); }

double PromptMarks::contrast(const QColor&, const QColor&) { return 1.0; }

PromptFrame::PromptFrame(QWidget* parent)
    : QFrame(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void PromptFrame::around(const QRect& box)
{
    setGeometry(
        box.adjusted(-PromptMarks::FrameWidth, -PromptMarks::FrameWidth, PromptMarks::FrameWidth, PromptMarks::FrameWidth));
    raise();
    show();
}

void PromptFrame::paintEvent(QPaintEvent*) {}

} // namespace tessarine
