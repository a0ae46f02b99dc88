#include "widgets/PromptMarks.h"

#include <QCoreApplication>
#include <QPainter>

#include <cmath>

namespace tessarine {

namespace {

double linear(double channel) { return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4); }

double relativeLuminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

} // namespace

// Against red (luminance 0.21) only a colour darker than 0.04 or lighter than 0.74 reaches 3:1, and
// nothing that light stands out from the yellow frame or the light grey window: so a dark colour,
// and black leaves the widest margin (over 5:1 against red, 18:1 against the others, and 3:1 against
// any grey down to (89, 89, 89)). One solid band, wider than the keyboard ring's two bands of navy
// and white, so that the two are not taken for each other.
QColor PromptMarks::frameColour() { return QColor(0, 0, 0); }

double PromptMarks::contrast(const QColor& a, const QColor& b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

PromptFrame::PromptFrame(QWidget* parent)
    : QFrame(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    //: The mark that shows the learner the right answer
    setAccessibleName(QCoreApplication::translate("PromptFrame", "Prompt"));
    hide();
}

void PromptFrame::around(const QRect& box)
{
    setGeometry(
        box.adjusted(-PromptMarks::FrameWidth, -PromptMarks::FrameWidth, PromptMarks::FrameWidth, PromptMarks::FrameWidth));
    raise();
    show();
}

void PromptFrame::paintEvent(QPaintEvent*)
{
    // Only the band is painted: the picture inside stays as it is.
    const int width = PromptMarks::FrameWidth;
    const QRegion band = QRegion(rect()).subtracted(rect().adjusted(width, width, -width, -width));
    QPainter painter(this);
    for (const QRect& part : band)
        painter.fillRect(part, PromptMarks::frameColour());
}

} // namespace tessarine
