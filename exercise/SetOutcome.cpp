#include "exercise/SetOutcome.h"

#include "core/ErrorGuard.h"
#include "platform/ProgramInfo.h"

#include <utility>

namespace tessarine {

std::array<SetOptions, 8> SetOptions::all()
{
    std::array<SetOptions, 8> options;
    for (int i = 0; i < 8; ++i)
        options[static_cast<std::size_t>(i)] = {(i & 4) != 0, (i & 2) != 0, (i & 1) != 0};
    return options;
}

namespace {

void failWith(SetVerdict& verdict, const RuntimeError& error)
{
    verdict.outcome = Outcome::Fails;
    verdict.errorNumber = error.number();
    verdict.errorMessage = error.shownDescription();
}

// The possible failure kept so far: the likeliest one, and the chance that the set gets through.
struct Risk {
    std::optional<RuntimeError> likeliest;
    double likeliestChance = 0;
    double survive = 1.0;
};

// A distractor: any usable name of the pool may be drawn, each as likely as the others; the draw
// itself fails when all its attempts miss. Returns the sure failure, if every usable name fails.
std::optional<RuntimeError> replayDraw(const DistractorDraw& draw, QSize box, LoadVerdicts& loads, SetOutcome& outcome,
                                       Risk& risk)
{
    const QString folder = draw.row == Row::Symbols ? Folder::Symbols : Folder::Attributes;
    const int usable = draw.usableCount();
    std::optional<RuntimeError> unreadableError;
    int unreadable = 0;
    for (const auto& [position, error] : loads.failingIn(folder, draw.pool, box)) {
        if (!draw.usable.value(position))
            continue;
        ++unreadable;
        outcome.unreadableDistractors.append(folder + u'/' + draw.pool.at(position));
        if (!unreadableError)
            unreadableError = error;
    }
    if (unreadable == usable)
        return unreadableError;
    const double noneFound = draw.failureChance();
    const double badPicture = (1.0 - noneFound) * unreadable / static_cast<double>(usable);
    for (const auto& [chance, error] :
         {std::pair{noneFound, std::optional<RuntimeError>(noImageFound())}, std::pair{badPicture, unreadableError}}) {
        if (chance > risk.likeliestChance) {
            risk.likeliestChance = chance;
            risk.likeliest = error;
        }
    }
    risk.survive *= 1.0 - noneFound - badPicture;
    return std::nullopt;
}

} // namespace

LoadVerdicts::LoadVerdicts(PictureLoadError loadError)
    : m_loadError(std::move(loadError))
{
}

const LoadVerdicts::Failing& LoadVerdicts::failingIn(const QString& folder, const QStringList& pool, QSize box)
{
    std::vector<Known>* known = nullptr;
    if (!pool.isEmpty()) {
        known = &m_known[pool.constData()];
        for (const Known& seen : *known)
            if (seen.pool.constData() == pool.constData() && seen.pool.size() == pool.size() && seen.folder == folder
                && seen.box == box)
                return seen.failing;
    }
    Failing failing;
    for (qsizetype i = 0; i < pool.size(); ++i)
        if (auto error = m_loadError(folder, pool.at(i), box))
            failing.emplace_back(i, std::move(*error));
    if (!known)
        return m_unshared = std::move(failing);
    known->push_back({pool, folder, box, std::move(failing)});
    return known->back().failing;
}

SetOutcome setOutcome(const SetPlan& plan, const SetOptions& options, const PictureLoadError& loadError)
{
    LoadVerdicts loads(loadError);
    return setOutcome(plan, options, loads);
}

SetOutcome setOutcome(const SetPlan& plan, const SetOptions& options, LoadVerdicts& loads)
{
    SetOutcome outcome;
    SetVerdict& verdict = outcome.verdict;
    verdict.options = options;
    Risk risk;

    // The steps in the set's order; the first sure failure ends the set.
    for (const PlanStep& step : plan.steps) {
        if (step.kind == PlanStep::Kind::End) {
            if (step.draw >= 0)
                outcome.drawsReached.append(step.draw);
            failWith(verdict, *step.error);
            return outcome;
        }
        if (step.kind != PlanStep::Kind::ObjectPicture && step.kind != PlanStep::Kind::AnswerPicture)
            continue;
        const PlannedPicture& picture = plan.pictures.at(step.picture);
        if (step.draw < 0) {
            if (step.kind == PlanStep::Kind::AnswerPicture)
                (step.row == Row::Symbols ? outcome.rightSymbolShown : outcome.rightAttributeShown) = true;
            if (const auto error = loads.loadError(picture.folder, picture.name, picture.box)) {
                failWith(verdict, *error);
                return outcome;
            }
            continue;
        }
        outcome.drawsReached.append(step.draw);
        if (const auto error = replayDraw(plan.draws.at(step.draw), picture.box, loads, outcome, risk)) {
            failWith(verdict, *error);
            return outcome;
        }
    }
    if (risk.likeliest) {
        verdict.outcome = Outcome::MayFail;
        verdict.errorNumber = risk.likeliest->number();
        verdict.errorMessage = risk.likeliest->shownDescription();
        verdict.chance = 1.0 - risk.survive;
    }
    return outcome;
}

} // namespace tessarine
