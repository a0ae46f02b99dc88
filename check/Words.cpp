#include "check/Words.h"

#include "check/CheckResult.h"

#include <QFileInfo>
#include <QList>

namespace tessarine::check::words {

QString quoted(const QString& text) { return u'\u201c' + text + u'\u201d'; }

QString stopsWith(const RuntimeError& error)
{
    return QStringLiteral("the set stops half-way with error %1 %2").arg(error.number()).arg(quoted(error.description()));
}

QString listNames(const QStringList& names, int shown)
{
    if (names.size() <= shown)
        return names.join(QStringLiteral(", "));
    return names.mid(0, shown).join(QStringLiteral(", ")) + QStringLiteral(" and %1 more").arg(names.size() - shown);
}

QString plainPart(const QString& name, int part) { return name.section(u'.', part - 1, part - 1); }

std::optional<Condition> exactCondition(const QSet<int>& combos)
{
    std::optional<Condition> best;
    int bestConstraints = 4;
    const std::array<std::optional<bool>, 3> values{std::nullopt, false, true};
    for (const auto& sd : values)
        for (const auto& ad : values)
            for (const auto& sc : values) {
                QSet<int> covered;
                for (const SetOptions& o : SetOptions::all())
                    if ((!sd || *sd == o.symbolDistractor) && (!ad || *ad == o.attributeDistractor)
                        && (!sc || *sc == o.sameCategory))
                        covered.insert(o.index());
                const int constraints = (sd ? 1 : 0) + (ad ? 1 : 0) + (sc ? 1 : 0);
                if (covered == combos && constraints < bestConstraints) {
                    best = Condition{sd, ad, sc};
                    bestConstraints = constraints;
                }
            }
    return best;
}

QString onceIn(double chance)
{
    if (chance >= 0.5)
        return QStringLiteral("in most sets");
    const double sets = 1.0 / chance;
    if (sets < 1e9)
        return QStringLiteral("about once in %L1 sets").arg(static_cast<qlonglong>(sets + 0.5));
    return QStringLiteral("about once in %1 sets").arg(sets, 0, 'g', 2);
}

QString plural(qsizetype count, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

QString plural(qsizetype count, const QString& one) { return plural(count, one, one + u's'); }

QString failureSummary(const ObjectReport& report)
{
    QStringList sentences;
    QList<int> done;
    for (const SetVerdict& verdict : report.sets) {
        if (verdict.outcome == Outcome::Works || done.contains(verdict.options.index()))
            continue;
        QSet<int> group;
        for (const SetVerdict& other : report.sets)
            if (other.outcome == verdict.outcome && other.errorNumber == verdict.errorNumber)
                group.insert(other.options.index());
        const std::optional<Condition> best = exactCondition(group);
        QString when;
        if (best) {
            when = describe(*best);
        } else {
            QStringList each;
            for (const int index : group) {
                const SetOptions o = SetOptions::all()[static_cast<std::size_t>(index)];
                each.append(describe(Condition{o.symbolDistractor, o.attributeDistractor,
                                               o.attributeDistractor ? std::optional<bool>(o.sameCategory) : std::nullopt}));
            }
            each.sort();
            each.removeDuplicates();
            when = each.join(QStringLiteral("; "));
        }
        done.append(group.values());
        sentences.append(QStringLiteral("%1, the set %2 with error %3 %4.")
                             .arg(when, verdict.outcome == Outcome::Fails ? QStringLiteral("stops half-way")
                                                                          : QStringLiteral("can stop half-way"))
                             .arg(verdict.errorNumber)
                             .arg(quoted(verdict.errorMessage)));
    }
    return sentences.join(u' ');
}

std::pair<QString, QString> unreadableWords(const QString& path, const RuntimeError& error)
{
    if (QFileInfo(path).size() == 0)
        return {QStringLiteral("This file is empty."), QStringLiteral("Copy the picture again; the copy went wrong.")};
    const QString problem = QStringLiteral("This picture cannot be loaded (%1).").arg(error.description());
    if (error.description().contains(QStringLiteral("too large")))
        return {problem, QStringLiteral("Make the picture smaller (a few thousand pixels across is plenty).")};
    return {problem, QStringLiteral("Open it in a picture editor and save it again as JPEG, or replace it.")};
}

} // namespace tessarine::check::words
