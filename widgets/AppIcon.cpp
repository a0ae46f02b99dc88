#include "widgets/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tessarine {

QPixmap appIconPixmap()
{
    // The exercise window in miniature: a picture over a yellow and a red row of answers.
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
    painter.setBrush(QColor(70, 130, 200));
    painter.drawRect(QRectF(6.5, 4.5, 19, 10));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRect(QRectF(3.5, 18.5, 12, 10));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawRect(QRectF(16.5, 18.5, 12, 10));
    return pixmap;
}

QIcon appIcon() { return QIcon(appIconPixmap()); }

QIcon playIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 120, 0));
    QPainterPath triangle;
    triangle.moveTo(4, 2);
    triangle.lineTo(14, 8);
    triangle.lineTo(4, 14);
    triangle.closeSubpath();
    painter.drawPath(triangle);
    return QIcon(pixmap);
}

} // namespace tessarine
