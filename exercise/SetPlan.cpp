#include "exercise/SetPlan.h"

#include "core/Conversions.h"
#include "core/ErrorGuard.h"
#include "core/MessageBox.h"
#include "core/Module1.h"
#include "exercise/MatchingRules.h"
#include "platform/ProgramInfo.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace tessarine {

namespace {

// Keeps the messages that name parts and the random draw would show, to be shown with the set.
class CapturedReports final : public IMessageBox {
public:
    void showCritical(const QString& text) override
    {
        if (recording)
            shown.append(text);
    }
    QStringList shown;
    bool recording = true;
};

// One planning: the composition's steps against a recorder instead of the window.
class Composition {
public:
    Composition(const Module1& run, SetPlanner::Draws draws, DecodeSizes sizes)
        : m_run(run)
        , m_draws(draws)
        , m_sizes(sizes)
        , m_helpers(m_reports, run.random())
        , m_rules(m_helpers)
    {
    }

    SetPlan run(std::optional<std::int16_t> position)
    {
        try {
            compose(position);
        } catch (...) {
            PlanStep end{PlanStep::Kind::End};
            end.error = toRuntimeError(std::current_exception());
            end.draw = m_currentDraw;
            add(std::move(end));
        }
        flush();
        return std::move(m_plan);
    }

private:
    // The messages gathered so far go before the step that follows them.
    void flush()
    {
        for (const QString& text : std::as_const(m_reports.shown)) {
            PlanStep report{PlanStep::Kind::Report};
            report.text = text;
            m_plan.steps.append(std::move(report));
        }
        m_reports.shown.clear();
    }

    void add(PlanStep step)
    {
        flush();
        m_plan.steps.append(std::move(step));
    }

    int picture(const QString& folder, const QString& name, QSize box)
    {
        m_plan.pictures.append({folder, name, box});
        return static_cast<int>(m_plan.pictures.size() - 1);
    }

    void answerPicture(Row row, int index, const QString& folder, const QString& name, int draw = -1)
    {
        PlanStep step{PlanStep::Kind::AnswerPicture};
        step.row = row;
        step.index = index;
        step.picture = picture(folder, name, m_sizes.answer);
        step.draw = draw;
        add(std::move(step));
    }

    std::int16_t drawSide() { return narrowTo16(m_helpers.Casuale(2) - 1); }

    // The first name of the list that matches goes into element `index`, marked as the right answer.
    template <typename Matches>
    QString rightAnswer(Row row, int index, const QString& folder, const NameTable& names, std::int16_t count, Matches&& matches)
    {
        std::optional<QString> found;
        for (std::int16_t i = 1; i <= count; ++i) {
            if (matches(names[i])) {
                found = names[i];
                break;
            }
        }
        PlanStep search{PlanStep::Kind::Search};
        search.row = row;
        search.text = found.value_or(QString());
        add(std::move(search));
        if (!found)
            return {};
        answerPicture(row, index, folder, *found);
        PlanStep mark{PlanStep::Kind::RightAnswer};
        mark.row = row;
        mark.index = index;
        add(std::move(mark));
        return *found;
    }

    // Positions are drawn until a usable name comes up; error 550 after MaxAttempts misses.
    template <typename Usable>
    void distractor(Row row, int index, const QString& folder, const NameTable& names, std::int16_t count, Usable&& usable)
    {
        DistractorDraw record;
        record.row = row;
        record.emptyPool = count < 1;
        // What the pool offers is looked at without the messages: the draw shows its own.
        m_reports.recording = false;
        for (int i = 1; i <= std::max<int>(count, 1); ++i) {
            record.pool.append(names[i]);
            record.usable.append(usable(names[i]));
        }
        m_reports.recording = true;
        m_plan.draws.append(record);
        const int draw = static_cast<int>(m_plan.draws.size() - 1);

        m_currentDraw = draw;
        QString drawn;
        if (m_draws == SetPlanner::Draws::Analyse) {
            const QStringList usableNames = record.usableNames();
            if (usableNames.isEmpty())
                throw noImageFound();
            drawn = usableNames.first();
        } else {
            std::int16_t attempts = 0;
            for (;;) {
                const QString candidate = names[narrowTo16(m_helpers.Casuale(count))];
                const bool found = usable(candidate);
                ++attempts;
                if (found) {
                    drawn = candidate;
                    break;
                }
                if (attempts >= SetPlanner::MaxAttempts)
                    throw noImageFound();
            }
        }
        m_currentDraw = -1;
        answerPicture(row, index, folder, drawn, draw);
    }

