#include "core/Module1.h"
#include "exercise/SetPlan.h"
#include "platform/doubles/TestDoubles.h"

#include <QtTest>

using namespace tessarine;

struct Input {
    QStringList images, symbols, attributes;
    bool distractors = true;
};
Q_DECLARE_METATYPE(Input)

namespace {

// A run's list as the options window fills it from a folder; planning reads nothing else.
void fill(NameTable& table, std::int16_t& count, const QStringList& names)
{
    for (qsizetype i = 0; i < names.size(); ++i)
        table[i + 1] = names[i];
    count = static_cast<std::int16_t>(names.size());
}

// The steps of a plan in a few words each, as the window would get them ("?" marks a distractor).
QStringList described(const SetPlan& plan)
{
    QStringList steps;
    for (const PlanStep& step : plan.steps) {
        const QString element = QStringLiteral("%1%2").arg(QChar(step.row == Row::Symbols ? u'S' : u'A')).arg(step.index);
        const QString picture = step.picture >= 0 ? plan.pictures.at(step.picture).name : QString();
        if (step.kind == PlanStep::Kind::Report)
            steps << QStringLiteral("report");
        else if (step.kind == PlanStep::Kind::ObjectPicture)
            steps << QStringLiteral("object ") + picture;
        else if (step.kind == PlanStep::Kind::Caption)
            steps << QStringLiteral("caption ") + step.text;
        else if (step.kind == PlanStep::Kind::AnswerPicture)
            steps << QStringLiteral("%1 %2%3").arg(element, picture, step.draw >= 0 ? "?" : "");
        else if (step.kind == PlanStep::Kind::RightAnswer)
            steps << element + QStringLiteral(" OK");
        else if (step.kind == PlanStep::Kind::End)
            steps << QStringLiteral("end %1").arg(step.error->number());
    }
    return steps;
}

const Input Cup{{"cup.colour.red.jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.blue.jpg", "colour.red.jpg", "size.red.jpg"}};

} // namespace

class TestPlan : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The steps of a set in the order the window gets them, with the random draws in a set's order:
    // object, symbol side, symbol distractor, attribute side, attribute distractor. A side draw of
    // 0.99 gives the distractor element 1. Where the rules end a set, the plan ends with the error,
    // the window left as far as it got.
    void stepsInTheSetsOrder_data()
    {
        QTest::addColumn<Input>("input");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QStringList>("steps");
        const QStringList cup{"object cup.colour.red.jpg", "caption CUP RED"};
        // A draw that hits the right answer (cup, red) is tried again.
        QTest::newRow("right answers right, misses")
            << Cup << QList<float>{0.0f, 0.0f, 0.0f, 0.99f, 0.0f, 0.99f, 0.0f}
            << cup + QStringList{"S1 cup.jpg", "S1 OK", "S0 pen.jpg?", "A1 colour.red.jpg", "A1 OK", "A0 colour.blue.jpg?"};
        const QList<float> leftAndPen{0.0f, 0.99f, 0.99f, 0.99f};
        const QStringList penAsDistractor{"S0 cup.jpg", "S0 OK", "S1 pen.jpg?"};
        QTest::newRow("one value in the category")
            << Input{Cup.images, Cup.symbols, {"colour.red.jpg", "size.big.jpg"}} << leftAndPen
            << cup + penAsDistractor + QStringList{"A0 colour.red.jpg", "A0 OK", "end 550"};
        // No attribute of the category: the draw takes the empty name, which loads the folder itself.
        QTest::newRow("category without attributes")
            << Input{{"cup.shape.round.jpg"}, Cup.symbols, {"colour.red.jpg"}} << leftAndPen
            << QStringList{"object cup.shape.round.jpg", "caption CUP ROUND"} + penAsDistractor
                   + QStringList{"report", "report", "A1 ?"};
        // A name without a value: two reports for every reading of the missing part, each before the
        // step it belongs to.
        QTest::newRow("name without a value")
            << Input{{"cup.jpg"}, {"cup.jpg", "pen.jpg"}, {"colour.red.jpg", "colour.blue.jpg"}, false} << QList<float>{0.0f}
            << QStringList{"object cup.jpg", "report", "report", "caption CUP ", "S0 cup.jpg", "S0 OK"}
                   + QStringList(4, "report");
    }
    void stepsInTheSetsOrder()
    {
        QFETCH(Input, input);
        QFETCH(QList<float>, draws);
        QFETCH(QStringList, steps);
        doubles::TestPlatform platform(QStringLiteral("/program"));
        platform.random.values.assign(draws.begin(), draws.end());
        Module1 run(platform.messageBox, platform.random);
        fill(run.ElencoImmagini, run.NumImmagini, input.images);
        fill(run.ElencoSimboli, run.NumSimboli, input.symbols);
        fill(run.ElencoAttributi, run.NumAttributi, input.attributes);
        run.SameCategoryAttributes = run.UseSequence = true;
        run.ShowSymbolsDistractor = run.ShowAttributesDistractor = input.distractors;
        QCOMPARE(described(SetPlanner(run).plan()), steps);
        QVERIFY(platform.messageBox.shown.isEmpty()); // nothing is shown while planning
    }
};

QTEST_GUILESS_MAIN(TestPlan)
#include "test_plan.moc"
