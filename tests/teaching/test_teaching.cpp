#include "teaching/TargetChoice.h"
#include "teaching/TeachingDraw.h"

#include <QtTest>

using namespace tessarine;
using Kind = AnswerLog::SetKind;

namespace {

// cup red, cup blue, pen red, pen blue, hat big.
const QStringList Objects{"cup.colour.red.jpg", "cup.colour.blue.jpg", "pen.colour.red.jpg", "pen.colour.blue.jpg",
                          "hat.size.big.jpg"};

QSet<QString> set(std::initializer_list<const char*> names)
{
    QSet<QString> result;
    for (const char* name : names)
        result.insert(QString::fromLatin1(name));
    return result;
}

// A fixed random source: hands out 1, 2, 3, ... (wrapped to the count) and keeps each count asked for.
struct FixedDraw {
    std::int32_t operator()(std::int16_t count)
    {
        counts->append(count);
        return std::int32_t(++*next % count) + 1;
    }
    std::shared_ptr<int> next = std::make_shared<int>(-1);
    std::shared_ptr<QList<int>> counts = std::make_shared<QList<int>>();
};

} // namespace

class TestTeaching : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What the records keep comes back as it was; a value out of its range is brought into it, and
    // the defaults keep nothing at all.
    void settingsRoundTrip()
    {
        const TeachingSettings edited{.symbolTargets = set({"CUP", "PEN"}),
                                      .attributeTargets = QSet<QString>(),
                                      .reviewEvery = 4,
                                      .promptDelayMs = 3000,
                                      .promptAfterWrong = true,
                                      .errorlessTrials = 2,
                                      .correctionSet = true,
                                      .rewardAfter = 5};
        QCOMPARE(TeachingSettings::fromMap(edited.toMap()), edited);
        QVERIFY(TeachingSettings().toMap().isEmpty() && TeachingSettings::fromMap({}).isDefault());

        const TeachingSettings low = TeachingSettings::fromMap(
            {{"ReviewEvery", "1"}, {"PromptDelayMs", "100"}, {"ErrorlessTrials", "-3"}, {"RewardAfter", "x"}, {"Later", "9"}});
        QCOMPARE(low, (TeachingSettings{.reviewEvery = 2, .promptDelayMs = 500}));
        const TeachingSettings high = TeachingSettings::fromMap(
            {{"ReviewEvery", "99"}, {"PromptDelayMs", "99999"}, {"ErrorlessTrials", "51"}, {"RewardAfter", "21"}});
        QCOMPARE(high, (TeachingSettings{.reviewEvery = 20, .promptDelayMs = 30000, .errorlessTrials = 50, .rewardAfter = 20}));
    }

    // Only pictures whose symbol and attribute are both targets are drawn; a mastered one comes back
    // once in `reviewEvery` sets. The defaults, and every picture a target, leave the draw as it was.
    void drawsAmongTargetsAndReviewsOnceInN()
    {
        FixedDraw random;
        TeachingDraw defaults({}, {}, Objects, random);
        QVERIFY(!defaults.next() && !defaults.next());
        TeachingDraw everyTarget({.reviewEvery = 3}, {}, Objects, random);
        QVERIFY(!everyTarget.next());
        QVERIFY(random.counts->isEmpty());

        const TeachingSettings settings{.symbolTargets = set({"CUP", "PEN"}), .attributeTargets = set({"COLOUR.RED"})};
        TeachingDraw targets(settings, {}, Objects, random);
        QCOMPARE(targets.targetPositions(), QList<std::int16_t>({1, 3}));
        QSet<std::int16_t> drawn;
        for (int i = 0; i < 10; ++i) {
            const auto choice = targets.next();
            QVERIFY(choice && choice->kind == Kind::Teach);
            drawn.insert(choice->position);
        }
        QCOMPARE(drawn, QSet<std::int16_t>({1, 3}));

        TeachingHistory history{.masteredSymbols = set({"CUP"}), .masteredAttributes = set({"COLOUR.RED"})};
        TeachingDraw review(
            {.symbolTargets = settings.symbolTargets, .attributeTargets = settings.attributeTargets, .reviewEvery = 3}, history,
            Objects, random);
        QList<Kind> kinds;
        for (int i = 0; i < 6; ++i) {
            const auto choice = review.next();
            QVERIFY(choice && choice->position == (choice->kind == Kind::Review ? 1 : 3));
            kinds << choice->kind;
        }
        QCOMPARE(kinds, QList<Kind>({Kind::Teach, Kind::Teach, Kind::Review, Kind::Teach, Kind::Teach, Kind::Review}));
        // A set planned ahead and taken back does not count towards the next review.
        review.next();
        review.takeBack();
        for (Kind kind : {Kind::Teach, Kind::Teach, Kind::Review})
            QCOMPARE(review.next()->kind, kind);
    }

    // After a wrong answer the same object comes back once, as a correction set, when correction is
    // on; a set planned ahead gives way to it, and a correction taken back comes again.
    void correctionBringsTheObjectBack()
    {
        FixedDraw random;
        TeachingDraw off({.symbolTargets = set({"CUP"})}, {}, Objects, random);
        off.wrongAnswerIn(2);
        QCOMPARE(off.next()->kind, Kind::Teach);

        TeachingDraw draw({.symbolTargets = set({"CUP", "PEN"}), .correctionSet = true}, {}, Objects, random);
        draw.next();
        draw.wrongAnswerIn(3);
        draw.takeBack();
        const auto correction = draw.next();
        QVERIFY(correction && correction->position == 3 && correction->kind == Kind::Correction);
        draw.takeBack();
        QCOMPARE(draw.next()->kind, Kind::Correction);
        QCOMPARE(draw.next()->kind, Kind::Teach);
    }

    // Each row's target is prompted at once for its first trials, counted over the earlier sessions
    // and this one; then no more.
    void errorlessTrialsRunOut()
    {
        const QString cup = QStringLiteral("cup.colour.red.jpg");
        ErrorlessTrials none(0, {});
        QVERIFY(!none.promptAtOnce(AnswerLog::Row::Symbol, cup));

        ErrorlessTrials trials(2, {.symbolTrials = {{"CUP", 1}}});
        QVERIFY(trials.promptAtOnce(AnswerLog::Row::Symbol, cup));
        trials.trialDone(AnswerLog::Row::Symbol, cup);
        QVERIFY(!trials.promptAtOnce(AnswerLog::Row::Symbol, cup));
        // The pen's red is the cup's red: the attribute's trials are shared.
        for (const char* object : {"cup.colour.red.jpg", "pen.colour.red.jpg"}) {
            QVERIFY(trials.promptAtOnce(AnswerLog::Row::Attribute, QString::fromLatin1(object)));
            trials.trialDone(AnswerLog::Row::Attribute, QString::fromLatin1(object));
        }
        QVERIFY(!trials.promptAtOnce(AnswerLog::Row::Attribute, cup));
        QVERIFY(trials.promptAtOnce(AnswerLog::Row::Symbol, QStringLiteral("pen.colour.red.jpg")));
    }

    void tokensFillAndStartAgain()
    {
        TokenBoard board(3);
        QCOMPARE(QList<bool>({board.earn(), board.earn(), board.earn()}), QList<bool>({false, false, true}));
        QCOMPARE(board.filled(), 0);
        QVERIFY(!board.earn() && board.filled() == 1);
        TokenBoard off(0);
        QVERIFY(!off.earn() && off.filled() == 0);
    }

    // The "Targets" list: the collection's targets, once each; what shows checked; what is stored.
    void targetChoice()
    {
        // The exercise's list of an empty folder holds one empty name: it is no target.
        const CollectionTargets targets = collectionTargets(Objects + QStringList{QString()});
        QCOMPARE(targets.symbols, QStringList({"CUP", "HAT", "PEN"}));
        QCOMPARE(targets.attributes, QStringList({"COLOUR.BLUE", "COLOUR.RED", "SIZE.BIG"}));

        // A target of another collection (BALL) is not shown, and is kept.
        const TeachingSettings before{.symbolTargets = set({"CUP", "BALL"}), .rewardAfter = 3};
        const TargetChoice choice(Objects, before);
        QCOMPARE(choice.checkedSymbols(), set({"CUP"}));
        QCOMPARE(choice.checkedAttributes(), set({"COLOUR.BLUE", "COLOUR.RED", "SIZE.BIG"}));
        QCOMPARE(choice.objectsLeft(set({"CUP", "PEN"}), set({"COLOUR.RED"})), 2);

        QVERIFY(!choice.withTargets(before, set({"HAT"}), set({"COLOUR.RED"})));
        const auto pen = choice.withTargets(before, set({"PEN"}), set({"COLOUR.RED", "COLOUR.BLUE", "SIZE.BIG"}));
        QVERIFY(pen && pen->symbolTargets == set({"PEN", "BALL"}) && !pen->attributeTargets && pen->rewardAfter == 3);
        // Every one checked is every target.
        const auto all = choice.withTargets({}, set({"CUP", "HAT", "PEN"}), set({"COLOUR.RED"}));
        QVERIFY(all && !all->symbolTargets && all->attributeTargets == set({"COLOUR.RED"}));
        // No object pictures: nothing to choose from, the targets stay.
        QCOMPARE(TargetChoice({}, before).withTargets({}, {}, {}),
                 std::optional(TeachingSettings{.symbolTargets = before.symbolTargets}));
    }
};

QTEST_GUILESS_MAIN(TestTeaching)
#include "test_teaching.moc"
