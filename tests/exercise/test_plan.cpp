#include "core/Module1.h"
#include "exercise/SetPlan.h"
#include "platform/doubles/TestDoubles.h"

#include <QtTest>

using namespace tessarine;

namespace {

struct Lists {
    QStringList images, symbols, attributes;
};

} // namespace
Q_DECLARE_METATYPE(Lists)
namespace {

// A run's lists and options without any folder: planning reads nothing else.
struct Run {
    explicit Run(const Lists& lists, bool sameCategory = true)
        : module(box, random)
    {
        const auto fill = [](NameTable& table, std::int16_t& count, const QStringList& names) {
            for (qsizetype i = 0; i < names.size(); ++i)
                table[i + 1] = names[i];
            count = static_cast<std::int16_t>(std::max<qsizetype>(names.size(), 1));
        };
        fill(module.ElencoImmagini, module.NumImmagini, lists.images);
        fill(module.ElencoSimboli, module.NumSimboli, lists.symbols);
        fill(module.ElencoAttributi, module.NumAttributi, lists.attributes);
        module.ShowSymbolsDistractor = module.ShowAttributesDistractor = true;
        module.SameCategoryAttributes = sameCategory;
        module.UseSequence = true;
    }

    doubles::RecordingMessageBox box;
    doubles::ScriptedRandom random;
    Module1 module;
};

// The steps of a plan in a few words each, as the window would get them.
QStringList described(const SetPlan& plan)
{
    QStringList steps;
    const auto row = [](Row r) { return r == Row::Symbols ? QStringLiteral("S") : QStringLiteral("A"); };
    for (const PlanStep& step : plan.steps) {
        const QString picture = step.picture >= 0 ? plan.pictures.at(step.picture).name : QString();
        switch (step.kind) {
        case PlanStep::Kind::Begin:
            steps << (step.attributeRowVisible ? QStringLiteral("begin") : QStringLiteral("begin, attributes hidden"));
            break;
        case PlanStep::Kind::Report:
            steps << QStringLiteral("report");
            break;
        case PlanStep::Kind::ObjectPicture:
            steps << QStringLiteral("object ") + picture;
            break;
        case PlanStep::Kind::Caption:
            steps << QStringLiteral("caption ") + step.text;
            break;
        case PlanStep::Kind::Search:
            break;
        case PlanStep::Kind::AnswerPicture:
            steps << QStringLiteral("%1%2 %3%4").arg(row(step.row)).arg(step.index).arg(picture, step.draw >= 0 ? "?" : "");
            break;
        case PlanStep::Kind::RightAnswer:
            steps << QStringLiteral("%1%2 OK").arg(row(step.row)).arg(step.index);
            break;
        case PlanStep::Kind::End:
            steps << QStringLiteral("end %1").arg(step.error->number());
            break;
        }
    }
    return steps;
}

const Lists Cup{{"cup.colour.red.jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.blue.jpg", "colour.red.jpg", "size.red.jpg"}};

} // namespace

