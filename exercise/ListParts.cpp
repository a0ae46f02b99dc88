#include "exercise/ListParts.h"

#include "core/Conversions.h"
#include "core/RuntimeError.h"

#include <algorithm>

namespace tessarine {

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

} // namespace tessarine
