#include "widgets/GrowToText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace tessarine {

namespace {

// Room left at a frame's right edge and between controls that had to move.
constexpr int Margin = 6;
constexpr int Gap = 4;
// A drop-down list narrower than this no longer shows a name.
constexpr int NarrowestList = 72;
// Rows of the design overlap by a pixel or two; only more than that makes two controls one row.
constexpr int Slack = 2;

QString plain(QString text) { return text.remove(QLatin1Char('&')); }

// The width a control needs for its text; 0 for one whose width no text decides.
int textWidth(const QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text().isEmpty() || label->wordWrap() ? 0 : label->sizeHint().width();
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        if (button->text().isEmpty())
            return 0;
        // The style's least width for a push button is no part of the text: the design keeps its own.
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + Gap;
        return metrics.horizontalAdvance(plain(button->text())) + icon + 3 * Gap;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text().isEmpty() ? 0 : button->sizeHint().width();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title().isEmpty() ? 0 : metrics.horizontalAdvance(plain(group->title())) + 4 * Gap;
    return 0;
}

bool isElastic(const QWidget* widget) { return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLineEdit*>(widget); }

bool sameRow(const QRect& a, const QRect& b) { return std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) > Slack; }

// Moves every child of `parent` whose top lies at or below `from` down by `by`, and grows the parent
// (or, for a window, its fixed height) to match; a frame that grows pushes on in its own parent.
void pushDown(QWidget* parent, int from, int by)
{
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && child->y() >= from)
            child->move(child->x(), child->y() + by);
    if (parent->isWindow()) {
        parent->setFixedSize(parent->width(), parent->height() + by);
        return;
    }
    const int oldBottom = parent->geometry().bottom();
    parent->resize(parent->width(), parent->height() + by);
    pushDown(parent->parentWidget(), oldBottom, by);
}

// Lays out one row of `frame`'s controls, left to right; returns the controls that no longer fit.
std::vector<QWidget*> fitRow(QWidget* frame, std::vector<QWidget*>& row)
{
    const int right = frame->width() - Margin;
    for (std::size_t i = 0; i + 1 < row.size(); ++i) {
        int overlap = row[i]->geometry().right() + 1 - row[i + 1]->x();
        if (overlap <= Slack)
            continue;
        overlap += Gap;
        // A drop-down list to the right gives up width before anything moves.
        for (std::size_t j = i + 1; j < row.size() && overlap > 0; ++j) {
            if (!isElastic(row[j]))
                continue;
            const int spare = std::min(overlap, row[j]->width() - NarrowestList);
            if (spare <= 0)
                continue;
            for (std::size_t k = i + 1; k <= j; ++k)
                row[k]->move(row[k]->x() + spare, row[k]->y());
            row[j]->resize(row[j]->width() - spare, row[j]->height());
            overlap -= spare;
        }
        for (std::size_t k = i + 1; k < row.size() && overlap > 0; ++k)
            row[k]->move(row[k]->x() + overlap, row[k]->y());
    }
    std::vector<QWidget*> wrapped;
    while (row.size() > 1 && row.back()->geometry().right() > right) {
        wrapped.insert(wrapped.begin(), row.back());
        row.pop_back();
    }
    // Alone on its line and still too wide where it stands: it moves left.
    if (row.size() == 1 && row.front()->geometry().right() > right)
        row.front()->move(std::max(Margin, right + 1 - row.front()->width()), row.front()->y());
    return wrapped;
}

void fitFrame(QWidget* frame)
{
    if (frame->layout())
        return;
    std::vector<QWidget*> controls;
    for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child->isHidden())
            continue;
        if (qobject_cast<QGroupBox*>(child))
            fitFrame(child);
        controls.push_back(child);
    }
    for (QWidget* control : controls) {
        const int needed = std::min(textWidth(control), frame->width() - 2 * Margin);
        if (needed > control->width())
            control->resize(needed, control->height());
    }
    // A text that wraps takes the lines it needs, and what lies below it moves down.
    for (QWidget* control : controls) {
        const auto* label = qobject_cast<const QLabel*>(control);
        if (!label || !label->wordWrap() || label->text().isEmpty())
            continue;
        const int extra = label->heightForWidth(label->width()) - label->height();
        if (extra <= 0)
            continue;
        const int below = control->geometry().bottom() + 1;
        control->resize(control->width(), control->height() + extra);
        pushDown(frame, below, extra);
    }
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    std::vector<bool> done(controls.size(), false);
    for (std::size_t first = 0; first < controls.size(); ++first) {
        if (done[first])
            continue;
        std::vector<QWidget*> row;
        for (std::size_t i = first; i < controls.size(); ++i)
            if (!done[i] && sameRow(controls[first]->geometry(), controls[i]->geometry())) {
                row.push_back(controls[i]);
                done[i] = true;
            }
        std::stable_sort(row.begin(), row.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        std::vector<QWidget*> wrapped = fitRow(frame, row);
        while (!wrapped.empty()) {
            // A line of its own below the row, ending where the frame's controls end.
            int bottom = 0;
            int height = 0;
            for (const QWidget* control : row)
                bottom = std::max(bottom, control->geometry().bottom());
            for (const QWidget* control : wrapped)
                height = std::max(height, control->height());
            pushDown(frame, bottom + 1, height + Gap);
            int x = frame->width() - Margin;
            for (auto it = wrapped.rbegin(); it != wrapped.rend(); ++it) {
                x -= (*it)->width();
                (*it)->move(std::max(Margin, x), bottom + 1 + Gap);
                x -= Gap;
            }
            row = wrapped;
            wrapped = fitRow(frame, row);
        }
    }
}

} // namespace

void growToTexts(QWidget* window) { fitFrame(window); }

} // namespace tessarine
