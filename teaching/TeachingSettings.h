#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace tessarine {

// The two rows a target is answered in: its symbol, and its attribute.
enum class AnswerRow { Symbol, Attribute };

// Why a set's object was drawn: a target being taught, a mastered target coming back for review,
// or the object of a set with a wrong answer shown again. Without teaching settings every set is a
// teaching set.
enum class SetKind { Teach, Review, Correction };

// How the exercise teaches one learner, kept with the learner's records. Every value at its
// default leaves the exercise exactly as it always was: any object picture may be drawn, nothing is
// prompted, corrected or rewarded.
struct TeachingSettings {
    static constexpr int ReviewMin = 2;
    static constexpr int ReviewMax = 20;
    static constexpr int PromptDelayMinMs = 500;
    static constexpr int PromptDelayMaxMs = 30000;
    static constexpr int ErrorlessMax = 50;
    static constexpr int RewardMax = 20;

    // The chosen targets: symbol keys ("CUP") and attributes ("COLOUR.RED"), upper-cased as the
    // records name them. None chosen (nullopt) means every target of the collection, so that
    // pictures added later are taught too until the therapist chooses.
    std::optional<QSet<QString>> symbolTargets{};
    std::optional<QSet<QString>> attributeTargets{};
    // A mastered target comes back once in this many sets; 0: off, mastered targets stay in the draw.
    int reviewEvery = 0;
    // The prompt shows when the visible row has had no answer for this long; 0: off.
    int promptDelayMs = 0;
    bool promptAfterWrong = false;
    // The first this many trials of every target are prompted at once.
    int errorlessTrials = 0;
    // After a set with a wrong answer the same object comes back as the next set.
    bool correctionSet = false;
    // Tokens for sets answered right at the first try; a reward when this many are filled; 0: off.
    int rewardAfter = 0;

    bool isDefault() const { return *this == TeachingSettings{}; }
    // Whether the object with these keys may be drawn.
    bool isTarget(const QString& symbolKey, const QString& attributeKey) const;

    // As key=value pairs for the records, and back: unknown keys are ignored, values out of range
    // are brought into it, so that a hand-edited or later file never stops the exercise.
    QMap<QString, QString> toMap() const;
    static TeachingSettings fromMap(const QMap<QString, QString>& values);

    friend bool operator==(const TeachingSettings&, const TeachingSettings&) = default;
};

// What the records tell the exercise about one learner's targets before a session: how many trials
// (first choices, prompted or not) each target has had, and which ones the learner's mastery rule
// calls mastered. Keys as in TeachingSettings.
struct TeachingHistory {
    QMap<QString, int> symbolTrials{};
    QMap<QString, int> attributeTrials{};
    QSet<QString> masteredSymbols{};
    QSet<QString> masteredAttributes{};
};

// A collection's targets, for the "Targets" list: every symbol key and every attribute of its
// object pictures, upper-cased, sorted, each once.
struct CollectionTargets {
    QStringList symbols;
    QStringList attributes;
};

} // namespace tessarine
