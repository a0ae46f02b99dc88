#pragma once

#include <array>
#include <optional>

namespace tessarine {

// What a learner can choose on the exercise window, in the order the ring visits them: the two
// symbols, the two attributes, then "Change set".
enum class AnswerTarget { Symbol0, Symbol1, Attribute0, Attribute1, ChangeSet };

inline constexpr std::array<AnswerTarget, 5> AllTargets{AnswerTarget::Symbol0, AnswerTarget::Symbol1, AnswerTarget::Attribute0,
                                                        AnswerTarget::Attribute1, AnswerTarget::ChangeSet};

// Which targets the learner can see right now: an element hidden by itself or inside a hidden row
// is not there to be chosen. The exercise window answers it from its widgets.
class IAnswerTargets {
public:
    virtual ~IAnswerTargets() = default;
    virtual bool isTargetVisible(AnswerTarget target) const = 0;
};

} // namespace tessarine
