#pragma once

#include "core/RuntimeError.h"
#include "exercise/ExerciseView.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>

namespace tessarine {

class ListParts;
class Module1;
class PlanHelpers;

// The sizes pictures are decoded at: the inside of the exercise window's boxes (9000 by 4500 and
// 3015 by 3015 twips, less their one-pixel border), which stretch their picture anyway. The
// checker decodes at the same sizes.
namespace DecodeSize {
inline constexpr QSize Object{598, 298};
inline constexpr QSize Answer{199, 199};
} // namespace DecodeSize

// The sizes of one window's boxes, which grow when the layout fills the screen.
struct DecodeSizes {
    QSize object = DecodeSize::Object;
    QSize answer = DecodeSize::Answer;
    friend bool operator==(const DecodeSizes&, const DecodeSizes&) = default;
};

// A picture a set shows: its media folder, its bare name and the size it is decoded at.
struct PlannedPicture {
    QString folder;
    QString name;
    QSize box;

    friend bool operator==(const PlannedPicture&, const PlannedPicture&) = default;
};

// One distractor draw: the names its positions are drawn from (position 1 first) and which of them
// serve as distractor. A draw that never finds one ends with error 550 after MaxAttempts misses.
struct DistractorDraw {
    Row row = Row::Symbols;
    QStringList pool;
    QList<bool> usable;
    bool emptyPool = false; // nothing to draw from: the draw takes position 1, the empty name

    int usableCount() const;
    QStringList usableNames() const;
    // The chance that every one of the MaxAttempts attempts misses.
    double failureChance() const;
};

// One step of showing a set, in the order the exercise window gets them.
struct PlanStep {
    enum class Kind {
        Begin,         // attribute row shown or hidden, all four answer pictures and marks cleared
        Report,        // an error message to show (`text`)
        ObjectPicture, // `picture`
        Caption,       // `text`
        Search,        // the right answer of `row` looked for; `text` is what was found (maybe nothing)
        AnswerPicture, // `picture` into element `index` of `row`; `draw` >= 0 for a distractor
        RightAnswer,   // element `index` of `row` marked "OK"
        End,           // the set stops here with `error`; `draw` >= 0 when a distractor draw failed
    };

    explicit PlanStep(Kind stepKind)
        : kind(stepKind)
    {
    }

    Kind kind;
    Row row = Row::Symbols;
    int index = 0;
    bool attributeRowVisible = false;
    QString text;
    int picture = -1;
    int draw = -1;
    std::optional<RuntimeError> error;
};

// Everything one set shows and in which order, worked out before anything is shown: replaying the
// steps on the window is the set.
struct SetPlan {
    QString object;
    std::int16_t objectPosition = 0;
    QString caption;
    QString rightSymbol;    // empty when no symbol matches
    QString rightAttribute; // empty when no attribute matches
    QList<PlannedPicture> pictures;
    QList<DistractorDraw> draws;
    QList<PlanStep> steps;

    // The error the set stops with while it is planned, if it does.
    std::optional<RuntimeError> end() const;
    int reportCount() const;
};

// Plans sets from the run's picture lists and options with the run's random draw. Every rule of a
// set lives here, for the exercise and for the checker. Error messages of name parts and of the
// random draw are kept in the plan, at their place, instead of being shown.
class SetPlanner {
public:
    // A distractor draw gives up after this many attempts with error 550.
    static constexpr int MaxAttempts = 10000;

    // How distractors are chosen: drawn at random as the exercise does, or, for the checker, only
    // looked at (the first usable name stands for the draw, error 550 only when none is usable).
    enum class Draws { Random, Analyse };

    explicit SetPlanner(const Module1& run);
    ~SetPlanner();
    SetPlanner(const SetPlanner&) = delete;
    SetPlanner& operator=(const SetPlanner&) = delete;

    void setDecodeSizes(const DecodeSizes& sizes) { m_sizes = sizes; }
    const DecodeSizes& decodeSizes() const { return m_sizes; }

    // A set as "Change set" composes it: the object drawn at random.
    SetPlan plan();
    // A set of the object at `position` of the image list.
    SetPlan planAt(std::int16_t position, Draws draws);

    // Promises that the symbol and attribute lists stay as they are now for every later plan:
    // their names' parts are read once, here, instead of in every plan (the checker plans
    // thousands of sets over the same lists). Without it each plan reads the lists as they are.
    void keepListsAsRead();

private:
    SetPlan planWith(std::optional<std::int16_t> position, Draws draws);

    const Module1& m_run;
    DecodeSizes m_sizes;
    std::unique_ptr<const ListParts> m_kept;
    std::unique_ptr<PlanHelpers> m_helpers; // made at the first plan
};

} // namespace tessarine
