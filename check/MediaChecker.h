#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tessarine::check {

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

// Reads a program folder the way the exercise does (the same listing, loaders, name parts,
// matching rules and picture loader) and tells, per file, what will happen and how to fix it.
// Needs a QCoreApplication (the picture decoders are plugins).
CheckResult checkProgramFolder(const QString& folder);

// Readable text for a teacher, grouped per file.
QString toText(const CheckResult& result);
// The same for tools; the schema "tessarine-check/1" is described in the README.
QByteArray toJson(const CheckResult& result);

QString outcomeName(Outcome outcome);
QString severityName(Severity severity);
QString describe(const Condition& condition);

} // namespace tessarine::check
