#pragma once

#include <QString>

#include <cstdint>

namespace tessarine {

class Module1;

// A name's dot-separated parts upper-cased, as the caption shows them and the rules compare them,
// taken with EstraiParte and its reports for missing parts. The comparisons themselves are made on
// the parts' numbers (ListParts), which the set planner and the media checker share.
class MatchingRules {
public:
    explicit MatchingRules(Module1& module);

    // Part `part` of a name in upper case, as the caption and the comparisons use it.
    QString upperPart(const QString& name, std::int16_t part);

private:
    Module1& m_module;
};

} // namespace tessarine
