#include "check/MediaChecker.h"

#include "core/ErrorGuard.h"
#include "core/MessageBox.h"
#include "core/Module1.h"
#include "exercise/MatchingRules.h"
#include "media/MediaCatalogue.h"
#include "platform/DirectoryListing.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramInfo.h"
#include "platform/RandomSource.h"

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

// The sizes the exercise decodes its pictures at; loadability does not depend on them, but the
// check should do what the exercise does.
const QSize ObjectBox(600, 300);
const QSize AnswerBox(201, 201);

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

// A distractor draw as the composer makes it: positions drawn from a pool until a usable name
// comes up, which is then loaded.
struct DrawResult {
    Outcome outcome = Outcome::Works;
    std::optional<RuntimeError> error;
    bool noneUsable = false;   // error 550 after 10000 attempts
    bool emptyPool = false;    // the pool had no names at all: the draw takes the empty name
    QStringList unreadable;    // usable names whose picture cannot be loaded
    int reportsPerAttempt = 0; // the fewest error messages one attempt costs
};

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
                    if (covered == group && constraints < bestConstraints) {
                        best = Condition{sd, ad, sc};
                        bestConstraints = constraints;
                    }
                }
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
                             .arg(when,
                                  verdict.outcome == Outcome::Fails ? QStringLiteral("stops half-way")
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
    QStringList used;        // the names the exercise's list holds (position 1 upwards)
    QStringList notListed;   // names the listing returned beyond the list's end
    int loaderReports = 0;   // message boxes the loader showed
    QString loaderMessage;   // the first of them
    bool empty() const { return used.size() == 1 && used.first().isEmpty(); }
};

class Checker {
public:
    explicit Checker(const QString& folder)
        : m_program(ProgramInfo::withFolder(folder))
        , m_module(m_messageBox, m_random)
        , m_rules(m_module)
    {
    }

    CheckResult run();

private:
    // Runs `body` and tells how many error messages the exercise would have shown meanwhile.
    template <typename Body>
    int reportsDuring(Body&& body)
    {
        const qsizetype before = m_messageBox.shown.size();
        body();
        const int count = static_cast<int>(m_messageBox.shown.size() - before);
        if (count > 0 && m_partMessage.isEmpty())
            m_partMessage = m_messageBox.shown.at(before);
        // Thousands of objects with a missing part would otherwise pile up messages.
        m_messageBox.shown.clear();
        return count;
    }

    std::optional<RuntimeError> loadError(const QString& folder, const QString& name, QSize box);
    FolderScan scanPictures(const QString& folder, void (*loader)(Module1&, IDirectoryListing&, const ProgramInfo&),
                            const NameTable& table,
                            const std::int16_t& count);
    void scanStrayFiles(const QString& folder, const QStringList& used);
    void scanSounds();
    void checkFolder(const FolderScan& scan);
    void checkDuplicates(const FolderScan& scan, const std::function<QString(const QString&)>& key);
    void analyseObject(const QString& object);
    DrawResult draw(const QString& folder, const QStringList& pool, const std::function<bool(const QString&)>& usable);
    void checkAnswerPictures(const QString& folder, const QStringList& names);
    // What is wrong with a picture that cannot be loaded, and how to mend it, in plain words.
    std::pair<QString, QString> unreadableWords(const QString& folder, const QString& name, const RuntimeError& error) const;
    QString symbolHint(const QString& object);
    QString attributeHint(const QString& object);
    void add(Finding finding) { m_result.findings.append(std::move(finding)); }

