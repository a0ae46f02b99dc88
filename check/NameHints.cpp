#include "check/NameHints.h"

#include "check/CheckRun.h"
#include "check/Words.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QList>

#include <algorithm>

namespace tessarine::check {

using namespace words;

int editDistance(const QString& a, const QString& b)
{
    QList<int> previous(b.size() + 1);
    QList<int> current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int change = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, change});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

QStringList NameHints::categories() const
{
    QStringList found;
    for (const QString& attribute : m_run.attributes.used) {
        const QString category = plainPart(attribute, 1);
        if (!category.isEmpty() && attribute.count(u'.') >= 2 && !found.contains(category, Qt::CaseInsensitive))
            found.append(category);
    }
    return found;
}

QStringList NameHints::valuesOf(const QString& category) const
{
    QStringList found;
    for (const QString& attribute : m_run.attributes.used) {
        const QString value = plainPart(attribute, 2);
        if (plainPart(attribute, 1).compare(category, Qt::CaseInsensitive) == 0 && attribute.count(u'.') >= 2 && !value.isEmpty()
            && !found.contains(value, Qt::CaseInsensitive))
            found.append(value);
    }
    return found;
}

QString NameHints::spellingHint(const QString& word, const QStringList& known, bool category) const
{
    QStringList near;
    for (const QString& other : known)
        if (other.compare(word, Qt::CaseInsensitive) != 0 && editDistance(other.toUpper(), word.toUpper()) <= 2)
            near.append(QStringLiteral("\"%1\"").arg(other));
    if (near.isEmpty() || word.isEmpty())
        return {};
    //: %1 is a part of a file name, %2 a list of names like it
    const QString question = category ? QCoreApplication::translate("NameHints", "Is the category \"%1\" a spelling slip for %2?")
                                      : QCoreApplication::translate("NameHints", "Is the value \"%1\" a spelling slip for %2?");
    return u' ' + question.arg(word, listNames(near, 3));
}

QString NameHints::categoryHint(const QString& category) const { return spellingHint(category, categories(), true); }

QString NameHints::objectNameExample(const QString& key, const QString& category) const
{
    // A category and value that the Attributes folder has, in a name the Images folder has not.
    QList<std::pair<QString, QString>> choices;
    for (const QString& c : category.isEmpty() ? categories() : QStringList{category})
        for (const QString& v : valuesOf(c))
            choices.append({c, v});
    if (choices.isEmpty())
        choices.append({category.isEmpty() ? QStringLiteral("colour") : category, QStringLiteral("red")});
    const auto taken = [&](const QString& name) { return m_run.images.used.contains(name, Qt::CaseInsensitive); };
    for (const auto& [c, v] : choices) {
        const QString name = QStringLiteral("%1.%2.%3.jpg").arg(key, c, v);
        if (!taken(name))
            return name;
    }
    // Parts after the value are free: a second picture of the same object.
    for (int n = 2;; ++n) {
        const QString name = QStringLiteral("%1.%2.%3.%4.jpg").arg(key, choices.first().first, choices.first().second).arg(n);
        if (!taken(name))
            return name;
    }
}

QString NameHints::attributeNameExample(const QString& category, const QString& value) const
{
    const QStringList own = valuesOf(category);
    QStringList others;
    for (const QString& c : categories())
        others += valuesOf(c);
    others += QStringList{QStringLiteral("blue"), QStringLiteral("green"), QStringLiteral("big"), QStringLiteral("small")};
    for (const QString& v : std::as_const(others))
        if (v.compare(value, Qt::CaseInsensitive) != 0 && !own.contains(v, Qt::CaseInsensitive))
            return QStringLiteral("%1.%2.jpg").arg(category, v);
    return QStringLiteral("%1.another.jpg").arg(category);
}

QString NameHints::attributeRenameExample(const QString& attribute) const
{
    const QString part = plainPart(attribute, 1);
    const QStringList known = categories();
    if (known.contains(part, Qt::CaseInsensitive))
        return attributeNameExample(part, QString());
    for (const QString& category : known)
        if (!valuesOf(category).contains(part, Qt::CaseInsensitive))
            return QStringLiteral("%1.%2.jpg").arg(category, part);
    return QStringLiteral("colour.%1.jpg").arg(part);
}

std::pair<QString, bool> NameHints::renamed(const QString& folder, const QString& name) const
{
    QString base = name.trimmed();
    if (base.startsWith(u'.'))
        base = base.mid(1);
    const QString suffix = QFileInfo(base).suffix().toLower();
    if (suffix == QStringLiteral("jpg") || OtherPictureSuffixes.contains(suffix))
        base.chop(suffix.size() + 1);
    const QString target = base + QStringLiteral(".jpg");
    const QDir dir(QDir(m_run.program.folder).filePath(folder));
    const QStringList present = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return {target, !present.contains(target, Qt::CaseInsensitive)};
}

QString NameHints::symbolHint(const QString& object) const
{
    const QString key = plainPart(object, 1);
    for (const QString& stray : m_run.stray.value(Folder::Symbols))
        if (plainPart(stray.startsWith(u'.') ? stray.mid(1) : stray, 1).compare(key, Qt::CaseInsensitive) == 0)
            return u' '
                   + QCoreApplication::translate("NameHints", "Symbols/%1 is there, but it is never used (see below).")
                         .arg(stray);
    QStringList near;
    for (const QString& symbol : m_run.symbols.used) {
        const QString other = plainPart(symbol, 1);
        if (!other.isEmpty() && editDistance(other.toUpper(), key.toUpper()) <= 2)
            near.append(symbol);
    }
    return near.isEmpty()
               ? QString()
               : u' '
                     + QCoreApplication::translate("NameHints", "Is it a spelling slip for %1?", "%1 is a list of file names")
                           .arg(listNames(near, 3));
}

QString NameHints::attributeHint(const QString& object) const
{
    const QString category = plainPart(object, 2);
    const QString value = plainPart(object, 3);
    for (const QString& stray : m_run.stray.value(Folder::Attributes)) {
        const QString bare = stray.startsWith(u'.') ? stray.mid(1) : stray;
        if (plainPart(bare, 1).compare(category, Qt::CaseInsensitive) == 0
            && plainPart(bare, 2).compare(value, Qt::CaseInsensitive) == 0)
            return u' '
                   + QCoreApplication::translate("NameHints", "Attributes/%1 is there, but it is never used (see below).")
                         .arg(stray);
    }
    const QStringList values = valuesOf(category);
    if (values.isEmpty())
        return u' '
               + QCoreApplication::translate("NameHints", "There is no attribute of the category \"%1\" at all.").arg(category)
               + categoryHint(category);
    return u' '
           + QCoreApplication::translate("NameHints", "The category \"%1\" has: %2.", "%2 is a list of values")
                 .arg(category, listNames(values, 8))
           + spellingHint(value, values, false);
}

} // namespace tessarine::check
