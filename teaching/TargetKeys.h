#pragma once

#include <QString>

namespace tessarine {

// The targets a set teaches, read from the object picture's name by its dot-separated parts:
// part 1 is the symbol key, parts 2 and 3 (category and value) the attribute; both compared
// upper-cased, as the exercise compares them. A missing part reads as empty, silently: the
// exercise has already reported it when the set was shown, and the records must not show it again.
namespace TargetKeys {

QString namePart(const QString& name, int part);
QString symbolKey(const QString& object);
QString attributeKey(const QString& object); // "CATEGORY.VALUE"

} // namespace TargetKeys

} // namespace tessarine