class TestPlan : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Random draws in a set: object, symbol side, symbol distractor, attribute side, attribute
    // distractor. A side draw of 0.99 gives the distractor element 1.
    void stepsInTheSetsOrder_data()
    {
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("right answers left") << QList<float>{0.0f, 0.99f, 0.99f, 0.99f, 0.0f}
                                            << QStringList{"S0 cup.jpg",        "S0 OK", "S1 pen.jpg?",
                                                           "A0 colour.red.jpg", "A0 OK", "A1 colour.blue.jpg?"};
        // A draw that hits the right answer (cup, red) is tried again.
        QTest::newRow("right answers right, misses")
            << QList<float>{0.0f, 0.0f, 0.0f, 0.99f, 0.0f, 0.99f, 0.0f}
            << QStringList{"S1 cup.jpg", "S1 OK", "S0 pen.jpg?", "A1 colour.red.jpg", "A1 OK", "A0 colour.blue.jpg?"};
    }
    void stepsInTheSetsOrder()
    {
        QFETCH(QList<float>, draws);
        QFETCH(QStringList, steps);
        Run run(Cup);
        run.random.values.assign(draws.begin(), draws.end());
        const SetPlan plan = SetPlanner(run.module).plan();
        QCOMPARE(described(plan),
                 QStringList({"begin, attributes hidden", "object cup.colour.red.jpg", "caption CUP RED"}) + steps);
        QVERIFY(run.random.values.empty());
        QVERIFY(run.box.shown.isEmpty()); // nothing is shown while planning
    }

    // Where the rules end a set, the plan ends with the error, the window left as far as it got.
    void earlyEnds_data()
    {
        QTest::addColumn<Lists>("lists");
        QTest::addColumn<bool>("sameCategory");
        QTest::addColumn<QStringList>("tail");
        QTest::newRow("one symbol key") << Lists{{"cup.colour.red.jpg"}, {"cup.jpg", "CUP.2.jpg"}, Cup.attributes} << true
                                        << QStringList{"S0 cup.jpg", "S0 OK", "end 550"};
        QTest::newRow("one value in the category")
            << Lists{{"cup.colour.red.jpg"}, Cup.symbols, {"colour.red.jpg", "size.big.jpg"}} << true
            << QStringList{"S1 pen.jpg?", "A0 colour.red.jpg", "A0 OK", "end 550"};
        QTest::newRow("every attribute has the value")
            << Lists{{"cup.colour.red.jpg"}, Cup.symbols, {"colour.red.jpg", "size.red.jpg"}} << false
            << QStringList{"S1 pen.jpg?", "A0 colour.red.jpg", "A0 OK", "end 550"};
        // No attribute of the category: the draw takes the empty name, which loads the folder itself.
        QTest::newRow("category without attributes") << Lists{{"cup.shape.round.jpg"}, Cup.symbols, {"colour.red.jpg"}} << true
                                                     << QStringList{"S1 pen.jpg?", "report", "report", "A1 ?"};
    }
    void earlyEnds()
    {
        QFETCH(Lists, lists);
        QFETCH(bool, sameCategory);
        QFETCH(QStringList, tail);
        Run run(lists, sameCategory);
        // Object, right answers to the left, pen as symbol distractor; the rest from the generator.
        run.random.values = {0.0f, 0.99f, 0.99f, 0.99f};
        const SetPlan plan = SetPlanner(run.module).plan();
        QVERIFY(run.random.values.empty());
        const QStringList steps = described(plan);
        QCOMPARE(steps.mid(steps.size() - tail.size()), tail);
        if (tail.last() == QStringLiteral("end 550")) {
            QCOMPARE(plan.end()->description(), QStringLiteral("No image found: plase check images folders"));
            QCOMPARE(plan.draws.last().usableCount(), 0);
            QCOMPARE(plan.draws.last().failureChance(), 1.0);
        }
        // The checker's reading of the same set ends the same way, without drawing.
        QCOMPARE(described(SetPlanner(run.module).planAt(1, SetPlanner::Draws::Analyse)).last() == QStringLiteral("end 550"),
                 tail.last() == QStringLiteral("end 550"));
    }

    // A name without a value: two reports for every reading of the missing part, each before the
    // step it belongs to.
    void reportsAtTheirPlace()
    {
        Run run({{"cup.jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"}});
        run.module.ShowSymbolsDistractor = run.module.ShowAttributesDistractor = false;
        const SetPlan plan = SetPlanner(run.module).plan();
        QCOMPARE(described(plan), QStringList({"begin, attributes hidden", "object cup.jpg", "report", "report", "caption CUP ",
                                               "S0 cup.jpg", "S0 OK", "report", "report", "report", "report"}));
        QCOMPARE(plan.steps.at(2).text, QStringLiteral("Error \"Invalid argument\" in EstraiParte() function"));
        QVERIFY(run.box.shown.isEmpty());
    }

    // What the checker reads off a draw: the pool, the usable names, the chance that all attempts miss.
    void distractorPools()
    {
        Run run(Cup, false);
        const SetPlan plan = SetPlanner(run.module).planAt(1, SetPlanner::Draws::Analyse);
        QCOMPARE(plan.draws.size(), 2);
        QCOMPARE(plan.draws[0].usableNames(), QStringList{"pen.jpg"});
        // Full random: any category, but never the object's value name.
        QCOMPARE(plan.draws[1].pool, Cup.attributes);
        QCOMPARE(plan.draws[1].usableNames(), QStringList{"colour.blue.jpg"});
        QVERIFY(plan.draws[1].failureChance() < 1e-300);

        QStringList symbols{"pen.jpg"};
        for (int i = 1; i < 1000; ++i)
            symbols << QStringLiteral("cup.%1.jpg").arg(i);
        Run many({{"cup.colour.red.jpg"}, symbols, Cup.attributes});
        const double chance = SetPlanner(many.module).planAt(1, SetPlanner::Draws::Analyse).draws[0].failureChance();
        QVERIFY2(qAbs(chance - 4.517e-5) < 0.001e-5, qPrintable(QString::number(chance)));
    }
};

QTEST_GUILESS_MAIN(TestPlan)
#include "test_plan.moc"
