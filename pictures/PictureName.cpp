#include "pictures/PictureName.h"

#include <QStringList>

namespace tessarine {

namespace {

// Characters that Windows, whose users share collections with ours, refuses in a file name, and
// the two separators; the full stop would move the parts the exercise reads.
bool unfitForFileName(QChar c)
{
    static const QString refused = QStringLiteral(".\\/:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7f || refused.contains(c);
}

QString partProblem(const QString& part, const QString& what)
{
    if (part.isEmpty())
        return QStringLiteral("The %1 is empty.").arg(what);
    for (const QChar c : part) {
        if (unfitForFileName(c)) {
            if (c == QLatin1Char('.'))
                return QStringLiteral("The %1 \"%2\" holds a full stop; full stops only separate the parts.").arg(what, part);
            return QStringLiteral("The %1 \"%2\" holds a character a file name cannot carry.").arg(what, part);
        }
    }
    return {};
}

} // namespace

PictureName PictureName::parse(const QString& dotted)
{
    const QStringList parts = dotted.split(QLatin1Char('.'));
    PictureName name;
    name.parts = int(parts.size());
    if (parts.size() > 0)
        name.object = parts.at(0).trimmed();
    if (parts.size() > 1)
        name.category = parts.at(1).trimmed();
    if (parts.size() > 2)
        name.value = parts.at(2).trimmed();
    return name;
}

QString PictureName::base() const { return object + QLatin1Char('.') + category + QLatin1Char('.') + value; }

QString PictureName::problem() const
{
    if (parts != 3)
        return QStringLiteral(
                   "A picture's name has three parts, object, category and value, as in cup.colour.red; this one has %1.")
            .arg(parts);
    for (const auto& [part, what] :
         {std::pair{&object, "object"}, std::pair{&category, "category"}, std::pair{&value, "value"}}) {
        const QString problem = partProblem(*part, QLatin1String(what));
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

QString PictureName::partProblem(const QString& part, const QString& what)
{
    return tessarine::partProblem(part.trimmed(), what);
}

} // namespace tessarine
