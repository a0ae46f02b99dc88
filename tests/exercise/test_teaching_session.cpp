// The exercise as it teaches, on the real window with its time on a fake clock: the prompt's rules,
// correction sets, the draw among targets, tokens, and what the records are told.
#include "exercise/RewardSchedule.h"
#include "exercise/SetPlan.h"
#include "support/ExerciseFixture.h"
#include "widgets/PromptMarks.h"
#include "widgets/TokenRow.h"

using namespace tessarine;
using namespace tessarine::testing;

namespace {

const QStringList Cup{"cup.colour.red.jpg"};
const QStringList Objects{"cup.colour.red.jpg", "pen.colour.blue.jpg", "hat.colour.red.jpg"};
const QStringList Symbols{"cup.jpg", "pen.jpg", "hat.jpg"};
const QStringList Attributes{"colour.red.jpg", "colour.blue.jpg"};

// What the records are told: each set, and each click as row|element|file|correct|prompted.
struct RecordingLog final : AnswerLog {
    void sessionStarted(const Session&) override {}
    void setShown(const Set& set) override { sets.append(set); }
    void rowVisible(Row) override {}
    void clicked(Row row, int element, const QString& file, bool correct, bool prompted) override
    {
        clicks.append(QStringLiteral("%1|%2|%3|%4|%5").arg(int(row)).arg(element).arg(file).arg(int(correct)).arg(int(prompted)));
    }
    void setEnded(SetEnd) override {}
    void sessionEnded() override {}
    QList<Set> sets;
    QStringList clicks;
};

ExerciseAids teachingAids(const TeachingSettings& teaching, AnswerLog* log = nullptr, const TeachingHistory& history = {})
{
    return {.log = log, .access = {}, .caption = nullptr, .teaching = teaching, .history = history};
}

// Opens the exercise's window anew with `aids`.
frmMain& openWith(Exercise& exercise, const ExerciseAids& aids)
{
    exercise.setAids(aids);
    if (exercise.open())
        QTest::qFail("the first set failed", __FILE__, __LINE__);
    return *exercise.window;
}

using Boxes = std::array<PictureBox*, 2>;
PictureBox* right(const Boxes& row) { return row[Exercise::rightElement(row)]; }
PictureBox* wrong(const Boxes& row) { return row[1 - Exercise::rightElement(row)]; }
QRect onWindow(frmMain& w, QWidget* box) { return {box->mapTo(&w, QPoint(0, 0)), box->size()}; }

// The prompt as the learner sees it in `row`: the distractor faint, the right picture framed, the
// ring (keyboard access is on by default) on it too; elsewhere nothing faint.
bool promptedIn(frmMain& w, const Boxes& row)
{
    const Boxes& other = row == w.Simbolo ? w.Attributo : w.Simbolo;
    return wrong(row)->isDimmed() && !right(row)->isDimmed() && !other[0]->isDimmed() && !other[1]->isDimmed()
           && w.Prompt->isVisible() && w.Prompt->geometry().contains(onWindow(w, right(row)))
           && w.Ring->geometry().contains(onWindow(w, right(row)));
}
bool noPrompt(frmMain& w)
{
    for (PictureBox* box : {w.Simbolo[0], w.Simbolo[1], w.Attributo[0], w.Attributo[1]})
        if (box->isDimmed())
            return false;
    return !w.Prompt->isVisible();
}

// Like a modal message box, lets time pass while it is shown, and notes whether the prompt was on
// the window meanwhile.
struct WaitingMessageBox final : IMessageBox {
    explicit WaitingMessageBox(doubles::FakeTimers& fakeTimers)
        : timers(fakeTimers)
    {
    }
    void showCritical(const QString& text) override
    {
        shown.append(text);
        timers.advance(1000);
        promptSeen |= window && window->Prompt->isVisible();
    }
    doubles::FakeTimers& timers;
    frmMain* window = nullptr;
    QStringList shown;
    bool promptSeen = false;
};

} // namespace

