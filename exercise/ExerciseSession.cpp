#include "exercise/ExerciseSession.h"

#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "media/MediaCatalogue.h"
#include "speech/SpokenCaption.h"

#include <utility>

namespace tessarine {

namespace {

// The right and wrong sounds go through the spoken caption, when there is one, so that the next
// set's caption does not cut them off.
ISoundPlayer& feedbackSound(const ExerciseAids& aids, ISoundPlayer& sound)
{
    return aids.caption ? aids.caption->feedbackPlayer() : sound;
}

AnswerLog::Row logRow(Row row) { return row == Row::Symbols ? AnswerLog::Row::Symbol : AnswerLog::Row::Attribute; }
Row windowRow(AnswerLog::Row row) { return row == AnswerLog::Row::Symbol ? Row::Symbols : Row::Attributes; }
std::size_t slot(Row row) { return row == Row::Symbols ? 0 : 1; }

AnswerTarget targetOf(Row row, int index)
{
    if (row == Row::Symbols)
        return index == 0 ? AnswerTarget::Symbol0 : AnswerTarget::Symbol1;
    return index == 0 ? AnswerTarget::Attribute0 : AnswerTarget::Attribute1;
}

} // namespace

ExerciseSession::ExerciseSession(Module1& module, const Platform& platform, PictureDecoder& decoder, const ExerciseAids& aids,
                                 IExerciseScreen& screen, const IClock& clock, ITimerFactory& timers)
    : m_module(module)
    , m_platform(platform)
    , m_aids(aids)
    , m_screen(screen)
    , m_scanTimer(timers.makeTimer())
    , m_promptTimer(timers.makeTimer())
    , m_rewardTimer(timers.makeTimer())
    , m_composer(module, decoder, m_platform.program, *this)
    , m_checker(module, feedbackSound(m_aids, m_platform.sound), m_platform.program, *this, m_composer)
    , m_access(m_aids.access, screen, clock, *m_scanTimer)
    , m_prompt(
          m_aids.teaching, m_aids.history, *m_promptTimer,
          [this](AnswerLog::Row row) {
              const Row shown = windowRow(row);
              const int right = m_composer.shownRight(shown);
              m_screen.showPrompt(shown, right);
              m_access.pointTo(targetOf(shown, right));
          },
          [this] { m_screen.hidePrompt(); })
{
    m_access.setOnRingMoved([this] { m_screen.ringMoved(); });
    m_prompt.setCovered([this] { return rewardShowing(); });
}

ExerciseSession::~ExerciseSession() = default;

void ExerciseSession::load()
{
    Module1& m = m_module;
    CaricaImmagini(m, m_platform.listing, m_platform.program);
    CaricaSimboli(m, m_platform.listing, m_platform.program);
    CaricaAttributi(m, m_platform.listing, m_platform.program);

    QStringList objects;
    for (std::int16_t i = 1; i <= m.NumImmagini; ++i)
        objects.append(m.ElencoImmagini[i]);
    m_draw = std::make_unique<TeachingDraw>(m_aids.teaching, m_aids.history, objects,
                                            [this](std::int16_t count) { return m_module.Casuale(count); });
    reportNoTargets();
    m_composer.setObjectChooser([this] { return m_draw->next(); });

    // The reward's sound is the right-answer sound, heard only when sounds are on.
    const QString rightSound = m.PlaySounds && !m.SoundOk.isEmpty() ? mediaPath(m_platform.program, Folder::Sounds, m.SoundOk)
                                                                    : QString();
    IRewardScreen& rewardScreen = *this;
    m_reward = std::make_unique<RewardSchedule>(
        m_aids.teaching.rewardAfter,
        RewardSchedule::Services{m.messageBox(), m_platform.listing, m_platform.pictures,
                                 [this](std::int16_t count) { return m_module.Casuale(count); },
                                 feedbackSound(m_aids, m_platform.sound)},
        joinPath(m_platform.program.folder, QStringLiteral("Rewards")), rightSound, rewardScreen, *m_rewardTimer);
}

void ExerciseSession::reportNoTargets()
{
    // Pictures removed since the targets were chosen: said once, and every picture is drawn.
    const TeachingSettings& teaching = m_aids.teaching;
    if ((!teaching.symbolTargets && !teaching.attributeTargets) || m_module.NumImmagini < 1
        || !m_draw->targetPositions().isEmpty())
        return;
    Guard(m_module.messageBox(), QStringLiteral("Form_Load"))
        .report(std::make_exception_ptr(translatedError(
            ErrorNumber::FileNotFound, "ExerciseSession",
            QT_TRANSLATE_NOOP("ExerciseSession", "No object picture has the chosen targets: all the pictures are drawn"))));
}

void ExerciseSession::showNextSet() { m_composer.cmdCambia_Click(); }

AccessOutcome ExerciseSession::keyPressed(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    if (rewardShowing())
        return {true, {}};
    return m_access.keyPressed(key, modifiers, autoRepeat);
}

AccessOutcome ExerciseSession::keyReleased(int key, bool autoRepeat)
{
    const AccessOutcome outcome = m_access.keyReleased(key, autoRepeat);
    if (rewardShowing())
        return {true, {}};
    return outcome;
}

AccessOutcome ExerciseSession::buttonPressed(Qt::MouseButton button)
{
    if (rewardShowing())
        return {true, {}};
    return m_access.buttonPressed(button);
}

AccessOutcome ExerciseSession::buttonReleased(Qt::MouseButton button)
{
    if (rewardShowing())
        return {true, {}};
    return m_access.buttonReleased(button);
}

void ExerciseSession::pointerPressed(AnswerTarget target) { m_access.pointerPressed(target); }

void ExerciseSession::pointerClicked(AnswerTarget target)
{
    if (!rewardShowing() && m_access.pointerClicked(target))
        choose(target);
}

void ExerciseSession::perform(const AccessOutcome& outcome)
{
    if (outcome.chosen && !rewardShowing())
        choose(*outcome.chosen);
}

void ExerciseSession::choose(AnswerTarget target)
{
    switch (target) {
    case AnswerTarget::Symbol0:
    case AnswerTarget::Symbol1:
        answer(Row::Symbols, target == AnswerTarget::Symbol0 ? 0 : 1);
        return;
    case AnswerTarget::Attribute0:
    case AnswerTarget::Attribute1:
        answer(Row::Attributes, target == AnswerTarget::Attribute0 ? 0 : 1);
        return;
    case AnswerTarget::ChangeSet:
        m_nextEnd = AnswerLog::SetEnd::ChangeSet;
        showNextSet();
        return;
    }
}

void ExerciseSession::answer(Row row, int index)
{
    // Judged by what the set put there, as the log records it.
    const int right = m_composer.shownRight(row);
    const bool correct = right >= 0 && index == right;
    const bool prompted = m_prompt.showing() && m_prompt.row() == logRow(row);
    if (m_aids.log)
        m_aids.log->clicked(logRow(row), index, m_composer.shownName(row, index), correct, prompted);
    RowState& state = m_rows[slot(row)];
    if (!std::exchange(state.chosen, true)) {
        state.firstRight = correct;
        m_prompt.firstChoice(logRow(row), m_set.object);
    }
    state.answeredRight |= correct;
    const bool answering = m_prompt.row() == logRow(row);
    if (!correct)
        wrongAnswer();
    if (answering) {
        if (correct)
            m_prompt.rowEnded();
        else
            m_prompt.wrongAnswer();
    }
    if (row == Row::Symbols)
        m_checker.Simbolo_Click(static_cast<std::int16_t>(index));
    else
        m_checker.Attributo_Click(static_cast<std::int16_t>(index));
    // With the sequence the checker reveals the next row or brings the next set; without it the
    // attribute row is there already and is prompted once the symbol row is answered right.
    if (!m_module.UseSequence && !m_prompt.row())
        startNextRow();
}

void ExerciseSession::wrongAnswer()
{
    if (std::exchange(m_wrongInSet, true) || !m_aids.teaching.correctionSet || !m_draw || m_setFailed)
        return;
    // The set prepared for later gives way to this set's object again, its distractors drawn anew.
    m_draw->wrongAnswerIn(m_composer.shownPosition());
    m_draw->takeBack();
    m_composer.replanNext();
}

void ExerciseSession::startNextRow()
{
    if (m_setFailed || m_closed)
        return;
    for (const Row row : {Row::Symbols, Row::Attributes}) {
        if (m_rows[slot(row)].answeredRight || m_composer.shownRight(row) < 0)
            continue;
        if (row == Row::Attributes && !m_screen.isAttributeRowVisible())
            return;
        m_prompt.rowStarted(logRow(row), m_set.object);
        return;
    }
}

bool ExerciseSession::rightAtFirstTry() const
{
    // Every row is one the learner has to answer: with the sequence both come before the next set;
    // without it both are on the screen.
    if (m_setFailed)
        return false;
    for (const RowState& row : m_rows)
        if (!row.chosen || !row.firstRight)
            return false;
    return true;
}

std::optional<Row> ExerciseSession::promptedRow() const
{
    if (!m_prompt.showing())
        return std::nullopt;
    return windowRow(*m_prompt.row());
}

void ExerciseSession::windowClosed()
{
    m_closed = true;
    m_prompt.rowEnded();
    if (m_aids.caption)
        m_aids.caption->cancel();
}

void ExerciseSession::setObjectPicture(const QImage& picture, const QString& sourceName)
{
    m_screen.setObjectPicture(picture, sourceName);
}

void ExerciseSession::setCaption(const QString& caption) { m_screen.setCaption(caption); }

void ExerciseSession::setAnswerPicture(Row row, int index, const QImage& picture, const QString& sourceName)
{
    m_screen.setAnswerPicture(row, index, picture, sourceName);
}

void ExerciseSession::clearAnswerPicture(Row row, int index) { m_screen.clearAnswerPicture(row, index); }

QString ExerciseSession::tag(Row row, int index) const { return m_screen.tag(row, index); }

void ExerciseSession::setTag(Row row, int index, const QString& tag) { m_screen.setTag(row, index, tag); }

QSize ExerciseSession::objectDecodeSize() const { return m_screen.objectDecodeSize(); }

QSize ExerciseSession::answerDecodeSize() const { return m_screen.answerDecodeSize(); }

void ExerciseSession::setAttributeRowVisible(bool visible)
{
    const bool revealed = visible && !m_screen.isAttributeRowVisible();
    m_screen.setAttributeRowVisible(visible);
    // Revealed by a right symbol, not by the start of a set.
    if (revealed && !m_showingSet) {
        if (m_aids.log)
            m_aids.log->rowVisible(AnswerLog::Row::Attribute);
        m_access.rowAppeared();
        startNextRow();
    }
}

void ExerciseSession::setStarting()
{
    // The prompt ends with its set, before anything of the next one is shown: a delay that comes
    // due while the next set is drawn (a message box of its own waits for the learner) finds no
    // row to prompt.
    m_prompt.rowEnded();
    const AnswerLog::SetEnd how = std::exchange(m_nextEnd, AnswerLog::SetEnd::NextInSequence);
    if (m_setOnScreen) {
        if (m_aids.log)
            m_aids.log->setEnded(how);
        if (m_reward)
            m_reward->setEnded(rightAtFirstTry());
    }
    m_showingSet = true;
}

void ExerciseSession::setShown(const AnswerLog::Set& set, const std::exception_ptr& failure)
{
    m_showingSet = false;
    m_setOnScreen = true;
    m_set = set;
    m_setFailed = static_cast<bool>(failure);
    m_rows = {};
    m_wrongInSet = false;
    if (m_aids.log) {
        m_aids.log->setShown(set);
        if (m_screen.isAttributeRowVisible())
            m_aids.log->rowVisible(AnswerLog::Row::Attribute);
    }
    m_access.setAppeared();
    if (m_aids.caption && m_aids.access.spokenCaption && !failure)
        m_aids.caption->cue(set.object, set.caption);
    startNextRow();
}

void ExerciseSession::setTokens(int goal, int filled) { m_screen.setTokens(goal, filled); }

void ExerciseSession::showReward(const QImage& picture) { m_screen.showReward(picture); }

void ExerciseSession::hideReward()
{
    m_screen.hideReward();
    m_prompt.restartDelay();
}

} // namespace tessarine
