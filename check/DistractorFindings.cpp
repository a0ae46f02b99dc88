// The findings about an object's distractor draws: a draw with nothing to draw from, one whose
// every picture fails to load, and one that can miss by chance.

#include "check/CheckRun.h"
#include "check/NameHints.h"
#include "check/ObjectAnalysis.h"
#include "check/Words.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace tessarine::check {

using namespace words;

namespace {

// Per way a row's draw can go wrong: the combinations of options it happens in.
struct DrawTrouble {
    QSet<int> never, unreadableOnly, byChance;
    const DistractorDraw* seen = nullptr; // the draw as a set gets to it
    double chance = 0;
};

DrawTrouble gatherTrouble(CheckRun& run, const ObjectAnalysis& analysis, Row row, bool sameCategory)
{
    DrawTrouble trouble;
    const QString folder = row == Row::Symbols ? Folder::Symbols : Folder::Attributes;
    for (std::size_t i = 0; i < analysis.plans.size(); ++i) {
        const SetOptions options = SetOptions::all()[i];
        if (row == Row::Attributes && options.sameCategory != sameCategory)
            continue;
        for (const int index : analysis.outcomes[i].drawsReached) {
            const DistractorDraw& draw = analysis.plans[i].draws.at(index);
            if (draw.row != row)
                continue;
            trouble.seen = &draw;
            const int usable = draw.usableCount();
            const LoadVerdicts::Failing& failing = run.loads.failingIn(folder, draw.pool, AnswerBox);
            const auto unreadable = std::count_if(failing.begin(), failing.end(),
                                                  [&](const auto& f) { return draw.usable.value(f.first); });
            const bool allUnreadable = usable > 0 && unreadable == usable;
            if (usable == 0)
                trouble.never.insert(static_cast<int>(i));
            else if (allUnreadable)
                trouble.unreadableOnly.insert(static_cast<int>(i));
            else if (draw.failureChance() > 0) {
                trouble.byChance.insert(static_cast<int>(i));
                trouble.chance = draw.failureChance();
            }
        }
    }
    return trouble;
}

void tellUnreadable(ObjectAnalysis& analysis, Finding finding, const DistractorDraw& draw, bool symbols, const QString& when)
{
    finding.code = QStringLiteral("distractor-unreadable");
    const QStringList names = draw.usableNames();
    //: %1 is a list of file names
    finding.problem = (symbols
                           ? QCoreApplication::translate("DistractorFindings",
                                                         "No symbol that could be shown as the wrong choice can be loaded (%1).")
                           : QCoreApplication::translate(
                               "DistractorFindings", "No attribute that could be shown as the wrong choice can be loaded (%1)."))
                          .arg(listNames(names, 3));
    finding.fix = QCoreApplication::translate("DistractorFindings", "Replace the pictures that cannot be loaded (see below).");
    finding.related = names;
    finding.effect = QCoreApplication::translate("DistractorFindings",
                                                 "%1, the set stops half-way with the error of the picture drawn.")
                         .arg(when);
    analysis.tell(finding);
}

void tellByChance(ObjectAnalysis& analysis, Finding finding, const DrawTrouble& trouble, bool symbols, bool sameCategory,
                  const QString& when)
{
    const QString category = plainPart(analysis.object, 2);
    finding.severity = Severity::Warning;
    const int pool = static_cast<int>(trouble.seen->pool.size());
    //: %1 is how many of them can serve
    finding.problem = (symbols
                           ? QCoreApplication::translate("DistractorFindings",
                                                         "Of the %n symbol(s) that the wrong choice is drawn from, only %1 "
                                                         "can serve.",
                                                         nullptr, pool)
                           : QCoreApplication::translate("DistractorFindings",
                                                         "Of the %n attribute(s) that the wrong choice is drawn from, only %1 "
                                                         "can serve.",
                                                         nullptr, pool))
                          .arg(trouble.seen->usableCount());
    //: %1 names the options, %2 is a number of draws, %3 the exercise's error message, %4 how often
    finding.effect = QCoreApplication::translate("DistractorFindings",
                                                 "%1, the exercise gives up after %2 draws that miss, so the set can "
                                                 "stop half-way with error 550 %3 (%4).")
                         .arg(when, QString::number(SetPlanner::MaxAttempts), quoted(noImageFound().shownDescription()),
                              onceIn(trouble.chance));
    finding.fix = symbols        ? QCoreApplication::translate("DistractorFindings", "Add symbol pictures for other objects.")
                  : sameCategory ? QCoreApplication::translate("DistractorFindings",
                                                               "Add attributes with other values to the category \"%1\".")
                                       .arg(category)
                                 : QCoreApplication::translate("DistractorFindings", "Add attributes with other values.");
    analysis.tell(finding);
}

// Nothing in the pool can serve: the set stops with error 550, or, with nothing at all in the
// object's category, with the error of loading the Attributes folder itself.
void tellNothingToDraw(CheckRun& run, ObjectAnalysis& analysis, Finding finding, const DrawTrouble& trouble, bool symbols,
                       bool sameCategory, const QString& when)
{
    const QString category = plainPart(analysis.object, 2);
    const QString value = plainPart(analysis.object, 3);
    const NameHints hints(run);
    finding.effect = QStringLiteral("%1, %2.").arg(when, stopsWith(noImageFound()));
    if (symbols) {
        finding.problem = QCoreApplication::translate("DistractorFindings",
                                                      "There is no symbol with another name to show as the wrong choice: "
                                                      "every symbol picture is a \"%1\".")
                              .arg(plainPart(analysis.object, 1));
        finding.fix = QCoreApplication::translate("DistractorFindings", "Add symbol pictures for other objects, or turn off %1.")
                          .arg(symbolDistractorOption());
    } else if (sameCategory && trouble.seen->emptyPool) {
        finding.code = QStringLiteral("category-without-attributes");
        finding.problem = QCoreApplication::translate("DistractorFindings",
                                                      "There is no attribute of the category \"%1\" at all.")
                              .arg(category);
        // The draw then takes the empty name and loads the Attributes folder itself.
        if (const auto error = run.loadError(Folder::Attributes, QString(), AnswerBox))
            finding.effect = QCoreApplication::translate("DistractorFindings",
                                                         "%1, %2 (the exercise tries to load the Attributes folder "
                                                         "itself as a picture).")
                                 .arg(when, stopsWith(*error));
        finding.fix = QCoreApplication::translate("DistractorFindings",
                                                  "Add attribute pictures %1.VALUE.jpg for at least two values, or choose %2.")
                          .arg(category, fullRandomOption())
                      + hints.categoryHint(category);
    } else if (sameCategory) {
        finding.problem = QCoreApplication::translate("DistractorFindings",
                                                      "The category \"%1\" has no other value than \"%2\" to show as the "
                                                      "wrong choice.")
                              .arg(category, value);
        finding.fix = QCoreApplication::translate("DistractorFindings",
                                                  "Add another attribute of this category (for example %1), or choose %2.")
                          .arg(hints.attributeNameExample(category, value), fullRandomOption());
    } else {
        finding.problem = QCoreApplication::translate("DistractorFindings",
                                                      "Every attribute carries the value \"%1\", so there is none to show "
                                                      "as the wrong choice.")
                              .arg(value);
        finding.fix = QCoreApplication::translate("DistractorFindings", "Add an attribute with another value, or turn off %1.")
                          .arg(attributeDistractorOption());
    }
    analysis.tell(finding);
}

void tellTrouble(CheckRun& run, ObjectAnalysis& analysis, const DrawTrouble& trouble, Row row, bool sameCategory)
{
    const bool symbols = row == Row::Symbols;
    for (const QSet<int>* combos : {&trouble.never, &trouble.unreadableOnly, &trouble.byChance}) {
        if (combos->isEmpty())
            continue;
        Finding finding{symbols ? QStringLiteral("no-symbol-distractor") : QStringLiteral("no-attribute-distractor"),
                        Severity::Error,
                        {},
                        {},
                        {},
                        {},
                        {},
                        {},
                        {}};
        finding.when = exactCondition(*combos).value_or(Condition{std::nullopt,
                                                                  !symbols ? std::optional<bool>(true) : std::nullopt,
                                                                  !symbols ? std::optional<bool>(sameCategory) : std::nullopt});
        if (symbols)
            finding.when.symbolDistractor = true;
        const QString when = describe(finding.when);
        if (combos == &trouble.unreadableOnly && !(trouble.seen->emptyPool && sameCategory && !symbols))
            tellUnreadable(analysis, finding, *trouble.seen, symbols, when);
        else if (combos == &trouble.byChance)
            tellByChance(analysis, finding, trouble, symbols, sameCategory, when);
        else
            tellNothingToDraw(run, analysis, finding, trouble, symbols, sameCategory, when);
    }
}

} // namespace

void findDistractorProblems(CheckRun& run, ObjectAnalysis& analysis, Row row)
{
    for (const bool sameCategory : {true, false}) {
        // The symbol draw does not depend on the category option.
        if (row == Row::Symbols && !sameCategory)
            continue;
        const DrawTrouble trouble = gatherTrouble(run, analysis, row, sameCategory);
        if (trouble.seen)
            tellTrouble(run, analysis, trouble, row, sameCategory);
    }
}

} // namespace tessarine::check
