#include "exercise/SetOutcome.h"
#include "platform/ProgramInfo.h"

#include <QtTest>

#include <cmath>

using namespace tessarine;

namespace {

// The distractor of the symbol row: `usable` of the pool's names can serve, the rest are the
// object's own symbol; the first usable one stands for the draw.
struct Draw {
    int pool = 0;
    int usable = 0;
};

// A set as the planner would lay it out: object picture, right symbol, perhaps a symbol
// distractor, right attribute; or stopped at the distractor draw with error 550.
SetPlan plan(std::optional<Draw> draw, bool stopsAtDraw = false)
{
    SetPlan plan;
    const auto picture = [&plan](PlanStep::Kind kind, Row row, const QString& folder, const QString& name, int drawIndex) {
        plan.pictures.append({folder, name, kind == PlanStep::Kind::ObjectPicture ? DecodeSize::Object : DecodeSize::Answer});
        PlanStep step{kind};
        step.row = row;
        step.picture = static_cast<int>(plan.pictures.size() - 1);
        step.draw = drawIndex;
        plan.steps.append(step);
    };
    picture(PlanStep::Kind::ObjectPicture, Row::Symbols, Folder::Images, QStringLiteral("cup.colour.red.jpg"), -1);
    picture(PlanStep::Kind::AnswerPicture, Row::Symbols, Folder::Symbols, QStringLiteral("cup.jpg"), -1);
    if (draw) {
        DistractorDraw record;
        record.row = Row::Symbols;
        for (int i = 0; i < draw->pool; ++i) {
            record.pool.append(i < draw->usable ? QStringLiteral("other%1.jpg").arg(i) : QStringLiteral("cup.jpg"));
            record.usable.append(i < draw->usable);
        }
        plan.draws.append(record);
        if (stopsAtDraw) {
            PlanStep end{PlanStep::Kind::End};
            end.error = noImageFound();
            end.draw = 0;
            plan.steps.append(end);
            return plan;
        }
        picture(PlanStep::Kind::AnswerPicture, Row::Symbols, Folder::Symbols, record.usableNames().value(0), 0);
    }
    picture(PlanStep::Kind::AnswerPicture, Row::Attributes, Folder::Attributes, QStringLiteral("colour.red.jpg"), -1);
    return plan;
}

const RuntimeError Broken(ErrorNumber::InvalidPicture, QStringLiteral("Invalid picture"));

} // namespace

Q_DECLARE_METATYPE(SetPlan)

class TestSetOutcome : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void outcome_data()
    {
        QTest::addColumn<SetPlan>("plan");
        QTest::addColumn<QStringList>("broken"); // "Folder/name" of the pictures that do not load
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("errorNumber");
        QTest::addColumn<double>("chance");
        QTest::addColumn<bool>("rightSymbolShown");
        QTest::addColumn<bool>("rightAttributeShown");
        QTest::addColumn<QStringList>("unreadableDistractors");

        const int works = int(Outcome::Works), mayFail = int(Outcome::MayFail), fails = int(Outcome::Fails);
        QTest::newRow("every picture loads")
            << plan(Draw{3, 2}) << QStringList{} << works << 0 << 0.0 << true << true << QStringList{};
        QTest::newRow("the object picture does not load: nothing further is reached")
            << plan(std::nullopt) << QStringList{"Images/cup.colour.red.jpg"} << fails << 481 << 0.0 << false << false
            << QStringList{};
        QTest::newRow("the right symbol does not load: the attribute row is never reached")
            << plan(std::nullopt) << QStringList{"Symbols/cup.jpg"} << fails << 481 << 0.0 << true << false << QStringList{};
        QTest::newRow("the draw found nothing: the set ends with 550")
            << plan(Draw{1, 0}, true) << QStringList{} << fails << 550 << 0.0 << true << false << QStringList{};
        // One usable name in a pool of 1000: ten thousand draws all miss with (999/1000)^10000.
        QTest::newRow("a draw that can miss")
            << plan(Draw{1000, 1}) << QStringList{} << mayFail << 550 << std::pow(0.999, 10000) << true << true << QStringList{};
        QTest::newRow("one of two distractors does not load: half the sets stop")
            << plan(Draw{3, 2}) << QStringList{"Symbols/other1.jpg"} << mayFail << 481 << 0.5 << true << true
            << QStringList{"Symbols/other1.jpg"};
        QTest::newRow("no distractor loads: every set stops")
            << plan(Draw{3, 2}) << QStringList{"Symbols/other0.jpg", "Symbols/other1.jpg"} << fails << 481 << 0.0 << true << false
            << QStringList{"Symbols/other0.jpg", "Symbols/other1.jpg"};
    }

    void outcome()
    {
        QFETCH(SetPlan, plan);
        QFETCH(QStringList, broken);
        QFETCH(int, outcome);
        QFETCH(int, errorNumber);
        QFETCH(double, chance);
        QFETCH(bool, rightSymbolShown);
        QFETCH(bool, rightAttributeShown);
        QFETCH(QStringList, unreadableDistractors);

        const SetOptions options{true, false, true};
        const SetOutcome result = setOutcome(
            plan, options, [&](const QString& folder, const QString& name, QSize) -> std::optional<RuntimeError> {
                if (broken.contains(folder + u'/' + name))
                    return Broken;
                return std::nullopt;
            });
        QCOMPARE(int(result.verdict.outcome), outcome);
        QCOMPARE(result.verdict.errorNumber, errorNumber);
        QCOMPARE(result.verdict.errorMessage.isEmpty(), errorNumber == 0);
        QVERIFY2(std::abs(result.verdict.chance - chance) < 1e-9 * std::max(1.0, chance),
                 qPrintable(QString::number(result.verdict.chance)));
        QCOMPARE(result.verdict.options.index(), options.index());
        QCOMPARE(result.rightSymbolShown, rightSymbolShown);
        QCOMPARE(result.rightAttributeShown, rightAttributeShown);
        QCOMPARE(result.unreadableDistractors, unreadableDistractors);
        // Each of these plans gets to its draw when it has one.
        QCOMPARE(result.drawsReached, plan.draws.isEmpty() ? QList<int>{} : QList<int>{0});
    }
};

QTEST_GUILESS_MAIN(TestSetOutcome)
#include "test_set_outcome.moc"
