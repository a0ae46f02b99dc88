#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

namespace tessarine {

// A picture element: stretches its picture to the whole box (the aspect ratio is not kept),
// carries a `Tag` text and reports a click with its index. Hidden elements, or elements inside a
// hidden frame, get no clicks.
class PictureBox final : public QFrame {
    Q_OBJECT

public:
    explicit PictureBox(int index = 0, QWidget* parent = nullptr);

    int index() const { return m_index; }
    QString Tag;

    void setPicture(const QImage& picture, const QString& sourceName);
    void clearPicture();
    const QImage& picture() const { return m_picture; }
    // The bare file name the picture came from; empty when the box shows nothing.
    const QString& sourceName() const { return m_sourceName; }
    // The area the picture is stretched over.
    QSize pictureSize() const { return contentsRect().size(); }
    // Drawn faint over the background, as the prompt shows a distractor; still clickable.
    void setDimmed(bool dimmed);
    bool isDimmed() const { return m_dimmed; }

Q_SIGNALS:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_index;
    bool m_pressed = false;
    bool m_dimmed = false;
    QImage m_picture;
    QString m_sourceName;
    QString m_undimmedDescription;
};

} // namespace tessarine
