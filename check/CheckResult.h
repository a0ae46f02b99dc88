#pragma once

#include "exercise/SetOutcome.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tessarine::check {

// How a set ends is the exercise's own answer (exercise/SetOutcome.h).
using tessarine::Outcome;
using tessarine::SetOptions;
using tessarine::SetVerdict;

// Options under which a finding applies; an unset field means "either way".
struct Condition {
    std::optional<bool> symbolDistractor;
    std::optional<bool> attributeDistractor;
    std::optional<bool> sameCategory;

    bool always() const { return !symbolDistractor && !attributeDistractor && !sameCategory; }
};

enum class Severity {
    Error,   // a set stops with an error, lacks a right answer or shows error messages
    Warning, // a picture or sound the teacher probably expects is never used
};

// One thing found, tied to a file (or to a folder when `file` is empty), in plain words.
struct Finding {
    QString code; // stable identifier, listed in the README
    Severity severity = Severity::Error;
    QString folder; // "Images", "Symbols", "Attributes", "Sounds", or empty for the program folder
    QString file;   // bare file name, or empty
    QString problem;
    QString effect; // what the learner and teacher will see in the exercise
    QString fix;
    QStringList related; // other files involved
    Condition when;
};

// What the exercise makes of one object picture.
struct ObjectReport {
    QString file;
    QString caption;            // as the exercise shows it
    QString recording;          // the teacher's recording of the caption beside the picture, empty for none
    QString symbol;             // the right symbol's file, empty when there is none
    QString attribute;          // the right attribute's file, empty when there is none
    QString pictureError;       // why the picture cannot be loaded, empty when it loads
    QString symbolPictureError; // the same for the right symbol
    QString attributePictureError;
    int reportsPerSet = 0; // error messages shown with every set of this picture (attribute distractor off)
    std::array<SetVerdict, 8> sets;

    bool worksEverywhere() const;
    // Codes of the findings about this picture, for marking it on the sheet.
    QStringList problems;
};

struct CheckResult {
    QString folder;
    bool readable = false; // false: the program folder itself cannot be read
    int images = 0;        // pictures each list holds, as the exercise sees them
    int symbols = 0;
    int attributes = 0;
    int sounds = 0;
    QList<ObjectReport> objects;
    QList<Finding> findings;

    // 0 when every set works and nothing was found, 1 when something was found, 2 when the
    // folder cannot be read.
    int exitCode() const;
    QList<Finding> findingsFor(const QString& folder, const QString& file) const;
};

// The JSON report's values, the same in every language.
QString outcomeName(Outcome outcome);
QString severityName(Severity severity);
// The options under which a finding holds, in the user's language.
QString describe(const Condition& condition);

} // namespace tessarine::check
