#include "exercise/SetComposer.h"

#include "core/ErrorGuard.h"
#include "core/MessageBox.h"
#include "core/Module1.h"
#include "platform/ProgramInfo.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace tessarine {

SetComposer::SetComposer(Module1& module, PictureDecoder& decoder, const ProgramInfo& program, IExerciseView& view)
    : m_module(module)
    , m_decoder(decoder)
    , m_program(program)
    , m_view(view)
    , m_planner(module)
{
}

SetComposer::PreparedSet SetComposer::prepare()
{
    const std::optional<ObjectChoice> choice = m_chooser ? m_chooser() : std::nullopt;
    PreparedSet set{choice ? m_planner.planAt(choice->position, SetPlanner::Draws::Random) : m_planner.plan(),
                    {},
                    choice ? choice->kind : AnswerLog::SetKind::Teach};
    decode(set);
    return set;
}

void SetComposer::replanNext()
{
    m_next.reset();
    m_next = prepare();
}

QString SetComposer::shownName(Row row, int index) const
{
    if (index < 0 || index > 1)
        return {};
    return m_shown.names[static_cast<int>(row)][index];
}

int SetComposer::shownRight(Row row) const { return m_shown.right[static_cast<int>(row)]; }

void SetComposer::decode(PreparedSet& set) const
{
    set.pictures.clear();
    for (const PlannedPicture& picture : std::as_const(set.plan.pictures))
        set.pictures.append(m_decoder.decode(mediaPath(m_program, picture.folder, picture.name), picture.box));
}

void SetComposer::boxesResized()
{
    DecodeSizes sizes;
    if (!m_view.objectDecodeSize().isEmpty())
        sizes = {m_view.objectDecodeSize(), m_view.answerDecodeSize()};
    if (sizes == m_planner.decodeSizes())
        return;
    m_planner.setDecodeSizes(sizes);
    if (!m_next)
        return;
    // The same set, decoded again at the new sizes: the learner gets what was drawn, only sharper
    // or lighter, and the random draw goes on as it would have.
    for (const PlanStep& step : std::as_const(m_next->plan.steps)) {
        if (step.kind == PlanStep::Kind::ObjectPicture)
            m_next->plan.pictures[step.picture].box = sizes.object;
        else if (step.kind == PlanStep::Kind::AnswerPicture)
            m_next->plan.pictures[step.picture].box = sizes.answer;
    }
    decode(*m_next);
}

bool SetComposer::nextSetReady() const
{
    return m_next && std::all_of(m_next->pictures.begin(), m_next->pictures.end(), [](const QFuture<DecodedPicture>& picture) {
               return picture.isFinished();
           });
}

QImage SetComposer::picture(const PreparedSet& set, int index) const
{
    // Waits only when the set is asked for before its pictures are ready.
    const DecodedPicture decoded = set.pictures.at(index).result();
    if (decoded.error)
        throw *decoded.error;
    return decoded.image;
}

void SetComposer::show(const PreparedSet& set, AnswerLog::Set& shown)
{
    shown.object = set.plan.object;
    shown.caption = set.plan.caption;
    shown.kind = set.kind;
    // What each answer element holds, as far as the set got.
    m_shown = {};
    m_shown.position = set.plan.objectPosition;
    auto& names = m_shown.names;
    const auto rowOf = [&](Row row) -> AnswerLog::RowContent& { return row == Row::Symbols ? shown.symbols : shown.attributes; };
    for (const PlanStep& step : set.plan.steps) {
        switch (step.kind) {
        case PlanStep::Kind::Begin:
            m_view.setAttributeRowVisible(step.attributeRowVisible);
            for (const Row row : {Row::Symbols, Row::Attributes})
                for (int index : {0, 1})
                    m_view.clearAnswerPicture(row, index);
            for (const Row row : {Row::Symbols, Row::Attributes})
                for (int index : {0, 1})
                    m_view.setTag(row, index, QString());
            break;
        case PlanStep::Kind::Report:
            m_module.messageBox().showCritical(step.text);
            break;
        case PlanStep::Kind::ObjectPicture:
            m_view.setObjectPicture(picture(set, step.picture), set.plan.pictures.at(step.picture).name);
            break;
        case PlanStep::Kind::Caption:
            m_view.setCaption(step.text);
            break;
        case PlanStep::Kind::Search:
            break;
        case PlanStep::Kind::AnswerPicture: {
            const QString& name = set.plan.pictures.at(step.picture).name;
            m_view.setAnswerPicture(step.row, step.index, picture(set, step.picture), name);
            names[static_cast<int>(step.row)][step.index] = name;
            if (step.draw >= 0)
                rowOf(step.row).distractor = name;
            break;
        }
        case PlanStep::Kind::RightAnswer:
            m_view.setTag(step.row, step.index, RightAnswerTag);
            rowOf(step.row).right = names[static_cast<int>(step.row)][step.index];
            rowOf(step.row).rightElement = step.index;
            m_shown.right[static_cast<int>(step.row)] = step.index;
            break;
        case PlanStep::Kind::End:
            throw *step.error;
        }
    }
}

void SetComposer::cmdCambia_Click()
{
    boxesResized();
    PreparedSet set = m_next ? std::move(*m_next) : prepare();
    m_next.reset();
    m_view.setStarting();
    // Waiting for the pictures from the last one back makes this thread decode those the workers
    // have not started yet, alongside them, instead of idling until their turn comes.
    for (auto picture = set.pictures.rbegin(); picture != set.pictures.rend(); ++picture)
        picture->waitForFinished();
    std::exception_ptr failure;
    AnswerLog::Set shown;
    try {
        show(set, shown);
    } catch (...) {
        failure = std::current_exception();
        shown.error = toRuntimeError(failure).description();
    }
    m_view.setShown(shown, failure);
    // The shown pictures live on in the window; only the next set is kept here.
    set = {};
    m_next = prepare();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace tessarine
