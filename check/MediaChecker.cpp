#include "check/MediaChecker.h"

#include "core/ErrorGuard.h"
#include "core/MessageBox.h"
#include "core/Module1.h"
#include "exercise/MatchingRules.h"
#include "exercise/PictureDecoder.h"
#include "exercise/SetPlan.h"
#include "media/MediaCatalogue.h"
#include "platform/DirectoryListing.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramInfo.h"
#include "platform/RandomSource.h"
#include "speech/SpokenCaption.h"
#include "speech/WaveCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <functional>
#include <utility>

namespace tessarine::check {

namespace {

// The exercise decodes its pictures at these sizes; the check does the same.
const QSize ObjectBox = DecodeSize::Object;
const QSize AnswerBox = DecodeSize::Answer;

// Files a teacher may take for pictures that the "*.jpg" listing never returns.
const QStringList OtherPictureSuffixes{"jpeg", "jpe", "jfif", "png", "gif", "bmp", "webp", "tif", "tiff", "heic", "heif"};

const QString SymbolDistractorOption = QStringLiteral("\"Show distractor for symbols\"");
const QString AttributeDistractorOption = QStringLiteral("\"Show distractor for attributes\"");
const QString SameCategoryOption = QStringLiteral("\"Same category of image\"");
const QString FullRandomOption = QStringLiteral("\"Full random (regardless of category)\"");

QString quoted(const QString& text) { return u'\u201c' + text + u'\u201d'; }

// How the exercise shows an error that ends a set.
QString stopsWith(const RuntimeError& error)
{
    return QStringLiteral("the set stops half-way with error %1 %2").arg(error.number()).arg(quoted(error.description()));
}

QString listNames(const QStringList& names, int shown = 5)
{
    if (names.size() <= shown)
        return names.join(QStringLiteral(", "));
    return names.mid(0, shown).join(QStringLiteral(", ")) + QStringLiteral(" and %1 more").arg(names.size() - shown);
}

bool isHiddenName(const QString& name) { return name.startsWith(u'.'); }

// Whatever its name, the file starts as a JPEG picture does.
bool holdsJpeg(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(3) == QByteArray("\xFF\xD8\xFF", 3);
}

// Plain parts of a name, for hints only; verdicts always go through MatchingRules.
QString plainPart(const QString& name, int part) { return name.section(u'.', part - 1, part - 1); }

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

// What one set of a picture does under one combination of options, read off its plan: how it
// ends, and which of its steps it gets to.
struct SetWalk {
    SetVerdict verdict;
    bool rightSymbolShown = false; // the right answers' pictures are reached
    bool rightAttributeShown = false;
    QList<int> drawsReached; // draws the set gets to, by their index in the plan
};

// The smallest condition that holds for exactly these combinations, if there is one.
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

// "about once in 22,000 sets"
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

// The options under which a set of this picture stops, in words: each error with the smallest
// condition that covers exactly the combinations it happens in.
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

// Keeps the error messages the exercise would show, to count and quote them.
class CollectedReports final : public IMessageBox {
public:
    void showCritical(const QString& text) override { shown.append(text); }
    QStringList shown;
};

struct FolderScan {
    QString name;
    bool exists = false;
    bool readable = false;
    QStringList used;      // the names the exercise's list holds (position 1 upwards)
    QStringList notListed; // names the listing returned beyond the list's end
    int loaderReports = 0; // message boxes the loader showed
    QString loaderMessage; // the first of them
    bool empty() const { return used.size() == 1 && used.first().isEmpty(); }
};

class Checker {
public:
    explicit Checker(const QString& folder)
        : m_program(ProgramInfo::withFolder(folder))
        , m_module(m_messageBox, m_random)
        , m_rules(m_module)
        , m_planner(m_module)
        , m_decoder(m_pictures)
    {
    }

    CheckResult run();

private:
    std::optional<RuntimeError> loadError(const QString& folder, const QString& name, QSize box);
    FolderScan scanPictures(const QString& folder, void (*loader)(Module1&, IDirectoryListing&, const ProgramInfo&),
                            const NameTable& table, const std::int16_t& count);
    void scanStrayFiles(const QString& folder, const QStringList& used);
    void scanSounds();
    void checkFolder(const FolderScan& scan);
    void checkDuplicates(const FolderScan& scan, const std::function<QString(const QString&)>& key);
    // Decodes every listed picture at once, in parallel, as the exercise would decode it.
    void decodeAll();
    void analyseObject(std::int16_t position);
    SetWalk walk(const SetPlan& plan, const SetOptions& options);
    void checkAnswerPictures(const QString& folder, const QStringList& names);
    // What is wrong with a picture that cannot be loaded, and how to mend it, in plain words.
    std::pair<QString, QString> unreadableWords(const QString& folder, const QString& name, const RuntimeError& error) const;
    QString symbolHint(const QString& object);
    QString attributeHint(const QString& object);
    // Examples and hints that fit the folder: its categories and values, names not yet taken.
    QStringList categories() const;
    QStringList valuesOf(const QString& category) const;
    QString spellingHint(const QString& word, const QStringList& known, const QString& what) const;
    QString categoryHint(const QString& category) const;
    QString objectNameExample(const QString& key, const QString& category) const;
    QString attributeNameExample(const QString& category, const QString& value) const;
    QString attributeRenameExample(const QString& attribute) const;
    std::pair<QString, bool> renamed(const QString& folder, const QString& name) const;
    void add(Finding finding) { m_result.findings.append(std::move(finding)); }

    ProgramInfo m_program;
    CollectedReports m_messageBox;
    QtDirectoryListing m_listing;
    QtPictureLoader m_pictures;
    ClockRandomSource m_random;
    Module1 m_module;
    MatchingRules m_rules;
    SetPlanner m_planner;
    PictureDecoder m_decoder;

