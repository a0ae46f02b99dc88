#include "check/ObjectAnalysis.h"

#include "check/CheckRun.h"
#include "check/Words.h"
#include "speech/SpokenCaption.h"
#include "speech/WaveCheck.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace tessarine::check {

using namespace words;

const SetPlan& ObjectAnalysis::plainPlan() const
{
    return plans[static_cast<std::size_t>(SetOptions{false, false, true}.index())];
}

void ObjectAnalysis::tell(Finding finding)
{
    finding.folder = Folder::Images;
    finding.file = object;
    if (!report.problems.contains(finding.code))
        report.problems.append(finding.code);
    findings.append(std::move(finding));
}

namespace {

// Every combination of options is planned by the exercise's own planner, with this object.
void planEveryCombination(CheckRun& run, ObjectAnalysis& analysis, std::int16_t position)
{
    for (const SetOptions& options : SetOptions::all()) {
        run.module.ShowSymbolsDistractor = options.symbolDistractor;
        run.module.ShowAttributesDistractor = options.attributeDistractor;
        run.module.SameCategoryAttributes = options.sameCategory;
        const auto i = static_cast<std::size_t>(options.index());
        analysis.plans[i] = run.planner.planAt(position, SetPlanner::Draws::Analyse);
        analysis.outcomes[i] = setOutcome(analysis.plans[i], options, run.loads);
        analysis.report.sets[i] = analysis.outcomes[i].verdict;
    }
}

// The teacher's own recording of the caption, spoken instead of the synthetic voice.
void findRecording(CheckRun& run, ObjectAnalysis& analysis)
{
    // Listed once: a folder of a thousand pictures is not read again for each of them.
    const QString images = joinPath(run.program.folder, Folder::Images);
    if (!run.recordings)
        run.recordings = SpokenCaption::recordingsIn(images);
    const QString recording = SpokenCaption::recordingFor(images, analysis.object, *run.recordings);
    ObjectReport& report = analysis.report;
    report.recording = QFileInfo(recording).fileName();
    if (recording.isEmpty())
        return;
    const WaveCheck wave = WaveCheck::ofFile(recording);
    if (!wave.playable())
        analysis.findings.append(
            {QStringLiteral("sound-unplayable"),
             Severity::Warning,
             Folder::Images,
             report.recording,
             QCoreApplication::translate("ObjectAnalysis", "The recording %1 cannot be played: %2")
                 .arg(quoted(report.recording), wave.problem()),
             QCoreApplication::translate("ObjectAnalysis",
                                         "With the spoken caption on, the synthetic voice speaks instead, and the first set "
                                         "with this picture shows an error message."),
             QCoreApplication::translate("ObjectAnalysis", "Record it again and save it as a PCM wave file (WAV, 16 bit)."),
             {analysis.object},
             {}});
}

// The right answers' pictures are loaded only where a set gets as far as showing them.
void loadRightAnswers(CheckRun& run, ObjectAnalysis& analysis)
{
    ObjectReport& report = analysis.report;
    const bool symbolShown = std::ranges::any_of(analysis.outcomes, &SetOutcome::rightSymbolShown);
    const bool attributeShown = std::ranges::any_of(analysis.outcomes, &SetOutcome::rightAttributeShown);
    if (!report.symbol.isEmpty() && symbolShown) {
        if ((analysis.symbolError = run.loadError(Folder::Symbols, report.symbol, AnswerBox)))
            report.symbolPictureError = analysis.symbolError->shownDescription();
    }
    if (!report.attribute.isEmpty() && attributeShown) {
        if ((analysis.attributeError = run.loadError(Folder::Attributes, report.attribute, AnswerBox)))
            report.attributePictureError = analysis.attributeError->shownDescription();
    }
}

} // namespace

ObjectAnalysis analyseObject(CheckRun& run, std::int16_t position)
{
    ObjectAnalysis analysis;
    analysis.object = run.module.ElencoImmagini[position];
    ObjectReport& report = analysis.report;
    report.file = analysis.object;
    if ((analysis.pictureError = run.loadError(Folder::Images, analysis.object, ObjectBox)))
        report.pictureError = analysis.pictureError->shownDescription();

    planEveryCombination(run, analysis, position);
    const SetPlan& plain = analysis.plainPlan();
    report.caption = plain.caption;
    findRecording(run, analysis);
    report.symbol = plain.rightSymbol;
    report.attribute = plain.rightAttribute;
    report.reportsPerSet = plain.reportCount();
    for (const PlanStep& step : plain.steps)
        if (step.kind == PlanStep::Kind::Report && analysis.partMessage.isEmpty())
            analysis.partMessage = step.text;
    loadRightAnswers(run, analysis);
    return analysis;
}

} // namespace tessarine::check
