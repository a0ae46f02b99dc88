#pragma once

#include "exercise/ExerciseView.h"
#include "exercise/PictureDecoder.h"
#include "exercise/SetPlan.h"
#include "teaching/TeachingDraw.h"

#include <QFuture>
#include <QList>

#include <cstdint>
#include <functional>
#include <optional>

namespace tessarine {

class Module1;
struct ProgramInfo;

// Chooses the next set's object; nothing: drawn at random among all pictures, as always.
using ObjectChooser = std::function<std::optional<ObjectChoice>()>;

// Composes the exercise sets on the window: each set is planned, its pictures decoded, and the plan
// replayed on the window in the set's order. As soon as a set is shown the next one is planned and
// decoded on worker threads, so that "Change set" shows a set that is ready. It has no error
// handling of its own: an error ends the set at its step, with the window as far as it got, and
// passes to whoever asked for the set, when the set is shown.
class SetComposer {
public:
    SetComposer(Module1& module, PictureDecoder& decoder, const ProgramInfo& program, IExerciseView& view);

    void cmdCambia_Click();
    // The window's boxes have changed size: the next set's pictures are decoded again to fit them.
    void boxesResized();

    // The next set is planned and all its pictures are decoded.
    bool nextSetReady() const;

    // Asked for the object of every set planned from now on.
    void setObjectChooser(ObjectChooser chooser) { m_chooser = std::move(chooser); }
    // The set prepared for later is thrown away and planned again, its object chosen anew.
    void replanNext();

    // What the set on screen put into element `index` of `row`: a bare file name, empty for
    // nothing; and the element that holds the row's right answer, -1 when none does.
    QString shownName(Row row, int index) const;
    int shownRight(Row row) const;
    // The position in the image list of the set on screen's object.
    std::int16_t shownPosition() const { return m_shown.position; }

private:
    // A planned set with its pictures, decoded or being decoded.
    struct PreparedSet {
        SetPlan plan;
        QList<QFuture<DecodedPicture>> pictures;
        AnswerLog::SetKind kind = AnswerLog::SetKind::Teach;
    };
    // What the set on screen holds, by row and element, as far as it got.
    struct Shown {
        QString names[2][2];
        int right[2] = {-1, -1};
        std::int16_t position = 0;
    };

    PreparedSet prepare();
    void decode(PreparedSet& set) const;
    // Replays the plan on the window, noting in `shown` what the set put there.
    void show(const PreparedSet& set, AnswerLog::Set& shown);
    QImage picture(const PreparedSet& set, int index) const;

    Module1& m_module;
    PictureDecoder& m_decoder;
    const ProgramInfo& m_program;
    IExerciseView& m_view;
    SetPlanner m_planner;
    std::optional<PreparedSet> m_next;
    ObjectChooser m_chooser;
    Shown m_shown;
};

} // namespace tessarine
