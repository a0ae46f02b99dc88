#include "teaching/TargetChoice.h"
#include "teaching/TeachingDraw.h"

#include <QtTest>

using namespace tessarine;
using Kind = SetKind;
using Targets = QSet<QString>;

namespace {

const QStringList Objects{"cup.colour.red.jpg", "cup.colour.blue.jpg", "pen.colour.red.jpg", "pen.colour.blue.jpg",
                          "hat.size.big.jpg"};

} // namespace

class TestTeaching : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What the records keep comes back as it was; a value out of its range is brought into it.
    void settingsRoundTrip()
    {
        const TeachingSettings edited{
            .attributeTargets = Targets(), .reviewEvery = 4, .promptAfterWrong = true, .correctionSet = true, .rewardAfter = 5};
        QCOMPARE(TeachingSettings::fromMap(edited.toMap()), edited);
        QVERIFY(TeachingSettings().toMap().isEmpty());
        QCOMPARE(TeachingSettings::fromMap({{"ReviewEvery", "1"},
                                            {"PromptDelayMs", "100"},
                                            {"ErrorlessTrials", "-3"},
                                            {"RewardAfter", "x"},
                                            {"Later", "9"}}),
                 (TeachingSettings{.reviewEvery = 2, .promptDelayMs = 500}));
        QCOMPARE(TeachingSettings::fromMap(
                     {{"ReviewEvery", "99"}, {"PromptDelayMs", "99999"}, {"ErrorlessTrials", "51"}, {"RewardAfter", "21"}}),
                 (TeachingSettings{.reviewEvery = 20, .promptDelayMs = 30000, .errorlessTrials = 50, .rewardAfter = 20}));
    }

    // Only pictures whose symbol and attribute are both targets are drawn; a mastered one comes back
    // once in `reviewEvery` sets. The defaults, and every picture a target, leave the draw to the
    // exercise, which then draws exactly as it always did.
    void drawsAmongTargetsAndReviewsOnceInN()
    {
        int asked = 0;
        const auto random = [&asked, n = 0](std::int16_t count) mutable {
            ++asked;
            return std::int32_t(n++ % count + 1);
        };
        TeachingDraw defaults({}, {}, Objects, random);
        TeachingDraw everyTarget({.reviewEvery = 3}, {}, Objects, random);
        QVERIFY(!defaults.next() && !everyTarget.next() && asked == 0);

        const TeachingSettings red{.symbolTargets = Targets{"CUP", "PEN"}, .attributeTargets = Targets{"COLOUR.RED"}};
        TeachingDraw targets(red, {}, Objects, random);
        QSet<std::int16_t> drawn;
        for (int i = 0; i < 6; ++i) {
            const auto choice = targets.next();
            QVERIFY(choice && choice->kind == Kind::Teach);
            drawn.insert(choice->position);
        }
        QCOMPARE(drawn, QSet<std::int16_t>({1, 3}));

        TeachingSettings review = red;
        review.reviewEvery = 3;
        TeachingDraw draw(review, {.masteredSymbols = {"CUP"}, .masteredAttributes = {"COLOUR.RED"}}, Objects, random);
        QList<Kind> kinds;
        for (int i = 0; i < 6; ++i) {
            const auto choice = draw.next();
            QVERIFY(choice && choice->position == (choice->kind == Kind::Review ? 1 : 3));
            kinds << choice->kind;
        }
        QCOMPARE(kinds, QList<Kind>({Kind::Teach, Kind::Teach, Kind::Review, Kind::Teach, Kind::Teach, Kind::Review}));
        // A set planned ahead and taken back does not count towards the next review.
        draw.next();
        draw.takeBack();
        for (Kind kind : {Kind::Teach, Kind::Teach, Kind::Review})
            QCOMPARE(draw.next()->kind, kind);
    }

    // After a wrong answer the same object comes back once, as a correction set, when correction is
    // on; a set planned ahead gives way to it, and a correction taken back is still owed.
    void correctionBringsTheObjectBack()
    {
        const auto first = [](std::int16_t) { return 1; };
        TeachingDraw off({.symbolTargets = Targets{"CUP"}}, {}, Objects, first);
        off.wrongAnswerIn(2);
        QCOMPARE(off.next()->kind, Kind::Teach);

        TeachingDraw draw({.symbolTargets = Targets{"CUP", "PEN"}, .correctionSet = true}, {}, Objects, first);
        draw.next();
        draw.wrongAnswerIn(3);
        draw.takeBack();
        const auto correction = draw.next();
        QVERIFY(correction && correction->position == 3 && correction->kind == Kind::Correction);
        draw.takeBack();
        QCOMPARE(draw.next()->kind, Kind::Correction);
        QCOMPARE(draw.next()->kind, Kind::Teach);

        // A random draw that failed (it reports and gives 0) still picks a target.
        TeachingDraw failing({.symbolTargets = Targets{"CUP", "PEN"}}, {}, Objects, [](std::int16_t) { return 0; });
        QVERIFY(failing.targetPositions().contains(failing.next()->position));
    }

    // Each row's target is prompted at once for its first trials, counted over the earlier sessions
    // and this one; an attribute's trials are shared by every picture that has it.
    void errorlessTrialsRunOut()
    {
        const QString cup = QStringLiteral("cup.colour.red.jpg"), pen = QStringLiteral("pen.colour.red.jpg");
        QVERIFY(!ErrorlessTrials(0, {}).promptAtOnce(AnswerRow::Symbol, cup));
        ErrorlessTrials trials(2, {.symbolTrials = {{"CUP", 1}}});
        QVERIFY(trials.promptAtOnce(AnswerRow::Symbol, cup));
        trials.trialDone(AnswerRow::Symbol, cup);
        QVERIFY(!trials.promptAtOnce(AnswerRow::Symbol, cup) && trials.promptAtOnce(AnswerRow::Symbol, pen));
        trials.trialDone(AnswerRow::Attribute, cup);
        QVERIFY(trials.promptAtOnce(AnswerRow::Attribute, pen));
        trials.trialDone(AnswerRow::Attribute, pen);
        QVERIFY(!trials.promptAtOnce(AnswerRow::Attribute, cup));
    }

    // The "Targets" list: the collection's targets once each, what is stored. The dialog's test
    // shows the list and what a choice keeps.
    void targetChoice()
    {
        // The exercise's list of an empty folder holds one empty name: it is no target.
        const CollectionTargets targets = collectionTargets(Objects + QStringList{QString()});
        QCOMPARE(targets.symbols, QStringList({"CUP", "HAT", "PEN"}));
        QCOMPARE(targets.attributes, QStringList({"COLOUR.BLUE", "COLOUR.RED", "SIZE.BIG"}));
        // Every one checked is every target; with no object pictures the targets stay.
        const TeachingSettings before{.symbolTargets = Targets{"CUP", "BALL"}, .rewardAfter = 3};
        const auto all = TargetChoice(Objects, before).withTargets({}, {"CUP", "HAT", "PEN"}, {"COLOUR.RED"});
        QVERIFY(all && !all->symbolTargets && all->attributeTargets == Targets{"COLOUR.RED"});
        QCOMPARE(TargetChoice({}, before).withTargets({}, {}, {}),
                 std::optional(TeachingSettings{.symbolTargets = before.symbolTargets}));
    }
};

QTEST_GUILESS_MAIN(TestTeaching)
#include "test_teaching.moc"
