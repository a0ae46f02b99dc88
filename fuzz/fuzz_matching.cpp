// The set planner's matching of names: a listed name and an object's name (separated by the first
// line break) compared by their numbered, upper-cased parts, against the plain reading of the
// rules. Reports for missing parts are allowed; wrong answers are not.

#include "FuzzModule.h"

#include "exercise/ListParts.h"

using namespace tessarine;

namespace {

QString upperPart(const QString& name, int part)
{
    const QStringList parts = name.split(u'.');
    return part <= parts.size() ? parts[part - 1].toUpper() : QString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString input = fuzz::textOf(data, size);
    const qsizetype lineBreak = input.indexOf(u'\n');
    if (lineBreak < 0)
        return 0;
    const QString listed = input.left(lineBreak);
    const QString objectName = input.mid(lineBreak + 1);

    // The one name listed both as a symbol and as an attribute.
    fuzz::FuzzModule fuzzModule;
    Module1& m = fuzzModule.module;
    m.ElencoSimboli[1] = listed;
    m.ElencoAttributi[1] = listed;
    m.NumSimboli = 1;
    m.NumAttributi = 1;
    const ListParts lists(m);
    const ListParts::Name object = lists.object(objectName);

    const bool sameKey = upperPart(listed, 1) == upperPart(objectName, 1);
    if ((lists.symbols.firstByKey.value(object.part(1).id, 0) == 1) != sameKey)
        fuzz::fail("symbol matching", input);
    const bool sameCategory = upperPart(listed, 1) == upperPart(objectName, 2);
    const bool sameValue = upperPart(listed, 2) == upperPart(objectName, 3);
    const int attribute = lists.attributes.firstByCategoryValue.value({object.part(2).id, object.part(3).id}, 0);
    if ((attribute == 1) != (sameCategory && sameValue))
        fuzz::fail("attribute matching", input);
    const ListParts::Pool& all = lists.candidates(object, false);
    if (all.count != 1 || all.names.value(0) != listed || (lists.candidates(object, true).count == 1) != sameCategory)
        fuzz::fail("candidate", input);
    if ((all.drawnIds.front() != object.part(3).id) == sameValue)
        fuzz::fail("distractor value", input);
    return 0;
}