    CheckResult m_result;
    FolderScan m_images, m_symbols, m_attributes;
    QHash<QString, std::optional<RuntimeError>> m_loads;
    QString m_partMessage;
    // Stray files per folder (wrong extension or hidden), for hints.
    QHash<QString, QStringList> m_stray;
    // Per answer picture: the objects it is the right answer of, and the options under which it
    // can be drawn as a distractor.
    QHash<QString, QStringList> m_rightFor;
    QHash<QString, QSet<int>> m_distractorIn;
    std::optional<QStringList> m_recordings; // the wave files beside the object pictures
};

std::optional<RuntimeError> Checker::loadError(const QString& folder, const QString& name, QSize box)
{
    const QString key = folder + u'/' + name;
    const auto known = m_loads.constFind(key);
    if (known != m_loads.constEnd())
        return *known;
    std::optional<RuntimeError> error;
    try {
        m_pictures.load(mediaPath(m_program, folder, name), box);
    } catch (...) {
        error = toRuntimeError(std::current_exception());
    }
    m_loads.insert(key, error);
    return error;
}

FolderScan Checker::scanPictures(const QString& folder, void (*loader)(Module1&, IDirectoryListing&, const ProgramInfo&),
                                 const NameTable& table, const std::int16_t& count)
{
    FolderScan scan;
    scan.name = folder;
    const QFileInfo info(QDir(m_program.folder).filePath(folder));
    scan.exists = info.exists();
    scan.readable = info.isDir() && info.isReadable() && info.isExecutable();

    m_messageBox.shown.clear();
    loader(m_module, m_listing, m_program);
    scan.loaderReports = static_cast<int>(m_messageBox.shown.size());
    if (scan.loaderReports > 0)
        scan.loaderMessage = m_messageBox.shown.first();
    m_messageBox.shown.clear();
    for (std::int16_t i = 1; i <= count; ++i)
        scan.used.append(table[i]);

    // The same listing again, to name the files beyond the list's end.
    if (scan.readable) {
        try {
            qsizetype position = 0;
            for (QString name = m_listing.first(mediaPath(m_program, folder, QStringLiteral("*.jpg"))); !name.isEmpty();
                 name = m_listing.next()) {
                if (++position > NameTable::Last)
                    scan.notListed.append(name);
            }
        } catch (...) {
            // The loader has already run into this and reported it.
        }
    }
    return scan;
}

void Checker::scanStrayFiles(const QString& folder, const QStringList& used)
{
    const QDir dir(QDir(m_program.folder).filePath(folder));
    if (!dir.exists())
        return;
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                    QDir::Name);
    const QSet<QString> usedNames(used.begin(), used.end());
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        // Finder and Windows leave these beside pictures; they are not pictures.
        if (name.startsWith(QStringLiteral("._")) || name.compare(QStringLiteral("Thumbs.db"), Qt::CaseInsensitive) == 0)
            continue;
        const QString suffix = entry.suffix().toLower();
        const bool jpegInside = !entry.isDir() && holdsJpeg(entry.filePath());
        const bool pictureLike = suffix == QStringLiteral("jpg") || OtherPictureSuffixes.contains(suffix) || jpegInside;
        if (entry.isDir()) {
            const QDir inner(entry.filePath());
            QStringList filters;
            for (const QString& s : QStringList{QStringLiteral("jpg")} + OtherPictureSuffixes)
                filters.append(QStringLiteral("*.") + s);
            if (inner.entryList(filters, QDir::Files).isEmpty())
                continue;
            add({QStringLiteral("subfolder"),
                 Severity::Warning,
                 folder,
                 name,
                 QStringLiteral("This is a folder inside %1; the pictures in it are never looked at.").arg(folder),
                 QStringLiteral("None of its pictures is ever shown."),
                 QStringLiteral("Move the pictures you want into the %1 folder itself.").arg(folder),
                 {},
                 {}});
            continue;
        }
        if (!pictureLike || usedNames.contains(name))
            continue;
        const auto [target, free] = renamed(folder, name);
        // A new name must not take the place of a picture that is there already.
        const QString taken = free ? QString()
                                   : QStringLiteral(" There is already a %1 in %2: keep the one you want, or give this "
                                                    "one a name of its own.")
                                         .arg(target, folder);
        if (isHiddenName(name) || entry.isHidden()) {
            m_stray[folder].append(name);
            add({QStringLiteral("hidden-file"),
                 Severity::Warning,
                 folder,
                 name,
                 QStringLiteral("This file is hidden (its name starts with a full stop)."),
                 QStringLiteral("Hidden files are never listed, so this picture is never shown."),
                 free ? QStringLiteral("Rename it without the leading full stop, to %1.").arg(target) : taken.trimmed(),
                 {},
                 {}});
        } else if (suffix != QStringLiteral("jpg")) {
            m_stray[folder].append(name);
            const bool jpegAlready = jpegInside || suffix == QStringLiteral("jpeg") || suffix == QStringLiteral("jpe")
                                     || suffix == QStringLiteral("jfif");
            QString ending = QStringLiteral("this one ends in \".%1\"").arg(entry.suffix());
            if (name != name.trimmed())
                ending = QStringLiteral("this one ends in a blank");
            else if (!name.contains(u'.'))
                ending = QStringLiteral("this one has no ending at all");
            add({QStringLiteral("wrong-extension"),
                 Severity::Warning,
                 folder,
                 name,
                 QStringLiteral("Only pictures whose names end in \".jpg\" are used; %1.").arg(ending),
                 QStringLiteral("This picture is never shown."),
                 !free ? taken.trimmed()
                 : jpegAlready
                     ? QStringLiteral("It is a JPEG picture: rename it to %1.").arg(target)
                     : QStringLiteral("Save it as a JPEG picture named %1 (in a picture editor: \"Save as\", JPEG).").arg(target),
                 {},
                 {}});
        }
    }
}

void Checker::checkFolder(const FolderScan& scan)
{
    const QString& folder = scan.name;
    if (!scan.exists || !scan.readable || scan.empty()) {
        Finding finding;
        finding.severity = Severity::Error;
        finding.folder = folder;
        if (!scan.exists) {
            finding.code = QStringLiteral("folder-missing");
            finding.problem = QStringLiteral("The %1 folder is missing.").arg(folder);
            finding.fix = QStringLiteral("Create a folder named %1 (with this spelling) beside the program and put your "
                                         "pictures in it.")
                              .arg(folder);
        } else if (!scan.readable) {
            finding.code = QStringLiteral("folder-unreadable");
            finding.problem = QStringLiteral("The %1 folder cannot be read.").arg(folder);
            finding.fix = QStringLiteral("Give every user permission to read the folder (for example: chmod a+rx %1).")
                              .arg(QDir(m_program.folder).filePath(folder));
        } else {
            finding.code = QStringLiteral("folder-empty");
            finding.problem = QStringLiteral("The %1 folder holds no .jpg picture.").arg(folder);
            finding.fix = QStringLiteral("Put your pictures, saved as .jpg, into the %1 folder.").arg(folder);
        }
        const std::optional<RuntimeError> error = loadError(folder, QString(), AnswerBox);
        const QString stop = error ? stopsWith(*error) : QStringLiteral("the set stops half-way");
        if (folder == Folder::Images) {
            finding.effect = QStringLiteral("No set can be shown: when the exercise opens, %1.").arg(stop);
        } else if (folder == Folder::Symbols) {
            finding.effect = QStringLiteral("No set has a right symbol, and with %1 on %2.").arg(SymbolDistractorOption, stop);
        } else {
            finding.effect
                = QStringLiteral("No set has a right attribute, and with %1 on %2.").arg(AttributeDistractorOption, stop);
        }
        if (scan.loaderReports > 0)
            finding.effect
                += QStringLiteral(" The exercise also shows the message %1 when it opens.").arg(quoted(scan.loaderMessage));
        add(finding);
    }
    if (!scan.notListed.isEmpty()) {
        add({QStringLiteral("too-many-pictures"),
             Severity::Warning,
             folder,
             QString(),
             QStringLiteral("The %1 folder holds %2 pictures; only the first %3 (in name order) are used.")
                 .arg(folder)
                 .arg(scan.used.size() + scan.notListed.size())
                 .arg(NameTable::Last),
             QStringLiteral("%1 never shown (%2), and every time the exercise opens it shows the error message %3 %4.")
                 .arg(scan.notListed.size() == 1 ? QStringLiteral("1 picture is")
                                                 : QStringLiteral("%1 pictures are").arg(scan.notListed.size()))
                 .arg(listNames(scan.notListed, 3))
                 .arg(quoted(scan.loaderMessage))
                 .arg(scan.loaderReports == 1 ? QStringLiteral("once")
                                              : QStringLiteral("%1 times, once for each of them").arg(scan.loaderReports)),
             QStringLiteral("Keep at most %1 pictures in %2; move the others to a folder of their own and swap "
                            "them in when needed.")
                 .arg(NameTable::Last)
                 .arg(folder),
             scan.notListed,
             {}});
    }
}

