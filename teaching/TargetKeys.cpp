#include "teaching/TargetKeys.h"

namespace tessarine::TargetKeys {

QString namePart(const QString& name, int part)
{
    if (part < 1)
        return {};
    qsizetype start = 0;
    for (int i = 1; i < part; ++i) {
        start = name.indexOf(u'.', start);
        if (start < 0)
            return {};
        ++start;
    }
    const qsizetype end = name.indexOf(u'.', start);
    return name.mid(start, end < 0 ? -1 : end - start);
}

QString symbolKey(const QString& object) { return namePart(object, 1).toUpper(); }

QString attributeKey(const QString& object) { return (namePart(object, 2) + u'.' + namePart(object, 3)).toUpper(); }

} // namespace tessarine::TargetKeys
