#include "widgets/TokenRow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessarine {

namespace {

// A full token is a dark gold that stands over 3:1 against the window's light grey, so that full
// and empty tokens differ by more than their outline; both have the same dark outline.
const QColor TokenFill(184, 115, 0);
const QColor TokenOutline(40, 28, 0);
const QColor StarFill(255, 215, 0);
const QColor StarOutline(90, 60, 0);

// A five-pointed star, point up, filling as much of `area` as a circle in it would.
QPainterPath starPath(const QRectF& area)
{
    const QPointF centre = area.center();
    const double outer = std::min(area.width(), area.height()) / 2;
    const double inner = outer * 0.4;
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

} // namespace

TokenRow::TokenRow(QWidget* parent)
    : QWidget(parent)
{
    //: The row of tokens earned towards a reward
    setAccessibleName(QCoreApplication::translate("TokenRow", "Tokens"));
    // Without rewards the window shows and tells a screen reader nothing new.
    hide();
}

void TokenRow::setTokens(int goal, int filled)
{
    m_goal = std::max(goal, 0);
    m_filled = std::clamp(filled, 0, m_goal);
    //: Tokens earned: %1 is how many are filled, %2 how many make a reward
    setAccessibleDescription(m_goal > 0 ? QCoreApplication::translate("TokenRow", "%1 of %2").arg(m_filled).arg(m_goal)
                                        : QString());
    setVisible(m_goal > 0);
    update();
}

void TokenRow::paintEvent(QPaintEvent*)
{
    if (m_goal <= 0 || width() <= 0 || height() <= 0)
        return;
    // Each token in a cell of its own across the row, a little smaller than the cell.
    const double cell = static_cast<double>(width()) / m_goal;
    const double diameter = std::min(cell, static_cast<double>(height())) * 0.8;
    const double outline = std::max(2.0, diameter / 10);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(TokenOutline, outline));
    for (int i = 0; i < m_goal; ++i) {
        painter.setBrush(i < m_filled ? QBrush(TokenFill) : QBrush(Qt::NoBrush));
        const QPointF centre((i + 0.5) * cell, height() / 2.0);
        const double radius = (diameter - outline) / 2;
        painter.drawEllipse(centre, radius, radius);
    }
}

RewardOverlay::RewardOverlay(QWidget* parent)
    : QWidget(parent)
{
    //: The reward shown after enough right answers
    setAccessibleName(QCoreApplication::translate("RewardOverlay", "Reward"));
    // It covers the window even when the window is resized while it shows.
    if (parent)
        parent->installEventFilter(this);
    hide();
}

void RewardOverlay::showReward(const QImage& picture)
{
    m_picture = picture;
    if (parentWidget())
        setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
}

bool RewardOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void RewardOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_picture.isNull()) {
        QSize shown = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
        QRect target(QPoint(), shown);
        target.moveCenter(rect().center());
        painter.drawImage(target, m_picture);
        return;
    }
    const double side = std::min(width(), height()) * 0.8;
    QRectF area(0, 0, side, side);
    area.moveCenter(QRectF(rect()).center());
    painter.setPen(QPen(StarOutline, std::max(3.0, side / 40), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(StarFill);
    painter.drawPath(starPath(area));
}

// Presses (a double click comes as one) and releases land on the reward and go no further up to the
// window: nothing under it is chosen and no switch is pressed.
void RewardOverlay::mousePressEvent(QMouseEvent* event) { event->accept(); }
void RewardOverlay::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

} // namespace tessarine
