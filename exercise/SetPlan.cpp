#include "exercise/SetPlan.h"

#include "core/Conversions.h"
#include "core/ErrorGuard.h"
#include "core/MessageBox.h"
#include "core/Module1.h"
#include "exercise/ListParts.h"
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

} // namespace

// The run's name parts and random draw, reporting into the plan under way. Made once per planner:
// a Module1 carries three tables of 1001 names, too much to make again for every plan.
class PlanHelpers {
public:
    explicit PlanHelpers(IRandomSource& random)
        : module(reports, random)
        , rules(module)
    {
    }
    CapturedReports reports;
    Module1 module;
    MatchingRules rules;
};

namespace {

// One planning: the composition's steps against a recorder instead of the window.
class Composition {
public:
    Composition(const Module1& run, const ListParts& lists, PlanHelpers& helpers, SetPlanner::Draws draws, DecodeSizes sizes)
        : m_run(run)
        , m_lists(lists)
        , m_draws(draws)
        , m_sizes(sizes)
        , m_reports(helpers.reports)
        , m_helpers(helpers.module)
        , m_rules(helpers.rules)
    {
        m_reports.shown.clear();
        m_reports.recording = true;
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
    using Name = ListParts::Name;
    using Part = ListParts::Part;

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

    // A part read again: its messages are shown again.
    void reread(const Part& part)
    {
        for (const QString& text : part.reports)
            m_reports.showCritical(text);
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

    // The first name of the list that matches (at `found`, 0 for none) goes into element `index`,
    // marked as the right answer. `compared` shows the messages of comparing the name at a position.
    template <typename Compared>
    QString rightAnswer(Row row, int index, const QString& folder, const ListParts::List& list, int found, bool messages,
                        Compared&& compared)
    {
        for (int i = 1; messages && i <= (found > 0 ? found : list.count); ++i)
            compared(list.at(i));
        PlanStep search{PlanStep::Kind::Search};
        search.row = row;
        search.text = found > 0 ? list.at(found).name : QString();
        add(std::move(search));
        if (found <= 0)
            return {};
        answerPicture(row, index, folder, list.at(found).name);
        PlanStep mark{PlanStep::Kind::RightAnswer};
        mark.row = row;
        mark.index = index;
        add(std::move(mark));
        return list.at(found).name;
    }

    // Positions are drawn until a name that serves comes up (its part differs from the object's
    // `objectPart`); error 550 after MaxAttempts misses.
    void distractor(Row row, int index, const QString& folder, const ListParts::Pool& pool, std::int16_t count,
                    const Part& objectPart)
    {
        const int namePart = pool.drawnPart;
        DistractorDraw record;
        record.row = row;
        record.emptyPool = count < 1;
        record.pool = pool.names;
        record.usable.resize(pool.parts.size());
        bool* usable = record.usable.data();
        for (std::size_t i = 0; i < pool.drawnIds.size(); ++i)
            usable[i] = pool.drawnIds[i] != objectPart.id;
        m_plan.draws.append(record);
        const int draw = static_cast<int>(m_plan.draws.size() - 1);

        m_currentDraw = draw;
        QString drawn;
        if (m_draws == SetPlanner::Draws::Analyse) {
            const qsizetype first = record.usable.indexOf(true);
            if (first < 0)
                throw noImageFound();
            drawn = pool.names[first];
        } else {
            std::int16_t attempts = 0;
            for (;;) {
                const Name& candidate = pool.at(narrowTo16(m_helpers.Casuale(count)));
                reread(candidate.part(namePart));
                reread(objectPart);
                ++attempts;
                if (candidate.part(namePart).id != objectPart.id) {
                    drawn = candidate.name;
                    break;
                }
                if (attempts >= SetPlanner::MaxAttempts)
                    throw noImageFound();
            }
        }
        m_currentDraw = -1;
        answerPicture(row, index, folder, drawn, draw);
    }

    void beginWithObject(std::optional<std::int16_t> position)
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
    }

    // The matching rules on the parts' numbers: the right symbol has the object's key, the right
    // attribute the object's category and value; in the same-category mode the distractor's
    // candidates are the attributes of the object's category.
    void compose(std::optional<std::int16_t> position)
    {
        const Module1& m = m_run;
        beginWithObject(position);
        const Name object = m_lists.object(m_plan.object);
        const Part& key = object.part(1);
        const Part& category = object.part(2);
        const Part& value = object.part(3);

        const ListParts::List& symbols = m_lists.symbols;
        const int symbol = symbols.firstByKey.value(key.id, 0);
        const bool symbolMessages = symbols.reports[0] || !key.reports.isEmpty();
        const auto symbolCompared = [&](const Name& name) {
            reread(name.part(1));
            reread(key);
        };
        if (m.ShowSymbolsDistractor) {
            const std::int16_t side = drawSide();
            m_plan.rightSymbol = rightAnswer(Row::Symbols, 1 - side, Folder::Symbols, symbols, symbol, symbolMessages,
                                             symbolCompared);
            distractor(Row::Symbols, side, Folder::Symbols, m_lists.symbolPool, symbols.count, key);
        } else {
            m_plan.rightSymbol = rightAnswer(Row::Symbols, 0, Folder::Symbols, symbols, symbol, symbolMessages, symbolCompared);
        }

        // The candidates for the attribute distractor are gathered in every set, shown or not.
        const ListParts::List& attributes = m_lists.attributes;
        const ListParts::Pool& candidates = m_lists.candidates(object, m.SameCategoryAttributes);
        if (m.SameCategoryAttributes && (attributes.reports[0] || !category.reports.isEmpty()))
            for (int i = 1; i <= attributes.count; ++i) {
                reread(attributes.at(i).part(1));
                reread(category);
            }
        const std::int16_t candidateCount = narrowTo16(candidates.count);

        const int attribute = attributes.firstByCategoryValue.value({category.id, value.id}, 0);
        const bool attributeMessages = attributes.reports[0] || attributes.reports[1] || !category.reports.isEmpty()
                                       || !value.reports.isEmpty();
        const auto attributeCompared = [&](const Name& name) {
            reread(name.part(1));
            reread(category);
            reread(name.part(2));
            reread(value);
        };
        if (m.ShowAttributesDistractor) {
            const std::int16_t side = drawSide();
            m_plan.rightAttribute = rightAnswer(Row::Attributes, 1 - side, Folder::Attributes, attributes, attribute,
                                                attributeMessages, attributeCompared);
            distractor(Row::Attributes, side, Folder::Attributes, candidates, candidateCount, value);
        } else {
            m_plan.rightAttribute = rightAnswer(Row::Attributes, 0, Folder::Attributes, attributes, attribute, attributeMessages,
                                                attributeCompared);
        }
    }

    const Module1& m_run;
    const ListParts& m_lists;
    SetPlanner::Draws m_draws;
    DecodeSizes m_sizes;
    CapturedReports& m_reports;
    Module1& m_helpers; // name parts and random draws of the run, reporting into the plan
    MatchingRules& m_rules;
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

SetPlanner::~SetPlanner() = default;

SetPlan SetPlanner::plan() { return planWith(std::nullopt, Draws::Random); }

SetPlan SetPlanner::planAt(std::int16_t position, Draws draws) { return planWith(position, draws); }

SetPlan SetPlanner::planWith(std::optional<std::int16_t> position, Draws draws)
{
    if (!m_helpers)
        m_helpers = std::make_unique<PlanHelpers>(m_run.random());
    if (m_kept)
        return Composition(m_run, *m_kept, *m_helpers, draws, m_sizes).run(position);
    const ListParts lists(m_run);
    return Composition(m_run, lists, *m_helpers, draws, m_sizes).run(position);
}

void SetPlanner::keepListsAsRead() { m_kept = std::make_unique<const ListParts>(m_run); }

} // namespace tessarine
