#pragma once

#include <QString>

#include <cstdint>

namespace tessarine {

class Module1;

// How file names tie an object picture to its symbol and its attribute: by dot-separated parts,
// compared after both are upper-cased. Parts are taken with EstraiParte afresh for every
// comparison, with its reports for missing parts. The set composer and the media checker share
// these rules, so the checker's verdicts cannot drift from what the exercise does.
class MatchingRules {
public:
    explicit MatchingRules(Module1& module);

    // Part `part` of a name in upper case, as the caption and the comparisons use it.
    QString upperPart(const QString& name, std::int16_t part);

    // The symbol's key is the object's key.
    bool symbolMatches(const QString& symbol, const QString& object);
    // The attribute's category and value are the object's (both halves always extracted).
    bool attributeMatches(const QString& attribute, const QString& object);
    // The attribute may be drawn as distractor: in the same-category mode only attributes of the
    // object's category are candidates, otherwise all of them.
    bool isCandidate(const QString& attribute, const QString& object, bool sameCategory);
    // A candidate serves as distractor when its value differs from the object's.
    bool valueDiffers(const QString& attribute, const QString& object);

private:
    Module1& m_module;
};

} // namespace tessarine
