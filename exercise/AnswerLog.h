#pragma once

#include "teaching/TeachingSettings.h"

#include <QString>
#include <QVariantMap>

namespace tessarine {

// What the exercise tells the learner's records, as raw events in the order they happen: a session
// starts, a set is shown, a row becomes visible, the learner clicks, the set ends, the session ends.
// The log numbers the sets, decides which click was the first choice in its row and times it from
// the moment the row became visible, so the exercise only reports what it did. A log never throws
// and never shows anything but its own one report when the records cannot be kept; the exercise
// goes on exactly as without it.
class AnswerLog {
public:
    using Row = AnswerRow;
    // How a set ended: "Change set", a right attribute that brought the sequence's next set, or the
    // exercise window closing.
    enum class SetEnd { ChangeSet, NextInSequence, WindowClosed };
    using SetKind = tessarine::SetKind;

    struct Session {
        QString learner;     // an empty learner records nothing
        QVariantMap options; // the options in force, by their settings key
        QString programVersion;
        QString programFolder;
    };

    // One row of a set as composed: bare file names, empty where nothing was put.
    struct RowContent {
        QString right;
        QString distractor;
        int rightElement = 0; // the element (0 or 1) that holds the right answer
    };

    struct Set {
        QString object; // bare file name of the object picture
        QString caption;
        RowContent symbols;
        RowContent attributes;
        QString error; // the error text when composing the set failed, else empty
        SetKind kind = SetKind::Teach;
    };

    virtual ~AnswerLog() = default;

    virtual void sessionStarted(const Session& session) = 0;
    virtual void setShown(const Set& set) = 0;
    // The row can be seen from now on. The symbol row counts as visible from setShown(); the
    // attribute row is reported when it shows: with the set without the sequence, when the right
    // symbol reveals it with the sequence.
    virtual void rowVisible(Row row) = 0;
    // `prompted`: the answer was being shown (the distractor dimmed, the right picture framed) when
    // the learner clicked.
    virtual void clicked(Row row, int element, const QString& file, bool correct, bool prompted) = 0;
    virtual void setEnded(SetEnd how) = 0;
    virtual void sessionEnded() = 0;
};

} // namespace tessarine