class TestTeachingSession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The delay runs from the row's appearance; a click on the faint distractor is still wrong, and
    // recorded as prompted; the prompt ends with its row, and one due as the row ends never shows
    // on the next set.
    void promptAfterTheDelay()
    {
        RecordingLog log;
        Exercise exercise(Cup, Symbols, Attributes);
        frmMain& w = openWith(exercise, teachingAids({.promptDelayMs = 3000}, &log));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        exercise.timers.advance(2999);
        QVERIFY(noPrompt(w));
        exercise.timers.advance(1);
        QVERIFY(promptedIn(w, w.Simbolo));

        const int distractor = 1 - Exercise::rightElement(w.Simbolo);
        exercise.click(wrong(w.Simbolo));
        QCOMPARE(exercise.platform.sound.played, QStringList{exercise.sound("error.wav")});
        QVERIFY(promptedIn(w, w.Simbolo) && !w.Frame2->isVisible());
        exercise.click(right(w.Simbolo));
        QVERIFY(noPrompt(w) && w.Frame2->isVisible());
        QCOMPARE(log.clicks, (QStringList{QStringLiteral("0|%1|%2|0|1").arg(distractor).arg(log.sets[0].symbols.distractor),
                                          QStringLiteral("0|%1|cup.jpg|1|1").arg(1 - distractor)}));

        // The attribute row's delay counts from its reveal; answered just before it is due, the
        // next set starts a delay of its own, which "Change set" ends too.
        exercise.timers.advance(2999);
        QVERIFY(noPrompt(w));
        exercise.click(right(w.Attributo));
        exercise.timers.advance(2999);
        QVERIFY(noPrompt(w) && log.sets.size() == 2);
        exercise.timers.advance(1);
        QVERIFY(promptedIn(w, w.Simbolo));
        exercise.changeSet();
        QVERIFY(noPrompt(w) && exercise.platform.messageBox.shown.isEmpty());
    }

    // The delay comes due while the next set is being shown (a message box of the set waits for
    // the learner): the set before has ended, and the new set is not prompted for it.
    void promptDueAsTheSetChanges()
    {
        // A name without a value: messages while the caption and the attributes are shown.
        Exercise exercise({"cup.jpg"}, {"cup.jpg", "pen.jpg"}, Attributes, {.attributeDistractor = false});
        WaitingMessageBox box(exercise.timers);
        Module1 module(box, exercise.platform.random);
        module.ShowSymbolsDistractor = module.UseSequence = true;
        frmMain w(module, exercise.platform.platform(), exercise.decoder, teachingAids({.promptDelayMs = 3000}), exercise.clock,
                  exercise.timers);
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        w.Form_Load();
        w.show();
        box.window = &w;
        exercise.timers.advance(2999);
        QVERIFY(noPrompt(w) && !box.shown.isEmpty());
        QTest::mouseClick(w.cmdCambia, Qt::LeftButton);
        QVERIFY(!box.promptSeen && noPrompt(w));
        exercise.timers.advance(3000);
        QVERIFY(promptedIn(w, w.Simbolo));
    }

    // At once after a wrong answer; at once for the first trials of a target (the records' trials
    // counted), then after the delay; without the sequence, the symbols first.
    void promptAfterWrongAndErrorlessTrials()
    {
        RecordingLog log;
        Exercise exercise(Cup, Symbols, Attributes);
        frmMain& w = openWith(exercise, teachingAids({.promptAfterWrong = true}, &log));
        exercise.timers.advance(60000);
        QVERIFY(noPrompt(w));
        exercise.click(wrong(w.Simbolo));
        QVERIFY(promptedIn(w, w.Simbolo));
        exercise.click(wrong(w.Simbolo));
        QCOMPARE((QStringList{log.clicks.first().right(3), log.clicks.last().right(3)}), (QStringList{"0|0", "0|1"}));

        // One earlier trial of CUP in the records, none of COLOUR.RED: two errorless trials each.
        const TeachingSettings errorless{.promptDelayMs = 3000, .errorlessTrials = 2};
        frmMain& e = openWith(exercise, teachingAids(errorless, nullptr, {.symbolTrials = {{"CUP", 1}}}));
        QList<bool> atOnce; // symbol row, attribute row, set by set
        for (int set = 0; set < 3; ++set) {
            atOnce << promptedIn(e, e.Simbolo);
            exercise.click(right(e.Simbolo));
            atOnce << promptedIn(e, e.Attributo);
            exercise.click(right(e.Attributo));
        }
        QCOMPARE(atOnce, (QList<bool>{true, true, false, true, false, false}));
        exercise.timers.advance(3000);
        QVERIFY(promptedIn(e, e.Simbolo));

        exercise.module.UseSequence = false;
        frmMain& s = openWith(exercise, teachingAids(errorless));
        QVERIFY(s.Frame2->isVisible() && promptedIn(s, s.Simbolo));
        exercise.click(right(s.Simbolo));
        QVERIFY(promptedIn(s, s.Attributo));
    }

    // A wrong answer brings the same object back next, as a correction set; objects are drawn
    // only among the targets; targets without a picture are said once and every picture is drawn.
    void correctionAndTargets()
    {
        TeachingSettings teaching{.symbolTargets = QSet<QString>{"CUP", "HAT"}, .correctionSet = true};
        RecordingLog log;
        Exercise exercise(Objects, Symbols, Attributes);
        frmMain& w = openWith(exercise, teachingAids(teaching, &log));
        for (int set = 0; set < 30; ++set) {
            if (set % 3 == 0)
                exercise.click(wrong(w.Simbolo));
            exercise.click(right(w.Simbolo));
            exercise.click(right(w.Attributo));
        }
        QCOMPARE(log.sets.size(), 31);
        for (qsizetype i = 0; i < log.sets.size(); ++i) {
            const bool corrects = i > 0 && (i - 1) % 3 == 0;
            QVERIFY2(log.sets[i].object != "pen.colour.blue.jpg", qPrintable(QString::number(i)));
            QCOMPARE(log.sets[i].kind, corrects ? AnswerLog::SetKind::Correction : AnswerLog::SetKind::Teach);
            QVERIFY(!corrects || log.sets[i].object == log.sets[i - 1].object);
        }
        // The clicks are recorded from the set as planned.
        QCOMPARE(log.clicks.first(),
                 QStringLiteral("0|%1|%2|0|0").arg(1 - log.sets[0].symbols.rightElement).arg(log.sets[0].symbols.distractor));
        QVERIFY(exercise.platform.messageBox.shown.isEmpty());

        teaching.symbolTargets = QSet<QString>{"BALL"};
        log.sets.clear();
        openWith(exercise, teachingAids(teaching, &log));
        for (int set = 0; set < 40; ++set)
            exercise.changeSet();
        QSet<QString> drawn;
        for (const AnswerLog::Set& set : std::as_const(log.sets))
            drawn.insert(set.object);
        QCOMPARE(drawn.size(), 3);
        QCOMPARE(
            exercise.platform.messageBox.shown,
            QStringList{"Error \"No object picture has the chosen targets: all the pictures are drawn\" in Form_Load() routine"});
    }

    // A token for each set answered right at the first try in every row; a full row brings the
    // reward over the whole window, and the learner's presses meanwhile are no answers.
    void tokensAndTheReward()
    {
        Exercise exercise(Cup, Symbols, Attributes);
        frmMain& w = openWith(exercise, teachingAids({.rewardAfter = 3}));
        QCOMPARE(w.Tokens->goal(), 3);
        exercise.click(right(w.Simbolo));
        exercise.click(right(w.Attributo));
        exercise.click(wrong(w.Simbolo));
        exercise.click(right(w.Simbolo));
        exercise.click(right(w.Attributo));
        exercise.click(right(w.Simbolo));
        exercise.changeSet(); // the attribute row never answered
        QCOMPARE(w.Tokens->filled(), 1);

        RecordingLog log;
        frmMain& r = openWith(exercise, teachingAids({.rewardAfter = 1}, &log));
        QVERIFY(QTest::qWaitForWindowExposed(&r));
        exercise.click(right(r.Simbolo));
        exercise.click(right(r.Attributo));
        QVERIFY(r.Reward->isVisible() && r.Reward->geometry() == r.rect());
        exercise.click(right(r.Simbolo));
        QCOMPARE(log.clicks.size(), 2);
        exercise.timers.advance(RewardSchedule::RewardMs);
        QVERIFY(!r.Reward->isVisible() && r.Tokens->filled() == 0);
        exercise.click(right(r.Simbolo));
        QCOMPARE(log.clicks.size(), 3);
    }

    // With every teaching setting at its default the window shows the very sets the planner draws
    // from the same random source, as it always did.
    void defaultsDrawAsBefore()
    {
        const auto fixedDraws = [] {
            std::deque<float> values;
            for (quint32 i = 0, x = 12345; i < 4000; ++i)
                values.push_back(static_cast<float>((x = x * 1664525u + 1013904223u) >> 8) / (1u << 24));
            return values;
        };
        Exercise exercise(Objects, Symbols, Attributes);
        exercise.platform.random.values = fixedDraws();
        QVERIFY(!exercise.open());
        frmMain& w = *exercise.window;
        QStringList shown;
        for (int set = 0; set < 40; ++set) {
            shown << QStringList{w.Immagine->sourceName(), w.Simbolo[0]->sourceName(), w.Simbolo[1]->sourceName(),
                                 w.Attributo[0]->sourceName(), w.Attributo[1]->sourceName()}
                         .join(u' ');
            exercise.click(right(w.Simbolo));
            exercise.click(right(w.Attributo));
        }

        exercise.platform.random.values = fixedDraws();
        SetPlanner planner(exercise.module);
        QStringList planned;
        for (int set = 0; set < 40; ++set) {
            const SetPlan plan = planner.plan();
            QString names[2][2];
            for (const PlanStep& step : plan.steps)
                if (step.kind == PlanStep::Kind::AnswerPicture)
                    names[int(step.row)][step.index] = plan.pictures.at(step.picture).name;
            planned << QStringList{plan.object, names[0][0], names[0][1], names[1][0], names[1][1]}.join(u' ');
        }
        QCOMPARE(shown, planned);
    }
};

QTEST_MAIN(TestTeachingSession)
#include "test_teaching_session.moc"
