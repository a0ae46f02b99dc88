#pragma once

#include "pictures/CropFrame.h"

#include <QImage>
#include <QWidget>

namespace tessarine {

class IMessageBox;

// A picture's preview with the crop frame on it: the part outside the frame dimmed. The frame moves
// when dragged from inside and resizes from its corners and edges or with the wheel; with the
// keyboard, arrows move it (further with Shift) and + and - resize it. The frame is kept in the
// whole picture's pixels, whatever the size of the preview.
class CropFrameWidget final : public QWidget {
    Q_OBJECT

public:
    CropFrameWidget(IMessageBox& messageBox, QImage preview, QSize picture, double aspect, QWidget* parent = nullptr);

    const CropFrame& frame() const { return m_frame; }
    // A new proportion starts again centred and as large as fits.
    void setAspect(double aspect);

    QSize sizeHint() const override;

Q_SIGNALS:
    void frameChanged(const QRect& crop);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Which part of the frame a drag holds: none, the inside, or a side or corner (bits below).
    enum Grip { None = 0, Inside = 1, Left = 2, Right = 4, Top = 8, Bottom = 16 };

    QRectF shownPicture() const;
    QRectF shownFrame() const;
    int gripAt(QPointF point) const;
    void dragTo(QPointF point);
    void changed(const QRect& before);
    int step() const;

    IMessageBox& m_messageBox;
    QImage m_preview;
    CropFrame m_frame;
    int m_grip = None;
    QPointF m_dragStart;
    QRect m_frameAtDragStart;
};

} // namespace tessarine
