#include "widgets/PictureBox.h"

#include "widgets/PromptMarks.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessarine {

PictureBox::PictureBox(int index, QWidget* parent)
    : QFrame(parent)
    , m_index(index)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void PictureBox::setPicture(const QImage& picture, const QString& sourceName)
{
    m_picture = picture;
    m_sourceName = sourceName;
    update();
}

void PictureBox::clearPicture() { setPicture({}, {}); }

void PictureBox::setDimmed(bool dimmed)
{
    if (dimmed == m_dimmed)
        return;
    m_dimmed = dimmed;
    // A screen reader says what the eye sees: the name stays, the description tells it is faint.
    if (dimmed) {
        m_undimmedDescription = accessibleDescription();
        //: Said by a screen reader of a picture shown faint
        setAccessibleDescription(tr("Dimmed"));
    } else {
        setAccessibleDescription(m_undimmedDescription);
    }
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Dimmed, the picture lies faint over the background; the line around the box stays.
    if (m_dimmed)
        painter.setOpacity(PromptMarks::DimmedOpacity);
    painter.drawImage(contentsRect(), m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked(m_index);
}

} // namespace tessarine
