#include "check/Words.h"

#include "check/CheckResult.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QList>

namespace tessarine::check::words {

namespace {
QString optionName(const QString& name) { return u'"' + name + u'"'; }
} // namespace

// The options window's own texts, so that a translation names them as the window shows them.
QString symbolDistractorOption()
{
    return optionName(QCoreApplication::translate("tessarine::frmApertura", "Show distractor for symbols"));
}

QString attributeDistractorOption()
{
    return optionName(QCoreApplication::translate("tessarine::frmApertura", "Show distractor for attributes"));
}

QString sameCategoryOption()
{
    return optionName(QCoreApplication::translate("tessarine::frmApertura", "Same category of image"));
}

QString fullRandomOption()
{
    return optionName(QCoreApplication::translate("tessarine::frmApertura", "Full random (regardless of category)"));
}

QString changeSetButton() { return QCoreApplication::translate("tessarine::frmMain", "Change set"); }

QString noSoundEntry() { return QCoreApplication::translate("OptionsLogic", "*** NO SOUND ***"); }

QString quoted(const QString& text) { return u'\u201c' + text + u'\u201d'; }

QString stopsWith(const RuntimeError& error)
{
    //: ends a sentence; %1 is the error's number, %2 its message
    return QCoreApplication::translate("Words", "the set stops half-way with error %1 %2")
        .arg(QString::number(error.number()), quoted(error.shownDescription()));
}

QString listNames(const QStringList& names, int shown)
{
    if (names.size() <= shown)
        return names.join(QStringLiteral(", "));
    const int more = static_cast<int>(names.size() - shown);
    //: %1 is a list of file names
    return QCoreApplication::translate("Words", "%1 and %n more", nullptr, more)
        .arg(names.mid(0, shown).join(QStringLiteral(", ")));
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
        return QCoreApplication::translate("Words", "in most sets");
    const double sets = 1.0 / chance;
    if (sets < 1e9) {
        const int rounded = static_cast<int>(sets + 0.5);
        return QCoreApplication::translate("Words", "about once in %Ln set(s)", nullptr, rounded);
    }
    //: %1 is a number like 1e+12
    return QCoreApplication::translate("Words", "about once in %1 sets").arg(sets, 0, 'g', 2);
}

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
        //: %1 names the options, %2 is the error's number, %3 its message
        const QString sentence = verdict.outcome == Outcome::Fails
                                     ? QCoreApplication::translate("Words", "%1, the set stops half-way with error %2 %3.")
                                     : QCoreApplication::translate("Words", "%1, the set can stop half-way with error %2 %3.");
        sentences.append(sentence.arg(when, QString::number(verdict.errorNumber), quoted(verdict.errorMessage)));
    }
    return sentences.join(u' ');
}

std::pair<QString, QString> unreadableWords(const QString& path, const RuntimeError& error)
{
    if (QFileInfo(path).size() == 0)
        return {QCoreApplication::translate("Words", "This file is empty."),
                QCoreApplication::translate("Words", "Copy the picture again; the copy went wrong.")};
    const QString problem
        = QCoreApplication::translate("Words", "This picture cannot be loaded (%1).").arg(error.shownDescription());
    if (error.description().contains(QStringLiteral("too large")))
        return {problem,
                QCoreApplication::translate("Words", "Make the picture smaller (a few thousand pixels across is plenty).")};
    return {problem,
            QCoreApplication::translate("Words", "Open it in a picture editor and save it again as JPEG, or replace it.")};
}

} // namespace tessarine::check::words
