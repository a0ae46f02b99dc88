#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "platform/doubles/TestDoubles.h"

#include <QSet>
#include <QtTest>

#include <cmath>

using namespace tessarine;

class TestModule1 : public QObject {
    Q_OBJECT

    doubles::TestPlatform* m_platform = nullptr;
    Module1* m_module = nullptr;

private Q_SLOTS:
    void init()
    {
        m_platform = new doubles::TestPlatform(QStringLiteral("/nowhere"));
        m_module = new Module1(m_platform->messageBox, m_platform->random);
    }
    void cleanup()
    {
        delete m_module;
        delete m_platform;
    }

    void partsOfNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("expected");
        QTest::newRow("symbol key") << "cup.colour.red.jpg" << 1 << "cup";
        QTest::newRow("category") << "cup.colour.red.jpg" << 2 << "colour";
        QTest::newRow("value") << "cup.colour.red.jpg" << 3 << "red";
        QTest::newRow("extension is the last part") << "cup.colour.red.jpg" << 4 << "jpg";
        QTest::newRow("between two full stops") << "a..b" << 2 << "";
        QTest::newRow("after a final full stop") << "a.b." << 3 << "";
        QTest::newRow("before a leading full stop") << ".b" << 1 << "";
        QTest::newRow("no full stop at all") << "cup" << 1 << "cup";
        QTest::newRow("part 1 of the empty text") << "" << 1 << "";
    }
    void partsOfNames()
    {
        QFETCH(QString, text);
        QFETCH(int, part);
        QFETCH(QString, expected);
        QCOMPARE(m_module->EstraiParte(text, static_cast<std::int16_t>(part)), expected);
        QVERIFY2(m_platform->messageBox.shown.isEmpty(), qPrintable(m_platform->messageBox.shown.join(u'|')));
    }

    void missingPartCostsTwoReports_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("part");
        QTest::newRow("beyond the last part") << "cup.colour.red.jpg" << 5;
        QTest::newRow("part 2 of the empty text") << "" << 2;
        QTest::newRow("part 3 of a symbol name") << "cup.jpg" << 3;
        QTest::newRow("part 0") << "cup.colour.red.jpg" << 0;
    }
    void missingPartCostsTwoReports()
    {
        QFETCH(QString, text);
        QFETCH(int, part);
        QCOMPARE(m_module->EstraiParte(text, static_cast<std::int16_t>(part)), QString());
        const QString report = QStringLiteral("Error \"Invalid argument\" in EstraiParte() function");
        QCOMPARE(m_platform->messageBox.shown, QStringList({report, report}));
    }

    void drawStaysWithinItsCount()
    {
        // The largest single below 1: in single precision count * r + 1 rounds up to count + 1 for
        // some counts (1 among them), which would point past the end of a list.
        const float justBelowOne = std::nextafter(1.0f, 0.0f);
        int roundingUp = 0;
        for (int count = 1; count <= 1000; ++count) {
            roundingUp += std::floor(static_cast<float>(count) * justBelowOne + 1.0f) > count;
            m_platform->random.values = {justBelowOne, 0.0f};
            QCOMPARE(m_module->Casuale(static_cast<std::int16_t>(count)), count);
            QCOMPARE(m_module->Casuale(static_cast<std::int16_t>(count)), 1);
        }
        QVERIFY(roundingUp > 0);
        m_platform->random.values = {0.5f, justBelowOne};
        QCOMPARE(m_module->Casuale(0), 1);
        QCOMPARE(m_module->Casuale(0), 1);
        QVERIFY(m_platform->messageBox.shown.isEmpty());
        // Every draw re-seeds first.
        QCOMPARE(m_platform->random.reseeds, 2002);
    }

    void drawsAreEvenAndVaryInQuickSuccession()
    {
        // The real generator, re-seeded from the clock at every call as in a distractor draw.
        ClockRandomSource clockRandom;
        doubles::TestPlatform platform(QStringLiteral("/nowhere"));
        Module1 module(platform.messageBox, clockRandom);
        const int draws = 20000;
        QMap<int, int> counts;
        for (int i = 0; i < draws; ++i)
            ++counts[module.Casuale(2)];
        QCOMPARE(counts.keys(), QList<int>({1, 2}));
        // Far beyond any chance deviation (about 14 standard deviations), so this never flakes.
        QVERIFY2(std::abs(counts[1] - draws / 2) < 1000, qPrintable(QString::number(counts[1])));

        QSet<int> seen;
        int previous = 0;
        int repeats = 0;
        for (int i = 0; i < 5000; ++i) {
            const int value = module.Casuale(1000);
            QVERIFY(value >= 1 && value <= 1000);
            seen.insert(value);
            repeats += value == previous;
            previous = value;
        }
        QVERIFY(seen.size() > 900);
        QVERIFY(repeats < 50);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(module.Casuale(1), 1);
    }

    void errorReports()
    {
        const RuntimeError error = noImageFound();
        QCOMPARE(error.number(), 550);
        QCOMPARE(errorReportText(error, QStringLiteral("CaricaImmagini"), ProcedureKind::Routine),
                 QStringLiteral("Error \"No image found: plase check images folders\" in CaricaImmagini() routine"));
        QCOMPARE(errorReportText(overflow(), QStringLiteral("Casuale"), ProcedureKind::Function),
                 QStringLiteral("Error \"Overflow\" in Casuale() function"));
        QCOMPARE(fatalReportText(error), QStringLiteral("Run-time error '550': No image found: plase check images folders"));

        // A guarded procedure reports each failing step and goes on; a failing test enters its branch.
        Guard guard(m_platform->messageBox, QStringLiteral("Form_Load"));
        QStringList done;
        QVERIFY(!guard.step([] { throw typeMismatch(); }));
        QVERIFY(guard.step([&] { done << QStringLiteral("next step"); }));
        QVERIFY(guard.test([]() -> bool { throw std::bad_alloc(); }));
        QVERIFY(!guard.test([] { return false; }));
        QVERIFY(!guard.step([] { throw std::runtime_error("boom"); }));
        QCOMPARE(done, QStringList({QStringLiteral("next step")}));
        QCOMPARE(m_platform->messageBox.shown, QStringList({QStringLiteral("Error \"Type mismatch\" in Form_Load() routine"),
                                                            QStringLiteral("Error \"Out of memory\" in Form_Load() routine"),
                                                            QStringLiteral("Error \"boom\" in Form_Load() routine")}));

        m_platform->messageBox.shown.clear();
        runUnguarded(m_platform->messageBox, [] { throw noImageFound(); });
        QCOMPARE(m_platform->messageBox.shown,
                 QStringList({QStringLiteral("Run-time error '550': No image found: plase check images folders")}));
    }
};

QTEST_GUILESS_MAIN(TestModule1)
#include "test_module1.moc"
