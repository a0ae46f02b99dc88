#include "pictures_window/CropFrameWidget.h"

#include "core/ErrorGuard.h"

#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

#include <cmath>

namespace tessarine {

namespace {

constexpr int HandleReach = 8; // pixels of the screen around a side that take a resizing drag
constexpr int PreviewSide = 320;

} // namespace

CropFrameWidget::CropFrameWidget(IMessageBox& messageBox, QImage preview, QSize picture, double aspect, QWidget* parent)
    : QWidget(parent)
    , m_messageBox(messageBox)
    , m_preview(std::move(preview))
    , m_frame(picture, aspect)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(160, 120);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAccessibleName(tr("Crop frame"));
    setAccessibleDescription(tr("The part of the picture that will be saved. Arrow keys move the frame, with "
                                "Shift further; + and - make it larger or smaller. With the mouse, drag it "
                                "to move it, or drag a corner or side, or turn the wheel, to resize it."));
}

void CropFrameWidget::setAspect(double aspect)
{
    const QRect before = m_frame.rect();
    m_frame = CropFrame(m_frame.picture(), aspect);
    changed(before);
}

QSize CropFrameWidget::sizeHint() const
{
    return m_preview.size().scaled(PreviewSide, PreviewSide, Qt::KeepAspectRatio).expandedTo(minimumSize());
}

QRectF CropFrameWidget::shownPicture() const
{
    const QSizeF shown = QSizeF(m_frame.picture()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    return {QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown};
}

QRectF CropFrameWidget::shownFrame() const
{
    const QRectF picture = shownPicture();
    const double scale = picture.width() / std::max(1, m_frame.picture().width());
    const QRect frame = m_frame.rect();
    return {picture.topLeft() + QPointF(frame.x(), frame.y()) * scale, QSizeF(frame.size()) * scale};
}

// A step of the keyboard: a hundredth of the picture, so that a few presses cross it at any size.
int CropFrameWidget::step() const { return std::max(1, std::max(m_frame.picture().width(), m_frame.picture().height()) / 100); }

void CropFrameWidget::changed(const QRect& before)
{
    if (m_frame.rect() == before)
        return;
    update();
    Q_EMIT frameChanged(m_frame.rect());
}

void CropFrameWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF picture = shownPicture();
    painter.drawImage(picture, m_preview);

    const QRectF frame = shownFrame();
    const QColor dim(0, 0, 0, 150);
    painter.fillRect(QRectF(picture.left(), picture.top(), picture.width(), frame.top() - picture.top()), dim);
    painter.fillRect(QRectF(picture.left(), frame.bottom(), picture.width(), picture.bottom() - frame.bottom()), dim);
    painter.fillRect(QRectF(picture.left(), frame.top(), frame.left() - picture.left(), frame.height()), dim);
    painter.fillRect(QRectF(frame.right(), frame.top(), picture.right() - frame.right(), frame.height()), dim);

    // A frame that has the keyboard is drawn thicker in the highlight colour.
    const bool focused = hasFocus();
    painter.setPen(QPen(focused ? palette().color(QPalette::Highlight) : QColor(Qt::white), focused ? 3 : 2));
    painter.drawRect(frame);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    const QSizeF handle(HandleReach, HandleReach);
    for (const QPointF corner : {frame.topLeft(), frame.topRight(), frame.bottomLeft(), frame.bottomRight()})
        painter.drawRect(QRectF(corner - QPointF(HandleReach / 2.0, HandleReach / 2.0), handle));
}

void CropFrameWidget::keyPressEvent(QKeyEvent* event)
{
    runUnguarded(m_messageBox, [&] {
        const QRect before = m_frame.rect();
        const int distance = (event->modifiers() & Qt::ShiftModifier) ? step() * 10 : step();
        switch (event->key()) {
        case Qt::Key_Left:
            m_frame.moveBy(-distance, 0);
            break;
        case Qt::Key_Right:
            m_frame.moveBy(distance, 0);
            break;
        case Qt::Key_Up:
            m_frame.moveBy(0, -distance);
            break;
        case Qt::Key_Down:
            m_frame.moveBy(0, distance);
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            m_frame.resizeBy(2 * step());
            break;
        case Qt::Key_Minus:
            m_frame.resizeBy(-2 * step());
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
        }
        event->accept();
        changed(before);
    });
}

