#pragma once

#include "check/CheckResult.h"
#include "core/RuntimeError.h"
#include "exercise/SetOutcome.h"
#include "exercise/SetPlan.h"

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace tessarine::check {

struct CheckRun;

// What the check learns about one object picture: its set planned by the exercise's own planner
// under every combination of options and replayed, and the findings about it in the order told.
struct ObjectAnalysis {
    QString object;
    std::array<SetPlan, 8> plans;       // by SetOptions::index()
    std::array<SetOutcome, 8> outcomes; // the same
    ObjectReport report;
    std::optional<RuntimeError> pictureError;
    std::optional<RuntimeError> symbolError;    // the right symbol's, when a set gets to it
    std::optional<RuntimeError> attributeError; // the same for the right attribute
    QString partMessage;                        // the message the exercise shows for a missing name part, if it does
    QList<Finding> findings;

    const SetPlan& plainPlan() const;
    // Told about this picture, and marked on it.
    void tell(Finding finding);
};

// Plans and replays the set of the object at `position` of the image list, and finds what the
// teacher's recording of its caption is like.
ObjectAnalysis analyseObject(CheckRun& run, std::int16_t position);

// The findings about the analysed object, one kind after another (ObjectFindings.cpp).
void findObjectProblems(CheckRun& run, ObjectAnalysis& analysis);
// The findings about its distractor draws, told only where a set gets to them (DistractorFindings.cpp).
void findDistractorProblems(CheckRun& run, ObjectAnalysis& analysis, Row row);

} // namespace tessarine::check
