#pragma once

#include "core/MessageBox.h"
#include "core/Module1.h"
#include "core/RuntimeError.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace tessarine {

// The name parts the rules compare, read once per name: each part upper-cased and numbered (equal
// texts, equal numbers), with the messages reading it shows. A comparison shows those messages
// again each time it reads the part, exactly as reading it afresh would. The set planner compares
// these numbers instead of the texts; a check reads its lists once for all its plans.
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
    // Keeps the messages of one reading.
    class Reports final : public IMessageBox {
    public:
        void showCritical(const QString& text) override { shown.append(text); }
        QStringList shown;
    };

    mutable Reports m_reports;
    mutable Module1 m_reader;
    QHash<QString, int> m_ids;
    Name m_empty; // a candidate table's name at position 0, and its only one when it is empty
    Pool m_allAttributes, m_noCandidates;
    QHash<int, Pool> m_byCategory;
};

} // namespace tessarine