int CropFrameWidget::gripAt(QPointF point) const
{
    const QRectF frame = shownFrame();
    if (!frame.adjusted(-HandleReach, -HandleReach, HandleReach, HandleReach).contains(point))
        return None;
    int grip = None;
    if (std::abs(point.x() - frame.left()) <= HandleReach)
        grip |= Left;
    else if (std::abs(point.x() - frame.right()) <= HandleReach)
        grip |= Right;
    if (std::abs(point.y() - frame.top()) <= HandleReach)
        grip |= Top;
    else if (std::abs(point.y() - frame.bottom()) <= HandleReach)
        grip |= Bottom;
    return grip == None ? (frame.contains(point) ? Inside : None) : grip;
}

void CropFrameWidget::mousePressEvent(QMouseEvent* event)
{
    runUnguarded(m_messageBox, [&] {
        if (event->button() != Qt::LeftButton)
            return;
        m_grip = gripAt(event->position());
        m_dragStart = event->position();
        m_frameAtDragStart = m_frame.rect();
    });
}

void CropFrameWidget::mouseMoveEvent(QMouseEvent* event)
{
    runUnguarded(m_messageBox, [&] {
        if (m_grip != None && (event->buttons() & Qt::LeftButton)) {
            dragTo(event->position());
            return;
        }
        static const QHash<int, Qt::CursorShape> shapes = {{None, Qt::ArrowCursor},
                                                           {Inside, Qt::SizeAllCursor},
                                                           {Left, Qt::SizeHorCursor},
                                                           {Right, Qt::SizeHorCursor},
                                                           {Top, Qt::SizeVerCursor},
                                                           {Bottom, Qt::SizeVerCursor},
                                                           {Left | Top, Qt::SizeFDiagCursor},
                                                           {Right | Bottom, Qt::SizeFDiagCursor},
                                                           {Right | Top, Qt::SizeBDiagCursor},
                                                           {Left | Bottom, Qt::SizeBDiagCursor}};
        setCursor(shapes.value(gripAt(event->position()), Qt::ArrowCursor));
    });
}

void CropFrameWidget::mouseReleaseEvent(QMouseEvent* event)
{
    runUnguarded(m_messageBox, [&] {
        if (m_grip != None && event->button() == Qt::LeftButton)
            dragTo(event->position());
        m_grip = None;
    });
}

// A side or corner held by the mouse follows it while the opposite one stays where it was.
void CropFrameWidget::dragTo(QPointF point)
{
    const QRect before = m_frame.rect();
    const double scale = shownPicture().width() / std::max(1, m_frame.picture().width());
    const QPointF delta = (point - m_dragStart) / scale;
    const QRect start = m_frameAtDragStart;
    if (m_grip == Inside) {
        m_frame.moveTo(start.topLeft() + delta.toPoint());
        changed(before);
        return;
    }
    const double aspect = m_frame.aspect();
    double width = start.width();
    if (m_grip & (Left | Right))
        width += (m_grip & Left) ? -delta.x() : delta.x();
    else
        width += ((m_grip & Top) ? -delta.y() : delta.y()) * aspect;
    width = std::max(width, 1.0);
    const double height = width / aspect;
    QRectF wanted(0, 0, width, height);
    if (m_grip & Left)
        wanted.moveRight(start.x() + start.width());
    else if (m_grip & Right)
        wanted.moveLeft(start.x());
    else
        wanted.moveLeft(start.center().x() - width / 2);
    if (m_grip & Top)
        wanted.moveBottom(start.y() + start.height());
    else if (m_grip & Bottom)
        wanted.moveTop(start.y());
    else
        wanted.moveTop(start.center().y() - height / 2);
    m_frame.setRect(wanted.toRect());
    changed(before);
}

void CropFrameWidget::wheelEvent(QWheelEvent* event)
{
    runUnguarded(m_messageBox, [&] {
        const int notches = event->angleDelta().y() / 120;
        if (notches == 0)
            return;
        const QRect before = m_frame.rect();
        m_frame.resizeBy(notches * 4 * step());
        event->accept();
        changed(before);
    });
}

} // namespace tessarine