void Checker::checkDuplicates(const FolderScan& scan, const std::function<QString(const QString&)>& key)
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
            add({QStringLiteral("case-duplicate"),
                 Severity::Warning,
                 scan.name,
                 name,
                 QStringLiteral("Its name differs from %1 only in capital and small letters.").arg(same),
                 answer ? QStringLiteral("Names are compared without regard to capitals, so only %1 is ever shown as "
                                         "the right answer. Copied to a memory stick or a Windows computer, one file "
                                         "would also replace the other.")
                              .arg(same)
                        : QStringLiteral("Both are shown, but copied to a memory stick or a Windows computer one file "
                                         "would replace the other."),
                 QStringLiteral("Delete one of the two, or give them different names."),
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
        } else if (!caseDuplicate && !m_rightFor.value(scan.name + u'/' + *earlier).isEmpty()) {
            add({QStringLiteral("never-right-answer"),
                 Severity::Warning,
                 scan.name,
                 name,
                 scan.name == Folder::Symbols
                     ? QStringLiteral("It has the same symbol name as %1, which comes first.").arg(*earlier)
                     : QStringLiteral("It has the same category and value as %1, which comes first.").arg(*earlier),
                 QStringLiteral("Only %1 is ever shown as the right answer (for %2); this picture only ever appears "
                                "as a distractor in other sets.")
                     .arg(*earlier, listNames(m_rightFor.value(scan.name + u'/' + *earlier), 3)),
                 QStringLiteral("Keep only the picture you want, or give this one a name of its own."),
                 {*earlier},
                 {}});
        }
    }
}

QStringList Checker::categories() const
{
    QStringList found;
    for (const QString& attribute : m_attributes.used) {
        const QString category = plainPart(attribute, 1);
        if (!category.isEmpty() && attribute.count(u'.') >= 2 && !found.contains(category, Qt::CaseInsensitive))
            found.append(category);
    }
    return found;
}

QStringList Checker::valuesOf(const QString& category) const
{
    QStringList found;
    for (const QString& attribute : m_attributes.used) {
        const QString value = plainPart(attribute, 2);
        if (plainPart(attribute, 1).compare(category, Qt::CaseInsensitive) == 0 && attribute.count(u'.') >= 2 && !value.isEmpty()
            && !found.contains(value, Qt::CaseInsensitive))
            found.append(value);
    }
    return found;
}

QString Checker::spellingHint(const QString& word, const QStringList& known, const QString& what) const
{
    QStringList near;
    for (const QString& other : known)
        if (other.compare(word, Qt::CaseInsensitive) != 0 && editDistance(other.toUpper(), word.toUpper()) <= 2)
            near.append(QStringLiteral("\"%1\"").arg(other));
    if (near.isEmpty() || word.isEmpty())
        return {};
    return QStringLiteral(" Is the %1 \"%2\" a spelling slip for %3?").arg(what, word, listNames(near, 3));
}

QString Checker::categoryHint(const QString& category) const
{
    return spellingHint(category, categories(), QStringLiteral("category"));
}