    void compose(std::optional<std::int16_t> position)
    {
        const Module1& m = m_run;
        PlanStep begin{PlanStep::Kind::Begin};
        begin.attributeRowVisible = !m.UseSequence;
        add(std::move(begin));

        m_plan.objectPosition = position ? *position : narrowTo16(m_helpers.Casuale(m.NumImmagini));
        const QString object = m.ElencoImmagini[m_plan.objectPosition];
        m_plan.object = object;
        PlanStep objectPicture{PlanStep::Kind::ObjectPicture};
        objectPicture.picture = picture(Folder::Images, object, m_sizes.object);
        add(std::move(objectPicture));

        const QString key = m_rules.upperPart(object, 1);
        m_plan.caption = key + u' ' + m_rules.upperPart(object, 3);
        PlanStep caption{PlanStep::Kind::Caption};
        caption.text = m_plan.caption;
        add(std::move(caption));

        const auto symbolMatches = [&](const QString& symbol) { return m_rules.symbolMatches(symbol, object); };
        if (m.ShowSymbolsDistractor) {
            const std::int16_t side = drawSide();
            m_plan.rightSymbol = rightAnswer(Row::Symbols, 1 - side, Folder::Symbols, m.ElencoSimboli, m.NumSimboli,
                                             symbolMatches);
            distractor(Row::Symbols, side, Folder::Symbols, m.ElencoSimboli, m.NumSimboli,
                       [&](const QString& symbol) { return !symbolMatches(symbol); });
        } else {
            m_plan.rightSymbol = rightAnswer(Row::Symbols, 0, Folder::Symbols, m.ElencoSimboli, m.NumSimboli, symbolMatches);
        }

        // The candidates for the attribute distractor are gathered in every set, shown or not.
        NameTable candidates;
        std::int16_t candidateCount = 0;
        for (std::int16_t i = 1; i <= m.NumAttributi; ++i) {
            const QString& attribute = m.ElencoAttributi[i];
            if (m_rules.isCandidate(attribute, object, m.SameCategoryAttributes)) {
                candidates[candidateCount + 1] = attribute;
                candidateCount = narrowTo16(candidateCount + 1);
            }
        }

        const auto attributeMatches = [&](const QString& attribute) { return m_rules.attributeMatches(attribute, object); };
        if (m.ShowAttributesDistractor) {
            const std::int16_t side = drawSide();
            m_plan.rightAttribute = rightAnswer(Row::Attributes, 1 - side, Folder::Attributes, m.ElencoAttributi, m.NumAttributi,
                                                attributeMatches);
            distractor(Row::Attributes, side, Folder::Attributes, candidates, candidateCount,
                       [&](const QString& attribute) { return m_rules.valueDiffers(attribute, object); });
        } else {
            m_plan.rightAttribute = rightAnswer(Row::Attributes, 0, Folder::Attributes, m.ElencoAttributi, m.NumAttributi,
                                                attributeMatches);
        }
    }

    const Module1& m_run;
    SetPlanner::Draws m_draws;
    DecodeSizes m_sizes;
    CapturedReports m_reports;
    Module1 m_helpers; // name parts and random draws of the run, reporting into the plan
    MatchingRules m_rules;
    SetPlan m_plan;
    int m_currentDraw = -1; // the draw under way, which an error ends
};

} // namespace

int DistractorDraw::usableCount() const { return static_cast<int>(std::count(usable.begin(), usable.end(), true)); }

QStringList DistractorDraw::usableNames() const
{
    QStringList names;
    for (qsizetype i = 0; i < pool.size(); ++i)
        if (usable.value(i))
            names.append(pool.at(i));
    return names;
}

double DistractorDraw::failureChance() const
{
    if (pool.isEmpty())
        return 1.0;
    const double miss = 1.0 - static_cast<double>(usableCount()) / static_cast<double>(pool.size());
    return std::pow(miss, SetPlanner::MaxAttempts);
}

std::optional<RuntimeError> SetPlan::end() const
{
    if (!steps.isEmpty() && steps.last().kind == PlanStep::Kind::End)
        return steps.last().error;
    return std::nullopt;
}

int SetPlan::reportCount() const
{
    return static_cast<int>(
        std::count_if(steps.begin(), steps.end(), [](const PlanStep& s) { return s.kind == PlanStep::Kind::Report; }));
}

SetPlanner::SetPlanner(const Module1& run)
    : m_run(run)
{
}

SetPlan SetPlanner::plan() { return Composition(m_run, Draws::Random, m_sizes).run(std::nullopt); }

SetPlan SetPlanner::planAt(std::int16_t position, Draws draws) { return Composition(m_run, draws, m_sizes).run(position); }

} // namespace tessarine
