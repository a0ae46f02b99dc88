#include "widgets/TokenRow.h"

#include <QImage>

namespace tessarine {

TokenRow::TokenRow(QWidget* parent)
    : QWidget(parent)
{
}

void TokenRow::setTokens(int goal, int filled)
{
    m_goal = goal;
    m_filled = filled;
    update();
}

void TokenRow::paintEvent(QPaintEvent*) {}

RewardOverlay::RewardOverlay(QWidget* parent)
    : QWidget(parent)
{
    hide();
}

void RewardOverlay::showReward(const QImage& picture)
{
    m_picture = picture;
    if (parentWidget())
        setGeometry(parentWidget()->rect());
    raise();
    show();
}

void RewardOverlay::paintEvent(QPaintEvent*) {}

} // namespace tessarine
