#include "check/ListFindings.h"

#include "check/CheckRun.h"
#include "check/NameHints.h"
#include "check/Words.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <utility>

namespace tessarine::check {

using namespace words;

void checkDuplicates(CheckRun& run, const FolderScan& scan, const std::function<QString(const QString&)>& key)
{
    if (scan.empty())
        return;
    QHash<QString, QString> byLowerName;
    QHash<QString, QString> byKey;
    for (const QString& name : scan.used) {
        const QString lower = name.toLower();
        const QString same = byLowerName.value(lower);
        const bool caseDuplicate = !same.isEmpty();
        if (caseDuplicate) {
            const bool answer = scan.name != Folder::Images;
            run.add({QStringLiteral("case-duplicate"),
                     Severity::Warning,
                     scan.name,
                     name,
                     QCoreApplication::translate("ListFindings", "Its name differs from %1 only in capital and small letters.")
                         .arg(same),
                     answer ? QCoreApplication::translate(
                                  "ListFindings", "Names are compared without regard to capitals, so only %1 is ever shown as "
                                                  "the right answer. Copied to a memory stick or a Windows computer, one file "
                                                  "would also replace the other.")
                                  .arg(same)
                            : QCoreApplication::translate(
                                "ListFindings", "Both are shown, but copied to a memory stick or a Windows computer one file "
                                                "would replace the other."),
                     QCoreApplication::translate("ListFindings", "Delete one of the two, or give them different names."),
                     {same},
                     {}});
        } else {
            byLowerName.insert(lower, name);
        }
        if (!key)
            continue;
        const QString k = key(name);
        const auto earlier = byKey.constFind(k);
        if (earlier == byKey.constEnd()) {
            byKey.insert(k, name);
        } else if (!caseDuplicate && !run.rightFor.value(scan.name + u'/' + *earlier).isEmpty()) {
            run.add(
                {QStringLiteral("never-right-answer"),
                 Severity::Warning,
                 scan.name,
                 name,
                 scan.name == Folder::Symbols
                     ? QCoreApplication::translate("ListFindings", "It has the same symbol name as %1, which comes first.")
                           .arg(*earlier)
                     : QCoreApplication::translate("ListFindings", "It has the same category and value as %1, which comes first.")
                           .arg(*earlier),
                 QCoreApplication::translate("ListFindings",
                                             "Only %1 is ever shown as the right answer (for %2); this picture only ever appears "
                                             "as a distractor in other sets.")
                     .arg(*earlier, listNames(run.rightFor.value(scan.name + u'/' + *earlier), 3)),
                 QCoreApplication::translate("ListFindings",
                                             "Keep only the picture you want, or give this one a name of its own."),
                 {*earlier},
                 {}});
        }
    }
}

void checkAttributeNames(CheckRun& run)
{
    for (const QString& attribute : std::as_const(run.attributes.used)) {
        // "colour.jpg" may be meant: a picture named like "pen.colour.jpg" goes with it.
        if (attribute.isEmpty() || attribute.count(u'.') >= 2
            || !run.rightFor.value(Folder::Attributes + u'/' + attribute).isEmpty())
            continue;
        run.add(
            {QStringLiteral("name-too-few-parts"),
             Severity::Warning,
             Folder::Attributes,
             attribute,
             QCoreApplication::translate(
                 "ListFindings", "The name has only one part before \".jpg\"; attribute pictures need two: category.value.jpg."),
             QCoreApplication::translate(
                 "ListFindings", "It is read as the category \"%1\" with the value \"jpg\", so it is the right answer of no "
                                 "picture.")
                 .arg(plainPart(attribute, 1)),
             QCoreApplication::translate("ListFindings", "Rename it to category.value.jpg, for example %1.")
                 .arg(NameHints(run).attributeRenameExample(attribute)),
             {},
             {}});
    }
}

void checkAnswerPictures(CheckRun& run, const QString& folder, const QStringList& names)
{
    for (const QString& name : names) {
        if (name.isEmpty())
            continue;
        const std::optional<RuntimeError> error = run.loadError(folder, name, AnswerBox);
        if (!error)
            continue;
        const QString key = folder + u'/' + name;
        const QStringList rightFor = run.rightFor.value(key);
        const QSet<int> combos = run.distractorIn.value(key);
        QStringList effects;
        if (!rightFor.isEmpty())
            effects.append(QCoreApplication::translate("ListFindings", "Every set with %1 %2.")
                               .arg(listNames(rightFor, 3), stopsWith(*error)));
        if (!combos.isEmpty()) {
            Condition when;
            when.symbolDistractor = folder == Folder::Symbols ? std::optional<bool>(true) : std::nullopt;
            when.attributeDistractor = folder == Folder::Attributes ? std::optional<bool>(true) : std::nullopt;
            if (folder == Folder::Attributes) {
                bool same = false, full = false;
                for (int combo : combos)
                    ((combo & 1) ? same : full) = true;
                if (same != full)
                    when.sameCategory = same;
            }
            effects.append(QCoreApplication::translate("ListFindings",
                                                       "%1, other sets stop the same way whenever this picture is drawn as the "
                                                       "wrong choice.")
                               .arg(describe(when)));
        }
        if (effects.isEmpty())
            effects.append(QCoreApplication::translate(
                "ListFindings", "It is not used in any set at the moment, but would stop any set it is shown in."));
        const auto [problem, fix] = unreadableWords(mediaPath(run.program, folder, name), *error);
        run.add({QStringLiteral("picture-unreadable"),
                 Severity::Error,
                 folder,
                 name,
                 problem,
                 effects.join(u' '),
                 fix,
                 rightFor,
                 {}});
    }
}

} // namespace tessarine::check
