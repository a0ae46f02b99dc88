#pragma once

#include "exercise/AnswerLog.h"

#include <QImage>
#include <QString>

#include <exception>

namespace tessarine {

// The two answer rows of the exercise window: `Simbolo` in the yellow frame, `Attributo` in the
// red one, two elements each.
enum class Row { Symbols, Attributes };

// The tag that marks the right answer of a row.
inline const QString RightAnswerTag = QStringLiteral("OK");

// What the set composer and the answer checking do to the exercise window: the pictures, their
// marks, the caption and the attribute row's frame. Nothing else passes between them.
class IExerciseView {
public:
    virtual ~IExerciseView() = default;

    virtual void setObjectPicture(const QImage& picture, const QString& sourceName) = 0;
    virtual void setCaption(const QString& caption) = 0;

    virtual void setAnswerPicture(Row row, int index, const QImage& picture, const QString& sourceName) = 0;
    virtual void clearAnswerPicture(Row row, int index) = 0;
    virtual QString tag(Row row, int index) const = 0;
    virtual void setTag(Row row, int index, const QString& tag) = 0;

    // `Frame2`, the frame of the attribute row.
    virtual void setAttributeRowVisible(bool visible) = 0;

    // The inside of the object and answer boxes in device pixels: what pictures are decoded at.
    // Empty for the design size.
    virtual QSize objectDecodeSize() const { return {}; }
    virtual QSize answerDecodeSize() const { return {}; }
    // A set is about to be shown; it has been shown, or stopped early with `failure`. `set` is what
    // the set planned, its own object and caption even when it stopped before showing them, and
    // the answers it put on the window.
    virtual void setStarting() {}
    virtual void setShown(const AnswerLog::Set& set, const std::exception_ptr& failure)
    {
        Q_UNUSED(set);
        Q_UNUSED(failure);
    }
};

} // namespace tessarine