QString Checker::objectNameExample(const QString& key, const QString& category) const
{
    // A category and value that the Attributes folder has, in a name the Images folder has not.
    QList<std::pair<QString, QString>> choices;
    for (const QString& c : category.isEmpty() ? categories() : QStringList{category})
        for (const QString& v : valuesOf(c))
            choices.append({c, v});
    if (choices.isEmpty())
        choices.append({category.isEmpty() ? QStringLiteral("colour") : category, QStringLiteral("red")});
    const auto taken = [&](const QString& name) { return m_images.used.contains(name, Qt::CaseInsensitive); };
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

QString Checker::attributeNameExample(const QString& category, const QString& value) const
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

QString Checker::attributeRenameExample(const QString& attribute) const
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

// The name a picture should have to be used, and whether that name is free in its folder.
std::pair<QString, bool> Checker::renamed(const QString& folder, const QString& name) const
{
    QString base = name.trimmed();
    if (base.startsWith(u'.'))
        base = base.mid(1);
    const QString suffix = QFileInfo(base).suffix().toLower();
    if (suffix == QStringLiteral("jpg") || OtherPictureSuffixes.contains(suffix))
        base.chop(suffix.size() + 1);
    const QString target = base + QStringLiteral(".jpg");
    const QDir dir(QDir(m_program.folder).filePath(folder));
    const QStringList present = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return {target, !present.contains(target, Qt::CaseInsensitive)};
}

QString Checker::symbolHint(const QString& object)
{
    const QString key = plainPart(object, 1);
    for (const QString& stray : m_stray.value(Folder::Symbols))
        if (plainPart(stray.startsWith(u'.') ? stray.mid(1) : stray, 1).compare(key, Qt::CaseInsensitive) == 0)
            return QStringLiteral(" Symbols/%1 is there, but it is never used (see below).").arg(stray);
    QStringList near;
    for (const QString& symbol : m_symbols.used) {
        const QString other = plainPart(symbol, 1);
        if (!other.isEmpty() && editDistance(other.toUpper(), key.toUpper()) <= 2)
            near.append(symbol);
    }
    return near.isEmpty() ? QString() : QStringLiteral(" Is it a spelling slip for %1?").arg(listNames(near, 3));
}

QString Checker::attributeHint(const QString& object)
{
    const QString category = plainPart(object, 2);
    const QString value = plainPart(object, 3);
    for (const QString& stray : m_stray.value(Folder::Attributes)) {
        const QString bare = stray.startsWith(u'.') ? stray.mid(1) : stray;
        if (plainPart(bare, 1).compare(category, Qt::CaseInsensitive) == 0
            && plainPart(bare, 2).compare(value, Qt::CaseInsensitive) == 0)
            return QStringLiteral(" Attributes/%1 is there, but it is never used (see below).").arg(stray);
    }
    const QStringList values = valuesOf(category);
    if (values.isEmpty())
        return QStringLiteral(" There is no attribute of the category \"%1\" at all.%2").arg(category, categoryHint(category));
    return QStringLiteral(" The category \"%1\" has: %2.%3")
        .arg(category, listNames(values, 8), spellingHint(value, values, QStringLiteral("value")));
}

void Checker::decodeAll()
{
    QList<std::pair<QString, QFuture<std::optional<RuntimeError>>>> pending;
    QSet<QString> queued;
    const auto queue = [&](const QString& folder, const QStringList& names, QSize box) {
        for (const QString& name : names) {
            const QString key = folder + u'/' + name;
            if (m_loads.contains(key) || queued.contains(key))
                continue;
            queued.insert(key);
            pending.append({key, m_decoder.failure(mediaPath(m_program, folder, name), box)});
        }
    };
    queue(Folder::Images, m_images.used, ObjectBox);
    queue(Folder::Symbols, m_symbols.used, AnswerBox);
    queue(Folder::Attributes, m_attributes.used, AnswerBox);
    // A draw with nothing to draw from takes the empty name, the folder itself.
    queue(Folder::Symbols, {QString()}, AnswerBox);
    queue(Folder::Attributes, {QString()}, AnswerBox);
    for (auto& [key, future] : pending)
        m_loads.insert(key, future.result());
}

SetWalk Checker::walk(const SetPlan& plan, const SetOptions& options)
{
    SetWalk walk;
    SetVerdict& verdict = walk.verdict;
    verdict.options = options;
    std::optional<RuntimeError> possible;
    double possibleChance = 0;
    double survive = 1.0;
    const auto fails = [&](const RuntimeError& error) {
        verdict.outcome = Outcome::Fails;
        verdict.errorNumber = error.number();
        verdict.errorMessage = error.description();
    };
    const auto folderOf = [](Row row) { return row == Row::Symbols ? Folder::Symbols : Folder::Attributes; };

    // The steps in the set's order; the first sure failure ends the set.
    for (const PlanStep& step : plan.steps) {
        if (step.kind == PlanStep::Kind::End) {
            if (step.draw >= 0)
                walk.drawsReached.append(step.draw);
            fails(*step.error);
            return walk;
        }
        if (step.kind != PlanStep::Kind::ObjectPicture && step.kind != PlanStep::Kind::AnswerPicture)
            continue;
        const PlannedPicture& picture = plan.pictures.at(step.picture);
        if (step.draw < 0) {
            if (step.kind == PlanStep::Kind::AnswerPicture)
                (step.row == Row::Symbols ? walk.rightSymbolShown : walk.rightAttributeShown) = true;
            if (const auto error = loadError(picture.folder, picture.name, picture.box)) {
                fails(*error);
                return walk;
            }
            continue;
        }
        // A distractor: any usable name of the pool may be drawn, each as likely as the others;
        // the draw itself fails when all its attempts miss.
        walk.drawsReached.append(step.draw);
        const DistractorDraw& draw = plan.draws.at(step.draw);
        const QStringList usable = draw.usableNames();
        std::optional<RuntimeError> unreadableError;
        int unreadable = 0;
        for (const QString& name : usable) {
            if (const auto error = loadError(folderOf(draw.row), name, picture.box)) {
                ++unreadable;
                m_distractorIn[folderOf(draw.row) + u'/' + name].insert(options.index());
                if (!unreadableError)
                    unreadableError = error;
            }
        }
        if (unreadable == usable.size()) {
            fails(*unreadableError);
            return walk;
        }
        const double noneFound = draw.failureChance();
        const double badPicture = (1.0 - noneFound) * unreadable / static_cast<double>(usable.size());
        for (const auto& [chance, error] :
             {std::pair{noneFound, std::optional<RuntimeError>(noImageFound())}, std::pair{badPicture, unreadableError}}) {
            if (chance > possibleChance) {
                possibleChance = chance;
                possible = error;
            }
        }
        survive *= 1.0 - noneFound - badPicture;
    }
    if (possible) {
        verdict.outcome = Outcome::MayFail;
        verdict.errorNumber = possible->number();
        verdict.errorMessage = possible->description();
        verdict.chance = 1.0 - survive;
    }
    return walk;
}

void Checker::analyseObject(std::int16_t position)
{
    const QString object = m_module.ElencoImmagini[position];
    ObjectReport report;
    report.file = object;
    if (const auto error = loadError(Folder::Images, object, ObjectBox))
        report.pictureError = error->description();

    // Every combination of options is planned by the exercise's own planner, with this object.
    std::array<SetPlan, 8> plans;
    std::array<SetWalk, 8> walks;
    for (const SetOptions& options : SetOptions::all()) {
        m_module.ShowSymbolsDistractor = options.symbolDistractor;
        m_module.ShowAttributesDistractor = options.attributeDistractor;
        m_module.SameCategoryAttributes = options.sameCategory;
        const auto i = static_cast<std::size_t>(options.index());
        plans[i] = m_planner.planAt(position, SetPlanner::Draws::Analyse);
        walks[i] = walk(plans[i], options);
        report.sets[i] = walks[i].verdict;
    }
    const SetPlan& plain = plans[static_cast<std::size_t>(SetOptions{false, false, true}.index())];
    report.caption = plain.caption;
    // The teacher's own recording of the caption, spoken instead of the synthetic voice.
    // Listed once: a folder of a thousand pictures is not read again for each of them.
    const QString images = joinPath(m_program.folder, Folder::Images);
    if (!m_recordings)
        m_recordings = SpokenCaption::recordingsIn(images);
    const QString recording = SpokenCaption::recordingFor(images, object, *m_recordings);
    report.recording = QFileInfo(recording).fileName();
    if (!recording.isEmpty()) {
        const WaveCheck wave = WaveCheck::ofFile(recording);
        if (!wave.playable())
            add({QStringLiteral("sound-unplayable"),
                 Severity::Warning,
                 Folder::Images,
                 report.recording,
                 QStringLiteral("The recording %1 cannot be played: %2").arg(quoted(report.recording), wave.problem()),
                 QStringLiteral("With the spoken caption on, the synthetic voice speaks instead, and the first set "
                                "with this picture shows an error message."),
                 QStringLiteral("Record it again and save it as a PCM wave file (WAV, 16 bit)."),
                 {object},
                 {}});
    }
    report.symbol = plain.rightSymbol;
    report.attribute = plain.rightAttribute;
    report.reportsPerSet = plain.reportCount();
    for (const PlanStep& step : plain.steps)
        if (step.kind == PlanStep::Kind::Report && m_partMessage.isEmpty())
            m_partMessage = step.text;

    // Whether the set gets as far as showing the right answers under any combination.
    const bool symbolShown = std::ranges::any_of(walks, &SetWalk::rightSymbolShown);
    const bool attributeShown = std::ranges::any_of(walks, &SetWalk::rightAttributeShown);

    std::optional<RuntimeError> symbolError, attributeError;
    if (!report.symbol.isEmpty()) {
        m_rightFor[Folder::Symbols + u'/' + report.symbol].append(object);
        if (symbolShown) {
            if ((symbolError = loadError(Folder::Symbols, report.symbol, AnswerBox)))
                report.symbolPictureError = symbolError->description();
        }
    }
    if (!report.attribute.isEmpty()) {
        m_rightFor[Folder::Attributes + u'/' + report.attribute].append(object);
        if (attributeShown) {
            if ((attributeError = loadError(Folder::Attributes, report.attribute, AnswerBox)))
                report.attributePictureError = attributeError->description();
        }
    }

    // Findings about this picture; what an empty or missing folder causes is said once, there.
    const bool symbolsThere = !m_symbols.empty();
    const bool attributesThere = !m_attributes.empty();
    auto addHere = [&](Finding finding) {
        finding.folder = Folder::Images;
        finding.file = object;
        if (!report.problems.contains(finding.code))
            report.problems.append(finding.code);
        add(std::move(finding));
    };

    if (!report.pictureError.isEmpty()) {
        const RuntimeError error = *loadError(Folder::Images, object, ObjectBox);
        const auto [problem, fix] = unreadableWords(Folder::Images, object, error);
        addHere({QStringLiteral("picture-unreadable"),
                 Severity::Error,
                 {},
                 {},
                 problem,
                 QStringLiteral("Whenever this picture is drawn, %1.").arg(stopsWith(error)),
                 fix,
                 {},
                 {}});
    }

    // A name with too few or empty parts is one mistake with many consequences: it is told as one
    // finding with all of them, and the attribute findings it causes are not told again.
    const qsizetype parts = object.count(u'.') + 1;
    const bool emptyPart = plainPart(object, 1).isEmpty() || plainPart(object, 2).isEmpty() || plainPart(object, 3).isEmpty();
    const bool badName = parts < 4 || emptyPart;
    if (badName) {
        Finding finding{QStringLiteral("name-too-few-parts"), Severity::Error, {}, {}, {}, {}, {}, {}, {}};
        finding.effect = QStringLiteral("The caption reads %1").arg(quoted(report.caption));
        if (parts < 4) {
            finding.problem = QStringLiteral("The name has %1 before \".jpg\"; object pictures need three: "
                                             "symbol.category.value.jpg.")
                                  .arg(parts == 2 ? QStringLiteral("only one part") : QStringLiteral("only two parts"));
            finding.fix = QStringLiteral("Rename it to symbol.category.value.jpg, for example %1.")
                              .arg(objectNameExample(plainPart(object, 1), parts == 3 ? plainPart(object, 2) : QString()));
        } else {
            finding.code = QStringLiteral("name-empty-part");
            finding.problem = QStringLiteral("The name has an empty part (two full stops in a row).");
            finding.fix = QStringLiteral("Rename it to symbol.category.value.jpg with one full stop between the parts.");
        }
        if (parts == 3) {
            finding.effect += QStringLiteral(" (the extension is taken for the value), and only an attribute named "
                                             "%1.jpg would match.")
                                  .arg(plainPart(object, 2));
        } else if (parts == 2) {
            finding.effect += QStringLiteral(". The exercise shows two error messages %1 each time it reads the "
                                             "missing third part: %2 every time this picture comes up, "
                                             "and more with %3 on.")
                                  .arg(quoted(m_partMessage))
                                  .arg(plural(report.reportsPerSet, QStringLiteral("message")))
                                  .arg(AttributeDistractorOption);
        } else {
            finding.effect += QStringLiteral("; an empty part matches no symbol or attribute.");
        }
        if (report.attribute.isEmpty() && attributesThere)
            finding.effect += QStringLiteral(" The attribute row has no right answer.");
        const QString failures = failureSummary(report);
        if (!failures.isEmpty())
            finding.effect += u' ' + failures;
        addHere(finding);
    }

    if (report.symbol.isEmpty() && symbolsThere) {
        addHere({QStringLiteral("no-symbol"),
                 Severity::Error,
                 {},
                 {},
                 QStringLiteral("There is no symbol picture for \"%1\".").arg(plainPart(object, 1)),
                 QStringLiteral("The symbol row has no right answer: with %1 off it stays blank, with it on only a wrong "
                                "symbol is shown. With \"Use sequence\" on, the attribute row never appears, so the "
                                "learner can only leave the set with \"Change set\".")
                     .arg(SymbolDistractorOption),
                 QStringLiteral("Add a symbol picture named %1.jpg to the Symbols folder (the first part of this "
                                "picture's name).%2")
                     .arg(plainPart(object, 1), symbolHint(object)),
                 {},
                 {}});
    }
    if (symbolError) {
        addHere({QStringLiteral("symbol-unreadable"),
                 Severity::Error,
                 {},
                 {},
                 QStringLiteral("Its symbol %1 cannot be loaded.").arg(report.symbol),
                 QStringLiteral("Whenever this picture is drawn, %1.").arg(stopsWith(*symbolError)),
                 QStringLiteral("Replace Symbols/%1 (see below).").arg(report.symbol),
                 {report.symbol},
                 {}});
    }

    // The distractor draws, told only where a set gets to them.
    for (const Row row : {Row::Symbols, Row::Attributes}) {
        if (!(row == Row::Symbols ? symbolsThere : attributesThere) || (row == Row::Attributes && badName))
            continue;
        for (const bool sameCategory : {true, false}) {
            if (row == Row::Symbols && !sameCategory)
                continue;
            // Per way the draw can go wrong: the combinations it happens in and the draw itself.
            QSet<int> never, unreadableOnly, byChance;
            const DistractorDraw* seen = nullptr;
            double chance = 0;
            for (std::size_t i = 0; i < plans.size(); ++i) {
                const SetOptions options = SetOptions::all()[i];
                if (row == Row::Attributes && options.sameCategory != sameCategory)
                    continue;
                for (const int index : walks[i].drawsReached) {
                    const DistractorDraw& draw = plans[i].draws.at(index);
                    if (draw.row != row)
                        continue;
                    seen = &draw;
                    const int usable = draw.usableCount();
                    const QString folder = row == Row::Symbols ? Folder::Symbols : Folder::Attributes;
                    const QStringList names = draw.usableNames();
                    const bool allUnreadable = usable > 0 && std::all_of(names.begin(), names.end(), [&](const QString& n) {
                                                   return loadError(folder, n, AnswerBox).has_value();
                                               });
                    if (usable == 0)
                        never.insert(static_cast<int>(i));
                    else if (allUnreadable)
                        unreadableOnly.insert(static_cast<int>(i));
                    else if (draw.failureChance() > 0) {
                        byChance.insert(static_cast<int>(i));
                        chance = draw.failureChance();
                    }
                }
            }
            if (!seen)
                continue;
            const bool symbols = row == Row::Symbols;
            const QString option = symbols ? SymbolDistractorOption : AttributeDistractorOption;
            const QString category = plainPart(object, 2);
            const QString value = plainPart(object, 3);
            for (const QSet<int>* combos : {&never, &unreadableOnly, &byChance}) {
                if (combos->isEmpty())
                    continue;
                Finding finding{symbols ? QStringLiteral("no-symbol-distractor") : QStringLiteral("no-attribute-distractor"),
                                Severity::Error,
                                {},
                                {},
                                {},
                                {},
                                {},
                                {},
                                {}};
                finding.when = exactCondition(*combos).value_or(
                    Condition{std::nullopt, !symbols ? std::optional<bool>(true) : std::nullopt,
                              !symbols ? std::optional<bool>(sameCategory) : std::nullopt});
                if (symbols)
                    finding.when.symbolDistractor = true;
                const QString when = describe(finding.when);
                if (combos == &unreadableOnly && !(seen->emptyPool && sameCategory && !symbols)) {
                    finding.code = QStringLiteral("distractor-unreadable");
                    const QStringList names = seen->usableNames();
                    finding.problem = QStringLiteral("No %1 that could be shown as the wrong choice can be loaded (%2).")
                                          .arg(symbols ? QStringLiteral("symbol") : QStringLiteral("attribute"),
                                               listNames(names, 3));
                    finding.fix = QStringLiteral("Replace the pictures that cannot be loaded (see below).");
                    finding.related = names;
                    finding.effect = QStringLiteral("%1, the set stops half-way with the error of the picture drawn.").arg(when);
                    addHere(finding);
                    continue;
                }
                if (combos == &byChance) {
                    finding.severity = Severity::Warning;
                    finding.problem = QStringLiteral("Of the %1 that the wrong choice is drawn from, only %2 can serve.")
                                          .arg(plural(seen->pool.size(),
                                                      symbols ? QStringLiteral("symbol") : QStringLiteral("attribute")))
                                          .arg(seen->usableCount());
                    finding.effect = QStringLiteral("%1, the exercise gives up after %2 draws that miss, so the set can "
                                                    "stop half-way with error 550 %3 (%4).")
                                         .arg(when)
                                         .arg(SetPlanner::MaxAttempts)
                                         .arg(quoted(noImageFound().description()), onceIn(chance));
                    finding.fix = symbols ? QStringLiteral("Add symbol pictures for other objects.")
                                          : QStringLiteral("Add attributes with other values%1.")
                                                .arg(sameCategory ? QStringLiteral(" to the category \"%1\"").arg(category)
                                                                  : QString());
                    addHere(finding);
                    continue;
                }
                finding.effect = QStringLiteral("%1, %2.").arg(when, stopsWith(noImageFound()));
                if (symbols) {
                    finding.problem = QStringLiteral("There is no symbol with another name to show as the wrong choice: "
                                                     "every symbol picture is a \"%1\".")
                                          .arg(plainPart(object, 1));
                    finding.fix
                        = QStringLiteral("Add symbol pictures for other objects, or turn off %1.").arg(SymbolDistractorOption);
                } else if (sameCategory && seen->emptyPool) {
                    finding.code = QStringLiteral("category-without-attributes");
                    finding.problem = QStringLiteral("There is no attribute of the category \"%1\" at all.").arg(category);
                    // The draw then takes the empty name and loads the Attributes folder itself.
                    if (const auto error = loadError(Folder::Attributes, QString(), AnswerBox))
                        finding.effect = QStringLiteral("%1, %2 (the exercise tries to load the Attributes folder "
                                                        "itself as a picture).")
                                             .arg(when, stopsWith(*error));
                    finding.fix = QStringLiteral("Add attribute pictures %1.VALUE.jpg for at least two values, or choose %2.%3")
                                      .arg(category, FullRandomOption, categoryHint(category));
                } else if (sameCategory) {
                    finding.problem = QStringLiteral("The category \"%1\" has no other value than \"%2\" to show as the "
                                                     "wrong choice.")
                                          .arg(category, value);
                    finding.fix = QStringLiteral("Add another attribute of this category (for example %1), or choose %2.")
                                      .arg(attributeNameExample(category, value), FullRandomOption);
                } else {
                    finding.problem = QStringLiteral("Every attribute carries the value \"%1\", so there is none to show "
                                                     "as the wrong choice.")
                                          .arg(value);
                    finding.fix
                        = QStringLiteral("Add an attribute with another value, or turn off %1.").arg(AttributeDistractorOption);
                }
                addHere(finding);
            }
        }
        if (row == Row::Symbols) {
            if (report.attribute.isEmpty() && attributesThere && !badName) {
                addHere({QStringLiteral("no-attribute"),
                         Severity::Error,
                         {},
                         {},
                         QStringLiteral("There is no attribute picture for \"%1\" \"%2\".")
                             .arg(plainPart(object, 2), plainPart(object, 3)),
                         QStringLiteral("The attribute row has no right answer (with %1 on only a wrong one is shown). With "
                                        "\"Use sequence\" on, the learner cannot finish the set: only \"Change set\" leaves it.")
                             .arg(AttributeDistractorOption),
                         QStringLiteral("Add an attribute picture named %1.%2.jpg to the Attributes folder, or rename this "
                                        "picture after an attribute that exists.%3")
                             .arg(plainPart(object, 2), plainPart(object, 3), attributeHint(object)),
                         {},
                         {}});
            }
            if (attributeError) {
                addHere({QStringLiteral("attribute-unreadable"),
                         Severity::Error,
                         {},
                         {},
                         QStringLiteral("Its attribute %1 cannot be loaded.").arg(report.attribute),
                         QStringLiteral("Whenever this picture is drawn, %1.").arg(stopsWith(*attributeError)),
                         QStringLiteral("Replace Attributes/%1 (see below).").arg(report.attribute),
                         {report.attribute},
                         {}});
            }
        }
    }
    m_result.objects.append(report);
}

void Checker::checkAnswerPictures(const QString& folder, const QStringList& names)
{
    for (const QString& name : names) {
        if (name.isEmpty())
            continue;
        const std::optional<RuntimeError> error = loadError(folder, name, AnswerBox);
        if (!error)
            continue;
        const QString key = folder + u'/' + name;
        const QStringList rightFor = m_rightFor.value(key);
        const QSet<int> combos = m_distractorIn.value(key);
        QStringList effects;
        if (!rightFor.isEmpty())
            effects.append(QStringLiteral("Every set with %1 %2.").arg(listNames(rightFor, 3), stopsWith(*error)));
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
            effects.append(QStringLiteral("%1, other sets stop the same way whenever this picture is drawn as the "
                                          "wrong choice.")
                               .arg(describe(when)));
        }
        if (effects.isEmpty())
            effects.append(QStringLiteral("It is not used in any set at the moment, but would stop any set it is shown in."));
        const auto [problem, fix] = unreadableWords(folder, name, *error);
        add({QStringLiteral("picture-unreadable"),
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

std::pair<QString, QString> Checker::unreadableWords(const QString& folder, const QString& name, const RuntimeError& error) const
{
    if (QFileInfo(mediaPath(m_program, folder, name)).size() == 0)
        return {QStringLiteral("This file is empty."), QStringLiteral("Copy the picture again; the copy went wrong.")};
    const QString problem = QStringLiteral("This picture cannot be loaded (%1).").arg(error.description());
    if (error.description().contains(QStringLiteral("too large")))
        return {problem, QStringLiteral("Make the picture smaller (a few thousand pixels across is plenty).")};
    return {problem, QStringLiteral("Open it in a picture editor and save it again as JPEG, or replace it.")};
}

void Checker::scanSounds()
{
    const QString folder = Folder::Sounds;
    const QFileInfo info(QDir(m_program.folder).filePath(folder));
    if (!info.isDir()) {
        add({QStringLiteral("folder-missing"),
             Severity::Warning,
             folder,
             {},
             QStringLiteral("The Sounds folder is missing."),
             QStringLiteral("No feedback sound can be chosen: both sound lists offer only \"*** NO SOUND ***\"."),
             QStringLiteral("Create a folder named Sounds beside the program with the wave files ok.wav and error.wav."),
             {},
             {}});
        return;
    }
    QStringList sounds;
    try {
        for (QString name = m_listing.first(mediaPath(m_program, folder, QStringLiteral("*.wav"))); !name.isEmpty();
             name = m_listing.next())
            sounds.append(name);
    } catch (const RuntimeError& error) {
        add({QStringLiteral("folder-unreadable"),
             Severity::Warning,
             folder,
             {},
             QStringLiteral("The Sounds folder cannot be read (%1).").arg(error.description()),
             QStringLiteral("No feedback sound can be chosen."),
             QStringLiteral("Give every user permission to read the folder."),
             {},
             {}});
        return;
    }
    m_result.sounds = static_cast<int>(sounds.size());
    // The sound lists start on these two names (any letter case) until the teacher picks others.
    const std::array<std::pair<QString, QString>, 2> defaults{
        std::pair{QStringLiteral("ok.wav"), QStringLiteral("right-answer")},
        std::pair{QStringLiteral("error.wav"), QStringLiteral("wrong-answer")}};
    for (const QString& name : sounds) {
        const WaveCheck wave = WaveCheck::ofFile(mediaPath(m_program, folder, name));
        if (!wave.playable())
            add({QStringLiteral("sound-unplayable"),
                 Severity::Warning,
                 folder,
                 name,
                 QStringLiteral("%1 cannot be played: %2").arg(quoted(name), wave.problem()),
                 QStringLiteral("Chosen as a feedback sound, it is not heard, and the learner gets no answer."),
                 QStringLiteral("Save it again as a PCM wave file (WAV, 16 bit), or choose another sound."),
                 {},
                 {}});
    }
    for (const auto& [name, role] : defaults) {
        const bool there = std::any_of(sounds.begin(), sounds.end(),
                                       [&](const QString& s) { return s.toUpper() == name.toUpper(); });
        if (there)
            continue;
        add({QStringLiteral("sound-missing"),
             Severity::Warning,
             folder,
             name,
             QStringLiteral("There is no %1 in the Sounds folder.").arg(name),
             QStringLiteral("On a first start (or when the chosen sound has gone) no %1 sound is chosen, so a %1 "
                            "click is silent.")
                 .arg(role),
             QStringLiteral("Add a wave file named %1, or choose another sound in the options window.").arg(name),
             {},
             {}});
    }
}

CheckResult Checker::run()
{
    m_result.folder = QDir::cleanPath(QFileInfo(m_program.folder).absoluteFilePath());
    const QFileInfo info(m_program.folder);
    m_result.readable = info.isDir() && info.isReadable() && info.isExecutable();
    if (!m_result.readable) {
        add({QStringLiteral("program-folder-unreadable"),
             Severity::Error,
             {},
             {},
             info.exists() ? QStringLiteral("The folder %1 cannot be read.").arg(m_result.folder)
                           : QStringLiteral("There is no folder %1.").arg(m_result.folder),
             QStringLiteral("Nothing can be checked."),
             QStringLiteral("Give the folder that holds the program and its Images, Symbols, Attributes and Sounds folders."),
             {},
             {}});
        return m_result;
    }

    // The exercise loads the lists in this order, with these loaders.
    m_images = scanPictures(Folder::Images, &CaricaImmagini, m_module.ElencoImmagini, m_module.NumImmagini);
    m_symbols = scanPictures(Folder::Symbols, &CaricaSimboli, m_module.ElencoSimboli, m_module.NumSimboli);
    m_attributes = scanPictures(Folder::Attributes, &CaricaAttributi, m_module.ElencoAttributi, m_module.NumAttributi);
    for (const FolderScan* scan : {&m_images, &m_symbols, &m_attributes}) {
        checkFolder(*scan);
        scanStrayFiles(scan->name, scan->used);
    }
    m_result.images = m_images.empty() ? 0 : static_cast<int>(m_images.used.size());
    m_result.symbols = m_symbols.empty() ? 0 : static_cast<int>(m_symbols.used.size());
    m_result.attributes = m_attributes.empty() ? 0 : static_cast<int>(m_attributes.used.size());

    decodeAll();
    if (!m_images.empty())
        for (std::int16_t position = 1; position <= m_module.NumImmagini; ++position)
            analyseObject(position);

    checkDuplicates(m_images, {});
    checkDuplicates(m_symbols, [this](const QString& name) { return m_rules.upperPart(name, 1); });
    checkDuplicates(m_attributes,
                    [this](const QString& name) { return m_rules.upperPart(name, 1) + u'.' + m_rules.upperPart(name, 2); });
    m_messageBox.shown.clear();
    for (const QString& attribute : std::as_const(m_attributes.used)) {
        // "colour.jpg" may be meant: a picture named like "pen.colour.jpg" goes with it.
        if (attribute.isEmpty() || attribute.count(u'.') >= 2
            || !m_rightFor.value(Folder::Attributes + u'/' + attribute).isEmpty())
            continue;
        add({QStringLiteral("name-too-few-parts"),
             Severity::Warning,
             Folder::Attributes,
             attribute,
             QStringLiteral("The name has only one part before \".jpg\"; attribute pictures need two: category.value.jpg."),
             QStringLiteral("It is read as the category \"%1\" with the value \"jpg\", so it is the right answer of no "
                            "picture.")
                 .arg(plainPart(attribute, 1)),
             QStringLiteral("Rename it to category.value.jpg, for example %1.").arg(attributeRenameExample(attribute)),
             {},
             {}});
    }
    checkAnswerPictures(Folder::Symbols, m_symbols.used);
    checkAnswerPictures(Folder::Attributes, m_attributes.used);
    scanSounds();
    return m_result;
}

} // namespace

std::array<SetOptions, 8> SetOptions::all()
{
    std::array<SetOptions, 8> options;
    for (int i = 0; i < 8; ++i)
        options[static_cast<std::size_t>(i)] = {(i & 4) != 0, (i & 2) != 0, (i & 1) != 0};
    return options;
}

bool ObjectReport::worksEverywhere() const
{
    return std::all_of(sets.begin(), sets.end(), [](const SetVerdict& v) { return v.outcome == Outcome::Works; });
}

int CheckResult::exitCode() const
{
    if (!readable)
        return 2;
    return findings.isEmpty() ? 0 : 1;
}

QList<Finding> CheckResult::findingsFor(const QString& folder, const QString& file) const
{
    QList<Finding> found;
    for (const Finding& finding : findings)
        if (finding.folder == folder && finding.file == file)
            found.append(finding);
    return found;
}

CheckResult checkProgramFolder(const QString& folder) { return Checker(folder).run(); }

QString outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Works:
        return QStringLiteral("works");
    case Outcome::MayFail:
        return QStringLiteral("may-fail");
    case Outcome::Fails:
        return QStringLiteral("fails");
    }
    return {};
}

QString severityName(Severity severity)
{
    return severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

QString describe(const Condition& condition)
{
    if (condition.always())
        return QStringLiteral("Always");
    QStringList parts;
    if (condition.symbolDistractor)
        parts.append(QStringLiteral("%1 %2").arg(SymbolDistractorOption, *condition.symbolDistractor ? "on" : "off"));
    if (condition.attributeDistractor)
        parts.append(QStringLiteral("%1 %2").arg(AttributeDistractorOption, *condition.attributeDistractor ? "on" : "off"));
    if (condition.sameCategory)
        parts.append(*condition.sameCategory ? SameCategoryOption : FullRandomOption);
    return QStringLiteral("With ") + parts.join(QStringLiteral(" and "));
}

namespace {

// Wraps a paragraph at `width` columns; it starts after a label as wide as `indent`, and every
// further line is indented by it.
QString wrap(const QString& text, int width, const QString& indent)
{
    QString out;
    const int start = static_cast<int>(indent.size());
    int column = start;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (column > start && column + 1 + word.size() > width) {
            out += u'\n' + indent;
            column = start;
        } else if (column > start) {
            out += u' ';
            ++column;
        }
        out += word;
        column += static_cast<int>(word.size());
    }
    return out;
}

} // namespace

QString toText(const CheckResult& result)
{
    constexpr int Width = 100;
    QString out;
    out += QStringLiteral("Tessarine picture check of %1\n").arg(result.folder);
    if (!result.readable) {
        for (const Finding& finding : result.findings)
            out += finding.problem + u' ' + finding.fix + u'\n';
        return out;
    }
    out += QStringLiteral("Images: %1, Symbols: %2, Attributes: %3, Sounds: %4\n")
               .arg(plural(result.images, QStringLiteral("object picture")))
               .arg(result.symbols)
               .arg(result.attributes)
               .arg(result.sounds);

    // Grouped per file, in the order the folders are used.
    QList<QPair<QString, QString>> files;
    for (const Finding& finding : result.findings) {
        const QPair<QString, QString> file{finding.folder, finding.file};
        if (!files.contains(file))
            files.append(file);
    }
    const QStringList order{QString(), Folder::Images, Folder::Symbols, Folder::Attributes, Folder::Sounds};
    std::stable_sort(files.begin(), files.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first)
            return order.indexOf(a.first) < order.indexOf(b.first);
        return a.second.isEmpty() && !b.second.isEmpty();
    });
    int errors = 0, warnings = 0;
    for (const auto& [folder, file] : files) {
        out += u'\n';
        out += file.isEmpty() ? (folder.isEmpty() ? QStringLiteral("Program folder") : QStringLiteral("%1 folder").arg(folder))
                              : folder + u'/' + file;
        out += u'\n';
        for (const Finding& finding : result.findingsFor(folder, file)) {
            (finding.severity == Severity::Error ? errors : warnings)++;
            const QString label = finding.severity == Severity::Error ? QStringLiteral("PROBLEM") : QStringLiteral("WARNING");
            // The options a finding depends on are named in its effect.
            out += QStringLiteral("  %1: ").arg(label) + wrap(finding.problem, Width, QString(11, u' ')) + u'\n';
            out += QStringLiteral("    What happens: ") + wrap(finding.effect, Width, QString(18, u' ')) + u'\n';
            out += QStringLiteral("    How to fix:   ") + wrap(finding.fix, Width, QString(18, u' ')) + u'\n';
        }
    }

    const auto working = std::count_if(result.objects.begin(), result.objects.end(),
                                       [](const ObjectReport& o) { return o.worksEverywhere() && o.problems.isEmpty(); });
    out += u'\n';
    if (result.findings.isEmpty()) {
        out += result.objects.size() == 1
                   ? QStringLiteral("The one set works with every option. Nothing to fix.\n")
                   : QStringLiteral("All %1 sets work with every option. Nothing to fix.\n").arg(result.objects.size());
    } else {
        out += QStringLiteral("%1 and %2 in %3. %4 of %5 work with every option and need nothing.\n")
                   .arg(plural(errors, QStringLiteral("problem")), plural(warnings, QStringLiteral("warning")),
                        plural(files.size(), QStringLiteral("file or folder"), QStringLiteral("files or folders")))
                   .arg(working)
                   .arg(plural(result.objects.size(), QStringLiteral("object picture")));
    }
    return out;
}

