// The check of a whole program folder: the jobs in the order the exercise meets the folder.

#include "check/MediaChecker.h"

#include "check/CheckMemory.h"
#include "check/CheckRun.h"
#include "check/FolderScan.h"
#include "check/ListFindings.h"
#include "check/ObjectAnalysis.h"
#include "media/MediaCatalogue.h"
#include "speech/SpokenCaption.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace tessarine::check {

namespace {

class Checker {
public:
    Checker(const QString& folder, CheckMemory* memory)
        : m_memory(memory)
        , m_run(folder, memory ? &memory->decodes : nullptr)
    {
    }

    CheckResult run();

private:
    bool checkProgramFolderReadable();
    void scanFolders();
    void decodeAll();
    void checkObjects();
    ObjectContext objectContext();
    void tellObject(const RememberedObject& object);

    CheckMemory* m_memory;
    CheckRun m_run;
};

bool Checker::checkProgramFolderReadable()
{
    CheckResult& result = m_run.result;
    result.folder = QDir::cleanPath(QFileInfo(m_run.program.folder).absoluteFilePath());
    const QFileInfo info(m_run.program.folder);
    result.readable = info.isDir() && info.isReadable() && info.isExecutable();
    if (result.readable)
        return true;
    m_run.add(
        {QStringLiteral("program-folder-unreadable"),
         Severity::Error,
         {},
         {},
         info.exists() ? QCoreApplication::translate("MediaChecker", "The folder %1 cannot be read.").arg(result.folder)
                       : QCoreApplication::translate("MediaChecker", "There is no folder %1.").arg(result.folder),
         QCoreApplication::translate("MediaChecker", "Nothing can be checked."),
         QCoreApplication::translate(
             "MediaChecker", "Give the folder that holds the program and its Images, Symbols, Attributes and Sounds folders."),
         {},
         {}});
    return false;
}

void Checker::scanFolders()
{
    // The exercise loads the lists in this order, with these loaders.
    Module1& module = m_run.module;
    m_run.images = scanPictures(m_run, Folder::Images, &CaricaImmagini, module.ElencoImmagini, module.NumImmagini);
    m_run.symbols = scanPictures(m_run, Folder::Symbols, &CaricaSimboli, module.ElencoSimboli, module.NumSimboli);
    m_run.attributes = scanPictures(m_run, Folder::Attributes, &CaricaAttributi, module.ElencoAttributi, module.NumAttributi);
    for (const FolderScan* scan : {&m_run.images, &m_run.symbols, &m_run.attributes}) {
        checkFolder(m_run, *scan);
        scanStrayFiles(m_run, scan->name, scan->used);
    }
    CheckResult& result = m_run.result;
    result.images = m_run.images.empty() ? 0 : static_cast<int>(m_run.images.used.size());
    result.symbols = m_run.symbols.empty() ? 0 : static_cast<int>(m_run.symbols.used.size());
    result.attributes = m_run.attributes.empty() ? 0 : static_cast<int>(m_run.attributes.used.size());
}

// Every listed picture decoded at once, in parallel, as the exercise would decode it.
void Checker::decodeAll()
{
    m_run.pictures.decodeAll(Folder::Images, m_run.images.used, ObjectBox);
    m_run.pictures.decodeAll(Folder::Symbols, m_run.symbols.used, AnswerBox);
    m_run.pictures.decodeAll(Folder::Attributes, m_run.attributes.used, AnswerBox);
    // A draw with nothing to draw from takes the empty name, the folder itself.
    m_run.pictures.decodeAll(Folder::Symbols, {QString()}, AnswerBox);
    m_run.pictures.decodeAll(Folder::Attributes, {QString()}, AnswerBox);
}

ObjectContext Checker::objectContext()
{
    ObjectContext context{
        m_run.symbols.used, m_run.attributes.used, m_run.stray.value(Folder::Symbols), m_run.stray.value(Folder::Attributes), {},
        *m_run.recordings};
    for (const auto& [folder, names] : {std::pair{Folder::Symbols, m_run.symbols.used + QStringList{QString()}},
                                        std::pair{Folder::Attributes, m_run.attributes.used + QStringList{QString()}}})
        for (const QString& name : names)
            if (const auto error = m_run.loadError(folder, name, AnswerBox))
                context.unreadable.append(
                    QStringLiteral("%1/%2: %3 %4").arg(folder, name).arg(error->number()).arg(error->description()));
    return context;
}

// What was found about an object picture goes into the result, as if it had just been found.
void Checker::tellObject(const RememberedObject& object)
{
    const ObjectReport& report = object.report;
    if (m_run.partMessage.isEmpty())
        m_run.partMessage = object.partMessage;
    if (!report.symbol.isEmpty())
        m_run.rightFor[Folder::Symbols + u'/' + report.symbol].append(report.file);
    if (!report.attribute.isEmpty())
        m_run.rightFor[Folder::Attributes + u'/' + report.attribute].append(report.file);
    for (const auto& [picture, options] : object.distractorIn)
        m_run.distractorIn[picture].insert(options);
    m_run.result.findings += object.findings;
    m_run.result.objects.append(report);
}

void Checker::checkObjects()
{
    if (m_run.images.empty())
        return;
    // The lists stay as scanned for the rest of the check: every plan shares their name parts.
    m_run.planner.keepListsAsRead();
    const QString images = joinPath(m_run.program.folder, Folder::Images);
    m_run.recordings = SpokenCaption::recordingsIn(images);
    if (m_memory)
        m_memory->objects.begin(objectContext());
    for (std::int16_t position = 1; position <= m_run.module.NumImmagini; ++position) {
        const QString object = m_run.module.ElencoImmagini[position];
        RememberedObject remembered;
        if (m_memory) {
            remembered.picture = m_run.pictures.stampOf(Folder::Images, object);
            // Recordings are looked for among the wave files listed, when there are any.
            if (!m_run.recordings->isEmpty())
                remembered.recording = DecodeCache::stampOf(SpokenCaption::recordingFor(images, object, *m_run.recordings));
            if (const RememberedObject* known = m_memory->objects.find(object, remembered.picture, remembered.recording)) {
                tellObject(*known);
                m_memory->objects.remember(object, *known);
                continue;
            }
        }
        ObjectAnalysis analysis = analyseObject(m_run, position);
        // The message of a missing name part is quoted from the first picture that shows it.
        if (m_run.partMessage.isEmpty())
            m_run.partMessage = analysis.partMessage;
        findObjectProblems(m_run, analysis);
        remembered.report = analysis.report;
        remembered.findings = analysis.findings;
        remembered.partMessage = analysis.partMessage;
        for (const SetOutcome& outcome : analysis.outcomes)
            for (const QString& picture : outcome.unreadableDistractors)
                remembered.distractorIn.append({picture, outcome.verdict.options.index()});
        tellObject(remembered);
        // A name with too few parts is told with examples drawn from the other object pictures.
        const bool badName = remembered.report.problems.contains(QStringLiteral("name-too-few-parts"))
                             || remembered.report.problems.contains(QStringLiteral("name-empty-part"));
        if (m_memory && !badName)
            m_memory->objects.remember(object, std::move(remembered));
    }
    if (m_memory)
        m_memory->objects.end();
}

CheckResult Checker::run()
{
    if (!checkProgramFolderReadable())
        return m_run.result;
    scanFolders();
    decodeAll();
    checkObjects();

    checkDuplicates(m_run, m_run.images, {});
    checkDuplicates(m_run, m_run.symbols, [this](const QString& name) { return m_run.rules.upperPart(name, 1); });
    checkDuplicates(m_run, m_run.attributes, [this](const QString& name) {
        return m_run.rules.upperPart(name, 1) + u'.' + m_run.rules.upperPart(name, 2);
    });
    m_run.messageBox.shown.clear();
    checkAttributeNames(m_run);
    checkAnswerPictures(m_run, Folder::Symbols, m_run.symbols.used);
    checkAnswerPictures(m_run, Folder::Attributes, m_run.attributes.used);
    scanSounds(m_run);
    if (m_memory)
        m_memory->decodes.forgetUnused();
    return m_run.result;
}

} // namespace

CheckResult runCheck(const QString& folder, CheckMemory* memory) { return Checker(folder, memory).run(); }

CheckResult checkProgramFolder(const QString& folder) { return runCheck(folder, nullptr); }

} // namespace tessarine::check
