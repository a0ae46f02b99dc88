#include "pictures/CropFrame.h"

#include "access/ScaledLayout.h"

#include <algorithm>
#include <cmath>

namespace tessarine {

double CropFrame::objectAspect()
{
    const QRect box = exerciseDesignLayout().objectPicture;
    return double(box.width()) / box.height();
}

CropFrame::CropFrame(QSize picture, double aspect)
    : m_picture(picture.expandedTo(QSize(1, 1)))
    , m_aspect(aspect > 0 ? aspect : SquareAspect)
{
    reset();
}

int CropFrame::heightFor(int width) const { return std::clamp(int(std::lround(width / m_aspect)), 1, m_picture.height()); }

int CropFrame::widestWidth() const { return std::clamp(int(std::lround(m_picture.height() * m_aspect)), 1, m_picture.width()); }

int CropFrame::narrowestWidth() const
{
    // The shorter side of the frame is at least MinimumSide, or the whole picture's where that is less.
    const int shorter = std::min(MinimumSide, std::min(m_picture.width(), m_picture.height()));
    const int width = m_aspect >= 1 ? int(std::ceil(shorter * m_aspect)) : shorter;
    return std::min(width, widestWidth());
}

void CropFrame::place(QPointF centre, int width)
{
    width = std::clamp(width, narrowestWidth(), widestWidth());
    const int height = heightFor(width);
    const int left = std::clamp(int(std::lround(centre.x() - width / 2.0)), 0, m_picture.width() - width);
    const int top = std::clamp(int(std::lround(centre.y() - height / 2.0)), 0, m_picture.height() - height);
    m_rect = QRect(left, top, width, height);
}

void CropFrame::moveBy(int dx, int dy) { moveTo(m_rect.topLeft() + QPoint(dx, dy)); }

void CropFrame::moveTo(QPoint topLeft)
{
    m_rect.moveTopLeft(QPoint(std::clamp(topLeft.x(), 0, m_picture.width() - m_rect.width()),
                              std::clamp(topLeft.y(), 0, m_picture.height() - m_rect.height())));
}

void CropFrame::resizeBy(int dw) { place(QRectF(m_rect).center(), m_rect.width() + dw); }

void CropFrame::setRect(const QRect& wanted) { place(QRectF(wanted).center(), wanted.width()); }

void CropFrame::reset() { place(QPointF(m_picture.width() / 2.0, m_picture.height() / 2.0), widestWidth()); }

} // namespace tessarine
