#include "exercise/SetPlan.h"

#include "core/Conversions.h"
#include "core/ErrorGuard.h"
#include "core/MessageBox.h"
#include "core/Module1.h"
#include "exercise/MatchingRules.h"
#include "platform/ProgramInfo.h"

#include <QHash>
#include <QPair>

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <utility>
#include <vector>

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

// The name parts the rules compare, read once per name: each part upper-cased and numbered (equal
// texts, equal numbers), with the messages reading it shows. A comparison shows those messages
// again each time it reads the part, exactly as reading it afresh would.
class ListParts {
public:
    struct Part {
        int id = -1; // -1: a text no listed name has
        QStringList reports;
    };
    struct Name {
        QString name;
        std::array<Part, 3> parts; // 1 to 3; listed names have 1 and 2 read
        const Part& part(int n) const { return parts[static_cast<std::size_t>(n - 1)]; }
    };
    // What a distractor is drawn from: the names at positions 1 upwards (at least one, the empty
    // name when there are none), and the name a draw of position 0 would take. A name serves
    // when its part `drawnPart` differs from the object's (`drawnIds` are those parts' numbers).
    struct Pool {
        int drawnPart = 1;
        int count = 0;
        QStringList names;
        QList<const Name*> parts;
        std::vector<int> drawnIds;
        const Name* zero = nullptr;

        void add(const Name& name)
        {
            names.append(name.name);
            parts.append(&name);
            drawnIds.push_back(name.part(drawnPart).id);
        }
        const Name& at(std::int32_t position) const
        {
            if (position == 0)
                return *zero;
            if (position < 0 || position > parts.size())
                throw positionOutOfRange();
            return *parts[position - 1];
        }
    };
    // A picture list: positions 0 to max(count, 1), and where each key (or category and value)
    // first comes among positions 1 to count.
    struct List {
        std::int16_t count = 0;
        std::vector<Name> names;
        std::array<bool, 2> reports{}; // some name of 1 to count shows messages for part 1 (2)
        QHash<int, int> firstByKey;
        QHash<QPair<int, int>, int> firstByCategoryValue;
        const Name& at(int position) const { return names[static_cast<std::size_t>(position)]; }
    };

    explicit ListParts(const Module1& run);
    ListParts(const ListParts&) = delete;
    ListParts& operator=(const ListParts&) = delete;

    // The object's three parts, numbered as the listed names' (not added).
    Name object(const QString& name) const;
    const Pool& candidates(const Name& object, bool sameCategory) const;

    List symbols, attributes;
    Pool symbolPool;

private:
    // Part `n` of a name, upper-cased, with the messages reading it shows.
    std::pair<QString, QStringList> read(const QString& name, int n) const;
    // The same numbered, a text not seen before getting the next number.
    Part listed(const QString& name, int n);
    void readList(List& list, const NameTable& table, std::int16_t count);

    // Reading a part is not const work, but it changes nothing that is looked at afterwards.
    mutable CapturedReports m_reports;
    mutable Module1 m_reader;
    QHash<QString, int> m_ids;
    Name m_empty; // a candidate table's name at position 0, and its only one when it is empty
    Pool m_allAttributes, m_noCandidates;
    QHash<int, Pool> m_byCategory;
};

ListParts::ListParts(const Module1& run)
    : m_reader(m_reports, run.random())
{
    readList(symbols, run.ElencoSimboli, run.NumSimboli);
    readList(attributes, run.ElencoAttributi, run.NumAttributi);
    for (int n = 1; n <= 2; ++n)
        m_empty.parts[static_cast<std::size_t>(n - 1)] = listed(QString(), n);

    // A symbol serves when its key differs from the object's, an attribute when its value does.
    symbolPool.zero = &symbols.at(0);
    symbolPool.count = symbols.count;
    for (int i = 1; i <= std::max<int>(symbols.count, 1); ++i)
        symbolPool.add(symbols.at(i));
    for (int i = 1; i <= attributes.count; ++i) {
        const Name& attribute = attributes.at(i);
        for (Pool* pool : {&m_allAttributes, &m_byCategory[attribute.part(1).id]}) {
            pool->drawnPart = 2;
            pool->zero = &m_empty;
            ++pool->count;
            pool->add(attribute);
        }
    }
    // A draw from no candidates takes position 1 of an empty table: the empty name.
    for (Pool* pool : {&m_allAttributes, &m_noCandidates}) {
        pool->drawnPart = 2;
        pool->zero = &m_empty;
        if (pool->parts.isEmpty())
            pool->add(m_empty);
    }
}

std::pair<QString, QStringList> ListParts::read(const QString& name, int n) const
{
    m_reports.shown.clear();
    QString text = m_reader.EstraiParte(name, narrowTo16(n)).toUpper();
    return {std::move(text), m_reports.shown};
}

ListParts::Part ListParts::listed(const QString& name, int n)
{
    auto [text, reports] = read(name, n);
    auto known = m_ids.constFind(text);
    if (known == m_ids.constEnd())
        known = m_ids.insert(text, static_cast<int>(m_ids.size()));
    return {*known, std::move(reports)};
}

void ListParts::readList(List& list, const NameTable& table, std::int16_t count)
{
    list.count = count;
    list.names.resize(static_cast<std::size_t>(std::max<int>(count, 1) + 1));
    for (int i = 0; i <= std::max<int>(count, 1); ++i) {
        Name& name = list.names[static_cast<std::size_t>(i)];
        name.name = table[i];
        for (int n = 1; n <= 2; ++n)
            name.parts[static_cast<std::size_t>(n - 1)] = listed(name.name, n);
        if (i < 1 || i > count)
            continue;
        for (int n = 1; n <= 2; ++n)
            list.reports[static_cast<std::size_t>(n - 1)] |= !name.part(n).reports.isEmpty();
        if (!list.firstByKey.contains(name.part(1).id))
            list.firstByKey.insert(name.part(1).id, i);
        const QPair<int, int> categoryValue{name.part(1).id, name.part(2).id};
        if (!list.firstByCategoryValue.contains(categoryValue))
            list.firstByCategoryValue.insert(categoryValue, i);
    }
}

ListParts::Name ListParts::object(const QString& name) const
{
    Name object{name, {}};
    for (int n = 1; n <= 3; ++n) {
        auto [text, reports] = read(name, n);
        object.parts[static_cast<std::size_t>(n - 1)] = {m_ids.value(text, -1), std::move(reports)};
    }
    return object;
}

const ListParts::Pool& ListParts::candidates(const Name& object, bool sameCategory) const
{
    if (!sameCategory)
        return m_allAttributes;
    const auto found = m_byCategory.constFind(object.part(2).id);
    return found != m_byCategory.constEnd() ? *found : m_noCandidates;
}

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