QByteArray toJson(const CheckResult& result)
{
    auto nullable = [](const QString& text) { return text.isEmpty() ? QJsonValue() : QJsonValue(text); };
    QJsonObject root;
    root.insert(QStringLiteral("schema"), QStringLiteral("tessarine-check/1"));
    root.insert(QStringLiteral("folder"), result.folder);
    root.insert(QStringLiteral("readable"), result.readable);
    root.insert(QStringLiteral("exitCode"), result.exitCode());
    root.insert(QStringLiteral("counts"), QJsonObject{{QStringLiteral("images"), result.images},
                                                      {QStringLiteral("symbols"), result.symbols},
                                                      {QStringLiteral("attributes"), result.attributes},
                                                      {QStringLiteral("sounds"), result.sounds}});
    QJsonArray findings;
    for (const Finding& finding : result.findings) {
        QJsonObject when;
        if (finding.when.symbolDistractor)
            when.insert(QStringLiteral("symbolDistractor"), *finding.when.symbolDistractor);
        if (finding.when.attributeDistractor)
            when.insert(QStringLiteral("attributeDistractor"), *finding.when.attributeDistractor);
        if (finding.when.sameCategory)
            when.insert(QStringLiteral("sameCategory"), *finding.when.sameCategory);
        findings.append(QJsonObject{{QStringLiteral("code"), finding.code},
                                    {QStringLiteral("severity"), severityName(finding.severity)},
                                    {QStringLiteral("folder"), nullable(finding.folder)},
                                    {QStringLiteral("file"), nullable(finding.file)},
                                    {QStringLiteral("problem"), finding.problem},
                                    {QStringLiteral("effect"), finding.effect},
                                    {QStringLiteral("fix"), finding.fix},
                                    {QStringLiteral("related"), QJsonArray::fromStringList(finding.related)},
                                    {QStringLiteral("when"), when}});
    }
    root.insert(QStringLiteral("findings"), findings);
    QJsonArray objects;
    for (const ObjectReport& object : result.objects) {
        QJsonArray sets;
        for (const SetVerdict& set : object.sets) {
            QJsonObject entry{{QStringLiteral("symbolDistractor"), set.options.symbolDistractor},
                              {QStringLiteral("attributeDistractor"), set.options.attributeDistractor},
                              {QStringLiteral("sameCategory"), set.options.sameCategory},
                              {QStringLiteral("result"), outcomeName(set.outcome)}};
            if (set.outcome != Outcome::Works)
                entry.insert(QStringLiteral("error"), QJsonObject{{QStringLiteral("number"), set.errorNumber},
                                                                  {QStringLiteral("message"), set.errorMessage}});
            if (set.outcome == Outcome::MayFail)
                entry.insert(QStringLiteral("chance"), set.chance);
            sets.append(entry);
        }
        objects.append(QJsonObject{{QStringLiteral("file"), object.file},
                                   {QStringLiteral("caption"), object.caption},
                                   {QStringLiteral("symbol"), nullable(object.symbol)},
                                   {QStringLiteral("attribute"), nullable(object.attribute)},
                                   {QStringLiteral("loads"), object.pictureError.isEmpty()},
                                   {QStringLiteral("recording"), nullable(object.recording)},
                                   {QStringLiteral("reportsPerSet"), object.reportsPerSet},
                                   {QStringLiteral("problems"), QJsonArray::fromStringList(object.problems)},
                                   {QStringLiteral("sets"), sets}});
    }
    root.insert(QStringLiteral("objects"), objects);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace tessarine::check
