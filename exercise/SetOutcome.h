#pragma once

#include "core/RuntimeError.h"
#include "exercise/SetPlan.h"

#include <QHash>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tessarine {

// The options that change how a set is composed. The sequence option only changes when the
// attribute row is shown, never what a set holds, so it is not one of them.
struct SetOptions {
    bool symbolDistractor = false;
    bool attributeDistractor = false;
    bool sameCategory = false;

    // All eight combinations, in a fixed order (index = symbol * 4 + attribute * 2 + sameCategory).
    static std::array<SetOptions, 8> all();
    int index() const { return (symbolDistractor ? 4 : 0) + (attributeDistractor ? 2 : 0) + (sameCategory ? 1 : 0); }
};

// What happens to a set with one object picture under one combination of options.
enum class Outcome {
    Works,   // the set is composed every time
    MayFail, // it stops with an error when a particular distractor is drawn
    Fails,   // it stops with an error every time
};

struct SetVerdict {
    SetOptions options;
    Outcome outcome = Outcome::Works;
    int errorNumber = 0;  // the error the exercise stops with (Fails: the sure one; MayFail: the possible one)
    QString errorMessage; // as the exercise shows it
    double chance = 0;    // MayFail: the chance that a set stops
};

// Why a picture cannot be loaded at its box size, or nothing when it loads.
using PictureLoadError = std::function<std::optional<RuntimeError>(const QString& folder, const QString& name, QSize box)>;

// A set's plan replayed: how it ends, and which of its steps it gets to.
struct SetOutcome {
    SetVerdict verdict;
    bool rightSymbolShown = false; // the right answers' pictures are reached
    bool rightAttributeShown = false;
    QList<int> drawsReached; // draws the set gets to, by their index in the plan
    // Distractors the set can draw that cannot be loaded, as "Folder/name".
    QStringList unreadableDistractors;
};

// Which pictures load, for replaying many plans: a distractor pool that plans share (a planner
// that keeps its lists gives every plan the same pools) is looked through once per box size, not
// once per plan.
class LoadVerdicts {
public:
    using Failing = std::vector<std::pair<qsizetype, RuntimeError>>;

    explicit LoadVerdicts(PictureLoadError loadError);

    std::optional<RuntimeError> loadError(const QString& folder, const QString& name, QSize box) const
    {
        return m_loadError(folder, name, box);
    }
    // The positions (from 0) of the pool's names that do not load, with their errors, in order;
    // valid until the next call.
    const Failing& failingIn(const QString& folder, const QStringList& pool, QSize box);

private:
    struct Known {
        QStringList pool; // held, so that its data cannot be freed and reused by another pool
        QString folder;
        QSize box;
        Failing failing;
    };
    PictureLoadError m_loadError;
    QHash<const void*, std::vector<Known>> m_known; // by the pool's shared data
    Failing m_unshared;
};

// What a set planned under `options` does, given which pictures load: the first sure failure
// ends it; a distractor draw that can miss, or can draw a picture that does not load, makes it
// a set that may fail, with the most likely of those errors and the chance that one happens.
SetOutcome setOutcome(const SetPlan& plan, const SetOptions& options, LoadVerdicts& loads);
SetOutcome setOutcome(const SetPlan& plan, const SetOptions& options, const PictureLoadError& loadError);

} // namespace tessarine
