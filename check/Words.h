#pragma once

#include "check/CheckResult.h"
#include "core/RuntimeError.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// The checker's shared ways of saying things, so that every finding words them alike.
namespace tessarine::check::words {

// The options as the options window names them, in quotes.
QString symbolDistractorOption();
QString attributeDistractorOption();
QString sameCategoryOption();
QString fullRandomOption();
// The exercise's button and the sound lists' empty entry, as those windows show them.
QString changeSetButton();
QString noSoundEntry();

QString quoted(const QString& text);
// How the exercise shows an error that ends a set.
QString stopsWith(const RuntimeError& error);
// "a, b, c and 4 more"
QString listNames(const QStringList& names, int shown = 5);
// "about once in 22,000 sets"
QString onceIn(double chance);
// Plain parts of a name, for hints only; verdicts always go through MatchingRules.
QString plainPart(const QString& name, int part);
// The smallest condition that holds for exactly these combinations of options, if there is one.
std::optional<Condition> exactCondition(const QSet<int>& combos);
// The options under which a set of this picture stops, in words: each error with the smallest
// condition that covers exactly the combinations it happens in.
QString failureSummary(const ObjectReport& report);
// What is wrong with a picture that cannot be loaded, and how to mend it, in plain words.
std::pair<QString, QString> unreadableWords(const QString& path, const RuntimeError& error);

} // namespace tessarine::check::words