    ProgramInfo m_program;
    CollectedReports m_messageBox;
    QtDirectoryListing m_listing;
    QtPictureLoader m_pictures;
    ClockRandomSource m_random;
    Module1 m_module;
    MatchingRules m_rules;

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

FolderScan Checker::scanPictures(const QString& folder,
                                 void (*loader)(Module1&, IDirectoryListing&, const ProgramInfo&), const NameTable& table,
                                 const std::int16_t& count)
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
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    const QSet<QString> usedNames(used.begin(), used.end());
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        // Finder and Windows leave these beside pictures; they are not pictures.
        if (name.startsWith(QStringLiteral("._")) || name.compare(QStringLiteral("Thumbs.db"), Qt::CaseInsensitive) == 0)
            continue;
        const QString suffix = entry.suffix().toLower();
        const bool pictureLike = suffix == QStringLiteral("jpg") || OtherPictureSuffixes.contains(suffix);
        if (entry.isDir()) {
            const QDir inner(entry.filePath());
            QStringList filters;
            for (const QString& s : QStringList{QStringLiteral("jpg")} + OtherPictureSuffixes)
                filters.append(QStringLiteral("*.") + s);
            if (inner.entryList(filters, QDir::Files).isEmpty())
                continue;
            add({QStringLiteral("subfolder"), Severity::Warning, folder, name,
                 QStringLiteral("This is a folder inside %1; the pictures in it are never looked at.").arg(folder),
                 QStringLiteral("None of its pictures is ever shown."),
                 QStringLiteral("Move the pictures you want into the %1 folder itself.").arg(folder),
                 {},
                 {}});
            continue;
        }
        if (!pictureLike || usedNames.contains(name))
            continue;
        if (isHiddenName(name) || entry.isHidden()) {
            m_stray[folder].append(name);
            add({QStringLiteral("hidden-file"), Severity::Warning, folder, name,
                 QStringLiteral("This file is hidden (its name starts with a full stop)."),
                 QStringLiteral("Hidden files are never listed, so this picture is never shown."),
                 QStringLiteral("Rename it without the leading full stop, for example %1.").arg(name.mid(1)),
                 {},
                 {}});
        } else if (suffix != QStringLiteral("jpg")) {
            m_stray[folder].append(name);
            const QString renamed = entry.completeBaseName() + QStringLiteral(".jpg");
            const bool jpegAlready = suffix == QStringLiteral("jpeg") || suffix == QStringLiteral("jpe") || suffix == QStringLiteral("jfif");
            add({QStringLiteral("wrong-extension"), Severity::Warning, folder, name,
                 QStringLiteral("Only pictures whose names end in \".jpg\" are used; this one ends in \".%1\".").arg(entry.suffix()),
                 QStringLiteral("This picture is never shown."),
                 jpegAlready ? QStringLiteral("Rename it to %1.").arg(renamed)
                             : QStringLiteral("Save it as a JPEG picture named %1 (in a picture editor: \"Save as\", JPEG).").arg(renamed),
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
            finding.effect = QStringLiteral("No set has a right attribute, and with %1 on %2.").arg(AttributeDistractorOption, stop);
        }
        if (scan.loaderReports > 0)
            finding.effect += QStringLiteral(" The exercise also shows the message %1 when it opens.").arg(quoted(scan.loaderMessage));
        add(finding);
    }
    if (!scan.notListed.isEmpty()) {
        add({QStringLiteral("too-many-pictures"), Severity::Warning, folder, QString(),
             QStringLiteral("The %1 folder holds %2 pictures; only the first %3 (in name order) are used.")
                 .arg(folder)
                 .arg(scan.used.size() + scan.notListed.size())
                 .arg(NameTable::Last),
             QStringLiteral("%1 pictures are never shown (%2), and every time the exercise opens it shows the error "
                            "message %4 once for each of them (%3 in all).")
                 .arg(scan.notListed.size())
                 .arg(listNames(scan.notListed, 3))
                 .arg(scan.loaderReports)
                 .arg(quoted(scan.loaderMessage)),
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
            add({QStringLiteral("case-duplicate"), Severity::Warning, scan.name, name,
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
            add({QStringLiteral("never-right-answer"), Severity::Warning, scan.name, name,
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

DrawResult Checker::draw(const QString& folder, const QStringList& pool, const std::function<bool(const QString&)>& usable)
{
    DrawResult result;
    // With no name to draw from, the composer's draw still takes position 1, which is empty.
    const QStringList names = pool.isEmpty() ? QStringList{QString()} : pool;
    result.emptyPool = pool.isEmpty();
    QStringList good;
    result.reportsPerAttempt = -1;
    for (const QString& name : names) {
        bool ok = false;
        const int reports = reportsDuring([&] { ok = usable(name); });
        if (result.reportsPerAttempt < 0 || reports < result.reportsPerAttempt)
            result.reportsPerAttempt = reports;
        if (!ok)
            continue;
        if (const auto error = loadError(folder, name, AnswerBox)) {
            if (!result.error)
                result.error = error;
            result.unreadable.append(name);
        } else {
            good.append(name);
        }
    }
    if (good.isEmpty() && result.unreadable.isEmpty()) {
        result.noneUsable = true;
        result.outcome = Outcome::Fails;
        result.error = noImageFound();
    } else if (good.isEmpty()) {
        result.outcome = Outcome::Fails;
    } else if (!result.unreadable.isEmpty()) {
        result.outcome = Outcome::MayFail;
    }
    return result;
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
    QStringList values;
    for (const QString& attribute : m_attributes.used)
        if (plainPart(attribute, 1).compare(category, Qt::CaseInsensitive) == 0)
            values.append(plainPart(attribute, 2));
    if (values.isEmpty())
        return QStringLiteral(" There is no attribute of the category \"%1\" at all.").arg(category);
    return QStringLiteral(" The category \"%1\" has: %2.").arg(category, listNames(values, 8));
}

void Checker::analyseObject(const QString& object)
{
    ObjectReport report;
    report.file = object;
    const std::optional<RuntimeError> pictureError = loadError(Folder::Images, object, ObjectBox);
    if (pictureError)
        report.pictureError = pictureError->description();

    // Every part is read through the exercise's own rules, so missing parts cost the same
    // messages here as there.
    QString key, value;
    const int captionReports = reportsDuring([&] {
        key = m_rules.upperPart(object, 1);
        value = m_rules.upperPart(object, 3);
    });
    report.caption = key + u' ' + value;

    int symbolSearchReports = reportsDuring([&] {
        for (const QString& symbol : m_symbols.used) {
            if (m_rules.symbolMatches(symbol, object)) {
                report.symbol = symbol;
                break;
            }
        }
    });
    int attributeSearchReports = reportsDuring([&] {
        for (const QString& attribute : m_attributes.used) {
            if (m_rules.attributeMatches(attribute, object)) {
                report.attribute = attribute;
                break;
            }
        }
    });
    std::optional<RuntimeError> symbolError, attributeError;
    if (!report.symbol.isEmpty()) {
        m_rightFor[Folder::Symbols + u'/' + report.symbol].append(object);
        if ((symbolError = loadError(Folder::Symbols, report.symbol, AnswerBox)))
            report.symbolPictureError = symbolError->description();
    }
    if (!report.attribute.isEmpty()) {
        m_rightFor[Folder::Attributes + u'/' + report.attribute].append(object);
        if ((attributeError = loadError(Folder::Attributes, report.attribute, AnswerBox)))
            report.attributePictureError = attributeError->description();
    }

    const DrawResult symbolDraw = draw(Folder::Symbols, m_symbols.used,
                                       [&](const QString& symbol) { return !m_rules.symbolMatches(symbol, object); });
    std::array<DrawResult, 2> attributeDraws;
    std::array<int, 2> candidateReports{};
    for (const bool sameCategory : {false, true}) {
        QStringList candidates;
        candidateReports[sameCategory] = reportsDuring([&] {
            for (const QString& attribute : m_attributes.used)
                if (m_rules.isCandidate(attribute, object, sameCategory))
                    candidates.append(attribute);
        });
        attributeDraws[sameCategory] = draw(Folder::Attributes, candidates,
                                            [&](const QString& attribute) { return m_rules.valueDiffers(attribute, object); });
    }
    report.reportsPerSet = captionReports + symbolSearchReports + attributeSearchReports + candidateReports[true];

    // The composer's order: object picture, right symbol, symbol distractor, right attribute,
    // attribute distractor. The first sure failure ends the set.
    for (const SetOptions& options : SetOptions::all()) {
        SetVerdict& verdict = report.sets[static_cast<std::size_t>(options.index())];
        verdict.options = options;
        std::optional<RuntimeError> possible;
        auto step = [&](Outcome outcome, const std::optional<RuntimeError>& error) {
            if (verdict.outcome == Outcome::Fails || outcome == Outcome::Works)
                return;
            if (outcome == Outcome::MayFail) {
                verdict.outcome = Outcome::MayFail;
                if (!possible)
                    possible = error;
                return;
            }
            verdict.outcome = Outcome::Fails;
            possible = error;
        };
        step(pictureError ? Outcome::Fails : Outcome::Works, pictureError);
        step(symbolError ? Outcome::Fails : Outcome::Works, symbolError);
        if (options.symbolDistractor)
            step(symbolDraw.outcome, symbolDraw.error);
        step(attributeError ? Outcome::Fails : Outcome::Works, attributeError);
        if (options.attributeDistractor) {
            const DrawResult& attributeDraw = attributeDraws[options.sameCategory];
            step(attributeDraw.outcome, attributeDraw.error);
        }
        if (possible) {
            verdict.errorNumber = possible->number();
            verdict.errorMessage = possible->description();
        }
        if (options.symbolDistractor)
            for (const QString& name : symbolDraw.unreadable)
                m_distractorIn[Folder::Symbols + u'/' + name].insert(options.index());
        if (options.attributeDistractor)
            for (const QString& name : attributeDraws[options.sameCategory].unreadable)
                m_distractorIn[Folder::Attributes + u'/' + name].insert(options.index());
    }

    // Findings about this picture; what an empty or missing folder causes is said once, there.
    const bool symbolsThere = !m_symbols.empty();
    const bool attributesThere = !m_attributes.empty();
    auto addHere = [&](Finding finding) {
        finding.folder = Folder::Images;
        finding.file = object;
        report.problems.append(finding.code);
        add(std::move(finding));
    };

    if (pictureError) {
        const auto [problem, fix] = unreadableWords(Folder::Images, object, *pictureError);
        addHere({QStringLiteral("picture-unreadable"), Severity::Error, {}, {}, problem,
             QStringLiteral("Whenever this picture is drawn, %1.").arg(stopsWith(*pictureError)), fix, {}, {}});
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
            finding.fix = QStringLiteral("Rename it to symbol.category.value.jpg, for example %1.colour.red.jpg.")
                              .arg(plainPart(object, 1));
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
                                             "missing third part: %2 messages every time this picture comes up, "
                                             "and more with %3 on.")
                                  .arg(quoted(m_partMessage))
                                  .arg(report.reportsPerSet)
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
        addHere({QStringLiteral("no-symbol"), Severity::Error, {}, {},
             QStringLiteral("There is no symbol picture for \"%1\".").arg(plainPart(object, 1)),
             QStringLiteral("The symbol row has no right answer: with %1 off it stays blank, with it on only a wrong "
                            "symbol is shown. With \"Use sequence\" on, the attribute row never appears, so the "
                            "learner can only leave the set with \"Change set\".")
                 .arg(SymbolDistractorOption),
             QStringLiteral("Add a symbol picture named %1.jpg to the Symbols folder (the first part of this "
                            "picture's name).%2")
                 .arg(plainPart(object, 1), symbolHint(object)),
             {}, {}});
    }
    if (symbolError) {
        addHere({QStringLiteral("symbol-unreadable"), Severity::Error, {}, {},
             QStringLiteral("Its symbol %1 cannot be loaded.").arg(report.symbol),
             QStringLiteral("Whenever this picture is drawn, %1.").arg(stopsWith(*symbolError)),
             QStringLiteral("Replace Symbols/%1 (see below).").arg(report.symbol), {report.symbol}, {}});
    }
    if (symbolsThere && symbolDraw.outcome == Outcome::Fails) {
        Finding finding{QStringLiteral("no-symbol-distractor"), Severity::Error, {}, {}, {}, {}, {}, {}, {}};
        finding.when.symbolDistractor = true;
        finding.effect = QStringLiteral("With %1 on, %2.").arg(SymbolDistractorOption, stopsWith(*symbolDraw.error));
        if (symbolDraw.noneUsable) {
            finding.problem = QStringLiteral("There is no symbol with another name to show as the wrong choice: "
                                             "every symbol picture is a \"%1\".")
                                  .arg(plainPart(object, 1));
            finding.fix = QStringLiteral("Add symbol pictures for other objects, or turn off %1.").arg(SymbolDistractorOption);
        } else {
            finding.code = QStringLiteral("distractor-unreadable");
            finding.problem = QStringLiteral("No symbol that could be shown as the wrong choice can be loaded (%1).")
                                  .arg(listNames(symbolDraw.unreadable, 3));
            finding.fix = QStringLiteral("Replace the pictures that cannot be loaded (see below).");
            finding.related = symbolDraw.unreadable;
        }
        addHere(finding);
    }

    if (report.attribute.isEmpty() && attributesThere && !badName) {
        addHere({QStringLiteral("no-attribute"), Severity::Error, {}, {},
             QStringLiteral("There is no attribute picture for \"%1\" \"%2\".").arg(plainPart(object, 2), plainPart(object, 3)),
             QStringLiteral("The attribute row has no right answer (with %1 on only a wrong one is shown). With "
                            "\"Use sequence\" on, the learner cannot finish the set: only \"Change set\" leaves it.")
                 .arg(AttributeDistractorOption),
             QStringLiteral("Add an attribute picture named %1.%2.jpg to the Attributes folder, or rename this "
                            "picture after an attribute that exists.%3")
                 .arg(plainPart(object, 2), plainPart(object, 3), attributeHint(object)),
             {}, {}});
    }
    if (attributeError) {
        addHere({QStringLiteral("attribute-unreadable"), Severity::Error, {}, {},
             QStringLiteral("Its attribute %1 cannot be loaded.").arg(report.attribute),
             QStringLiteral("Whenever this picture is drawn, %1.").arg(stopsWith(*attributeError)),
             QStringLiteral("Replace Attributes/%1 (see below).").arg(report.attribute), {report.attribute}, {}});
    }
    if (attributesThere && !badName) {
        for (const bool sameCategory : {true, false}) {
            const DrawResult& d = attributeDraws[sameCategory];
            if (d.outcome != Outcome::Fails)
                continue;
            Finding finding{QStringLiteral("no-attribute-distractor"), Severity::Error, {}, {}, {}, {}, {}, {}, {}};
            finding.when.attributeDistractor = true;
            finding.when.sameCategory = sameCategory;
            const QString mode = sameCategory ? SameCategoryOption : FullRandomOption;
            finding.effect = QStringLiteral("With %1 on and %2, %3.").arg(AttributeDistractorOption, mode, stopsWith(*d.error));
            const QString category = plainPart(object, 2);
            if (sameCategory && d.emptyPool) {
                finding.code = QStringLiteral("category-without-attributes");
                finding.problem = QStringLiteral("There is no attribute of the category \"%1\" at all.").arg(category);
                finding.effect += QStringLiteral(" (With no attribute of its category the draw takes an empty name "
                                                 "and tries to load the Attributes folder itself as a picture.)");
                finding.fix = QStringLiteral("Add attribute pictures %1.VALUE.jpg for at least two values, or choose %2.")
                                  .arg(category, FullRandomOption);
            } else if (d.noneUsable && sameCategory) {
                finding.problem = QStringLiteral("The category \"%1\" has no other value than \"%2\" to show as the "
                                                 "wrong choice.")
                                      .arg(category, plainPart(object, 3));
                finding.fix = QStringLiteral("Add another attribute of this category (for example %1.blue.jpg), or "
                                             "choose %2.")
                                  .arg(category, FullRandomOption);
            } else if (d.noneUsable) {
                finding.problem = QStringLiteral("Every attribute carries the value \"%1\", so there is none to show "
                                                 "as the wrong choice.")
                                      .arg(plainPart(object, 3));
                finding.fix = QStringLiteral("Add an attribute with another value, or turn off %1.").arg(AttributeDistractorOption);
            } else {
                finding.code = QStringLiteral("distractor-unreadable");
                finding.problem = QStringLiteral("No attribute that could be shown as the wrong choice can be loaded (%1).")
                                      .arg(listNames(d.unreadable, 3));
                finding.fix = QStringLiteral("Replace the pictures that cannot be loaded (see below).");
                finding.related = d.unreadable;
            }
            addHere(finding);
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
        add({QStringLiteral("picture-unreadable"), Severity::Error, folder, name, problem, effects.join(u' '), fix,
             rightFor, {}});
    }
}

std::pair<QString, QString> Checker::unreadableWords(const QString& folder, const QString& name,
                                                    const RuntimeError& error) const
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
        add({QStringLiteral("folder-missing"), Severity::Warning, folder, {},
             QStringLiteral("The Sounds folder is missing."),
             QStringLiteral("No feedback sound can be chosen: both sound lists offer only \"*** NO SOUND ***\"."),
             QStringLiteral("Create a folder named Sounds beside the program with the wave files ok.wav and error.wav."),
             {}, {}});
        return;
    }
    QStringList sounds;
    try {
        for (QString name = m_listing.first(mediaPath(m_program, folder, QStringLiteral("*.wav"))); !name.isEmpty();
             name = m_listing.next())
            sounds.append(name);
    } catch (const RuntimeError& error) {
        add({QStringLiteral("folder-unreadable"), Severity::Warning, folder, {},
             QStringLiteral("The Sounds folder cannot be read (%1).").arg(error.description()),
             QStringLiteral("No feedback sound can be chosen."),
             QStringLiteral("Give every user permission to read the folder."), {}, {}});
        return;
    }
    m_result.sounds = static_cast<int>(sounds.size());
    // The sound lists start on these two names (any letter case) until the teacher picks others.
    const std::array<std::pair<QString, QString>, 2> defaults{
        std::pair{QStringLiteral("ok.wav"), QStringLiteral("right-answer")},
        std::pair{QStringLiteral("error.wav"), QStringLiteral("wrong-answer")}};
    for (const auto& [name, role] : defaults) {
        const bool there = std::any_of(sounds.begin(), sounds.end(),
                                       [&](const QString& s) { return s.toUpper() == name.toUpper(); });
        if (there)
            continue;
        add({QStringLiteral("sound-missing"), Severity::Warning, folder, name,
             QStringLiteral("There is no %1 in the Sounds folder.").arg(name),
             QStringLiteral("On a first start (or when the chosen sound has gone) no %1 sound is chosen, so a %1 "
                            "click is silent.")
                 .arg(role),
             QStringLiteral("Add a wave file named %1, or choose another sound in the options window.").arg(name), {}, {}});
    }
}

CheckResult Checker::run()
{
    m_result.folder = QDir::cleanPath(QFileInfo(m_program.folder).absoluteFilePath());
    const QFileInfo info(m_program.folder);
    m_result.readable = info.isDir() && info.isReadable() && info.isExecutable();
    if (!m_result.readable) {
        add({QStringLiteral("program-folder-unreadable"), Severity::Error, {}, {},
             info.exists() ? QStringLiteral("The folder %1 cannot be read.").arg(m_result.folder)
                           : QStringLiteral("There is no folder %1.").arg(m_result.folder),
             QStringLiteral("Nothing can be checked."),
             QStringLiteral("Give the folder that holds the program and its Images, Symbols, Attributes and Sounds folders."),
             {}, {}});
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

    if (!m_images.empty())
        for (const QString& object : std::as_const(m_images.used))
            analyseObject(object);

    checkDuplicates(m_images, {});
    checkDuplicates(m_symbols, [this](const QString& name) { return m_rules.upperPart(name, 1); });
    checkDuplicates(m_attributes,
                    [this](const QString& name) { return m_rules.upperPart(name, 1) + u'.' + m_rules.upperPart(name, 2); });
    m_messageBox.shown.clear();
    for (const QString& attribute : std::as_const(m_attributes.used)) {
        // "colour.jpg" may be meant: a picture named like "pen.colour.jpg" goes with it.
        if (attribute.isEmpty() || attribute.count(u'.') >= 2 || !m_rightFor.value(Folder::Attributes + u'/' + attribute).isEmpty())
            continue;
        add({QStringLiteral("name-too-few-parts"), Severity::Warning, Folder::Attributes, attribute,
             QStringLiteral("The name has only one part before \".jpg\"; attribute pictures need two: category.value.jpg."),
             QStringLiteral("It is read as the category \"%1\" with the value \"jpg\", so it is the right answer of no "
                            "picture.")
                 .arg(plainPart(attribute, 1)),
             QStringLiteral("Rename it to category.value.jpg, for example colour.%1.jpg.").arg(plainPart(attribute, 1)), {}, {}});
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

QString severityName(Severity severity) { return severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning"); }

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
    out += QStringLiteral("Images: %1 object pictures, Symbols: %2, Attributes: %3, Sounds: %4\n")
               .arg(result.images)
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
        out += QStringLiteral("All %1 sets work with every option. Nothing to fix.\n").arg(result.objects.size());
    } else {
        out += QStringLiteral("%1 problem(s) and %2 warning(s) in %3 file(s) or folder(s). %4 of %5 object pictures "
                              "work with every option and need nothing.\n")
                   .arg(errors)
                   .arg(warnings)
                   .arg(files.size())
                   .arg(working)
                   .arg(result.objects.size());
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
            sets.append(entry);
        }
        objects.append(QJsonObject{{QStringLiteral("file"), object.file},
                                   {QStringLiteral("caption"), object.caption},
                                   {QStringLiteral("symbol"), nullable(object.symbol)},
                                   {QStringLiteral("attribute"), nullable(object.attribute)},
                                   {QStringLiteral("loads"), object.pictureError.isEmpty()},
                                   {QStringLiteral("reportsPerSet"), object.reportsPerSet},
                                   {QStringLiteral("problems"), QJsonArray::fromStringList(object.problems)},
                                   {QStringLiteral("sets"), sets}});
    }
    root.insert(QStringLiteral("objects"), objects);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace tessarine::check
