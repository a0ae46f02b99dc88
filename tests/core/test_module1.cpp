#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "platform/doubles/TestDoubles.h"

#include <QSet>
#include <QtTest>

#include <cmath>

using namespace tessarine;

class TestModule1 : public QObject {
    Q_OBJECT

    doubles::TestPlatform m_platform{QStringLiteral("/nowhere")};
    Module1 m_module{m_platform.messageBox, m_platform.random};

private Q_SLOTS:
    void init() { m_platform.messageBox.shown.clear(); }

    void drawStaysWithinItsCount()
    {
        // The largest single below 1: in single precision count * r + 1 rounds up to count + 1 for
        // some counts (1 among them), which would point past the end of a list.
        const float justBelowOne = std::nextafter(1.0f, 0.0f);
        for (int count = 1; count <= 1000; ++count) {
            m_platform.random.values = {justBelowOne, 0.0f};
            QCOMPARE(m_module.Casuale(static_cast<std::int16_t>(count)), count);
            QCOMPARE(m_module.Casuale(static_cast<std::int16_t>(count)), 1);
        }
        QVERIFY(m_platform.messageBox.shown.isEmpty());
    }

    void drawsAreEvenAndVaryInQuickSuccession()
    {
        // The real generator, re-seeded from the clock at every call as in a distractor draw.
        ClockRandomSource clockRandom;
        Module1 module(m_platform.messageBox, clockRandom);
        QSet<int> seen;
        int lowerHalf = 0;
        int repeats = 0;
        for (int i = 0, previous = 0; i < 20000; ++i) {
            const int value = module.Casuale(1000);
            QVERIFY(value >= 1 && value <= 1000);
            seen.insert(value);
            lowerHalf += value <= 500;
            repeats += value == previous;
            previous = value;
        }
        // Far beyond any chance deviation (about 14 standard deviations, 18 for the repeats), so
        // this never flakes.
        QVERIFY2(std::abs(lowerHalf - 10000) < 1000, qPrintable(QString::number(lowerHalf)));
        QVERIFY2(repeats < 100, qPrintable(QString::number(repeats)));
        QVERIFY(seen.size() > 990);
    }

    // A guarded procedure reports each failing step and goes on; a failing test enters its branch.
    // What reaches the event loop is shown with its number.
    void errorReports()
    {
        Guard guard(m_platform.messageBox, QStringLiteral("Form_Load"));
        QVERIFY(!guard.step([] { throw typeMismatch(); }));
        QVERIFY(guard.step([] {}));
        QVERIFY(guard.test([]() -> bool { throw std::bad_alloc(); }));
        QVERIFY(!guard.test([] { return false; }));
        QVERIFY(!guard.step([] { throw std::runtime_error("boom"); }));
        runUnguarded(m_platform.messageBox, [] { throw noImageFound(); });
        QCOMPARE(m_platform.messageBox.shown,
                 QStringList({"Error \"Type mismatch\" in Form_Load() routine", "Error \"Out of memory\" in Form_Load() routine",
                              "Error \"boom\" in Form_Load() routine",
                              "Run-time error '550': No image found: plase check images folders"}));
    }
};

QTEST_GUILESS_MAIN(TestModule1)
#include "test_module1.moc"
