#pragma once

#include <QWidget>

namespace tessarine {

// A row of `goal` round tokens, the first `filled` of them full, spread evenly over the widget;
// hidden for a goal of 0, as it starts. Its accessible description says how many are filled ("3 of 5").
class TokenRow final : public QWidget {
public:
    explicit TokenRow(QWidget* parent = nullptr);
    void setTokens(int goal, int filled);
    int goal() const { return m_goal; }
    int filled() const { return m_filled; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_goal = 0;
    int m_filled = 0;
};

// The reward: a picture that fills its parent's whole area, drawn with its aspect ratio kept on
// white; without a picture, a large yellow star drawn by the program. It covers the window and
// takes every click while it shows.
class RewardOverlay final : public QWidget {
public:
    explicit RewardOverlay(QWidget* parent);
    // Fills the parent and shows on top; a null picture shows the star.
    void showReward(const QImage& picture);
    bool showsStar() const { return m_picture.isNull(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
};

} // namespace tessarine
