#include "access/AccessController.h"
#include "access/AccessSettings.h"
#include "access/PressGuard.h"
#include "access/ScaledLayout.h"
#include "access/doubles/AccessDoubles.h"
#include "core/RuntimeError.h"
#include "platform/doubles/TestDoubles.h"

#include <QtTest>

using namespace tessarine;
using doubles::FakeClock;
using doubles::FakeStepTimer;
using doubles::FakeTargets;
using T = AnswerTarget;

namespace {

// One exercise window's worth of access: the targets it shows, a fake clock and the controller.
struct Access {
    explicit Access(const AccessSettings& settings)
        : timer(clock)
        , controller(settings, targets, clock, timer)
    {
    }

    AccessOutcome key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const AccessOutcome pressed = controller.keyPressed(key, modifiers, false);
        const AccessOutcome released = controller.keyReleased(key, false);
        return released.chosen ? released : pressed;
    }
    // The sequence rule's start of a set: the symbol row only.
    void newSetWithSymbolsOnly()
    {
        targets.visible = {T::Symbol0, T::Symbol1, T::ChangeSet};
        controller.setAppeared();
    }
    void attributeRowAppears()
    {
        targets.visible += {T::Attribute0, T::Attribute1};
        controller.rowAppeared();
    }

    FakeTargets targets;
    FakeClock clock;
    FakeStepTimer timer;
    AccessController controller;
};

} // namespace

class TestAccess : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void settingsKeepTodaysBehaviourAndSurviveTheStore()
    {
        const AccessSettings defaults;
        QVERIFY(defaults.keyboardAccess);
        QCOMPARE(defaults.scanMode, ScanMode::Off);
        QVERIFY(!defaults.pressGuard && !defaults.fillScreen && !defaults.spokenCaption);
        QCOMPARE(AccessSettings::fromMap({}), defaults);

        AccessSettings edited;
        edited.keyboardAccess = false;
        edited.scanMode = ScanMode::TwoSwitches;
        edited.scanIntervalMs = 10000;
        edited.stepKey = Qt::Key_1;
        edited.chooseKey = Qt::Key_Tab;
        edited.stepButton = Qt::BackButton;
        edited.chooseButton = Qt::RightButton;
        edited.pressGuard = true;
        edited.repeatWindowMs = 0;
        edited.holdMs = 2000;
        edited.fillScreen = true;
        edited.spokenCaption = true;
        const QMap<QString, QString> stored = edited.toMap();
        QCOMPARE(stored.value("ScanMode"), QStringLiteral("two"));
        QCOMPARE(stored.value("StepKey"), QStringLiteral("1"));
        QCOMPARE(stored.value("ChooseButton"), QStringLiteral("right"));
        QCOMPARE(AccessSettings::fromMap(stored), edited);
    }

    void badStoredValuesFallBackOneByOne_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QList<std::array<const char*, 3>> rows{{"interval below range", "ScanInterval", "499"},
                                                     {"interval above range", "ScanInterval", "10001"},
                                                     {"unknown scan mode", "ScanMode", "three"},
                                                     {"key with a modifier", "StepKey", "Ctrl+A"},
                                                     {"two keys", "ChooseKey", "1, 2"},
                                                     {"unknown button", "StepButton", "thumb"},
                                                     {"flag as word", "KeyboardAccess", "yes"},
                                                     {"negative hold", "HoldTime", "-1"},
                                                     {"empty window", "RepeatWindow", ""}};
        for (const auto& [name, key, value] : rows)
            QTest::newRow(name) << QString::fromLatin1(key) << QString::fromLatin1(value);
    }
    void badStoredValuesFallBackOneByOne()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        AccessSettings good;
        good.keyboardAccess = false;
        good.scanMode = ScanMode::OneSwitch;
        good.scanIntervalMs = 500;
        good.stepKey = Qt::Key_2;
        good.chooseKey = Qt::Key_1;
        good.stepButton = Qt::LeftButton;
        good.holdMs = 2000;
        good.repeatWindowMs = 0;
        QMap<QString, QString> stored = good.toMap();
        stored.insert(key, value);
        const QMap<QString, QString> read = AccessSettings::fromMap(stored).toMap();
        const QMap<QString, QString> defaults = AccessSettings().toMap();
        for (auto it = read.cbegin(); it != read.cend(); ++it)
            QCOMPARE(it.value(), it.key() == key ? defaults.value(key) : good.toMap().value(it.key()));
    }

    void twoSwitchesNeedTwoKeys()
    {
        AccessSettings settings;
        settings.scanMode = ScanMode::TwoSwitches;
        settings.stepKey = settings.chooseKey = Qt::Key_Space;
        QVERIFY(settings.problem().contains(QStringLiteral("same key")));
        settings.scanMode = ScanMode::OneSwitch; // the step key is not used then
        QVERIFY(settings.problem().isEmpty());
        settings.scanMode = ScanMode::TwoSwitches;
        settings.chooseKey = Qt::Key_Return;
        settings.stepButton = settings.chooseButton = Qt::LeftButton;
        QVERIFY(settings.problem().contains(QStringLiteral("same mouse button")));
    }

    void keyboardRingOverVisibleTargets()
    {
        Access access{AccessSettings{}};
        access.targets.visible = {T::Symbol0, T::ChangeSet}; // no symbol distractor, sequence on
        access.controller.setAppeared();
        // Enter does what it always did: "Change set".
        QCOMPARE(access.controller.ringTarget(), T::ChangeSet);
        QCOMPARE(access.key(Qt::Key_Return).chosen, T::ChangeSet);
        QCOMPARE(access.key(Qt::Key_Enter).chosen, T::ChangeSet);
        access.controller.setAppeared();
        QVERIFY(access.key(Qt::Key_Tab).handled);
        QCOMPARE(access.controller.ringTarget(), T::Symbol0);
        access.key(Qt::Key_Right);
        QCOMPARE(access.controller.ringTarget(), T::ChangeSet);
        access.key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(access.controller.ringTarget(), T::Symbol0);
        access.key(Qt::Key_Up);
        QCOMPARE(access.controller.ringTarget(), T::ChangeSet);
        QCOMPARE(access.key(Qt::Key_Left).chosen, std::nullopt);
        QCOMPARE(access.key(Qt::Key_Space).chosen, T::Symbol0);

        // Keys 1 to 4 choose only what is shown; a hidden one is swallowed without a choice.
        for (int key : {Qt::Key_2, Qt::Key_3, Qt::Key_4}) {
            const AccessOutcome outcome = access.key(key);
            QVERIFY(outcome.handled);
            QCOMPARE(outcome.chosen, std::nullopt);
        }
        access.attributeRowAppears();
        QCOMPARE(access.controller.ringTarget(), T::Symbol0); // the row does not move the ring
        QCOMPARE(access.key(Qt::Key_3).chosen, T::Attribute0);
        QCOMPARE(access.controller.ringTarget(), T::Attribute0);
        QCOMPARE(access.key(Qt::Key_1).chosen, T::Symbol0);
        QVERIFY(!access.key(Qt::Key_A).handled);

        // A new set hides the attribute row under the ring: the ring goes back to "Change set".
        access.key(Qt::Key_3);
        access.newSetWithSymbolsOnly();
        QCOMPARE(access.controller.ringTarget(), T::ChangeSet);

        // Off, no key is taken and there is no ring: the window behaves as it always did.
        AccessSettings off;
        off.keyboardAccess = false;
        Access plain(off);
        plain.controller.setAppeared();
        QCOMPARE(plain.controller.ringTarget(), std::nullopt);
        for (int key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Tab, Qt::Key_1, Qt::Key_Right})
            QVERIFY(!plain.key(key).handled);
        QVERIFY(!plain.controller.buttonPressed(Qt::LeftButton).handled);
        QVERIFY(plain.controller.pointerClicked(T::Symbol0));
    }

    void oneSwitchStepsByItself()
    {
        AccessSettings settings;
        settings.scanMode = ScanMode::OneSwitch;
        settings.scanIntervalMs = 2000;
        settings.chooseKey = Qt::Key_1;
        settings.chooseButton = Qt::RightButton;
        Access access(settings);
        int moves = 0;
        access.controller.setOnRingMoved([&] { ++moves; });
        access.newSetWithSymbolsOnly();
        QCOMPARE(access.controller.ringTarget(), T::Symbol0); // scanning starts at the first answer
        access.timer.advance(1999);
        QCOMPARE(access.controller.ringTarget(), T::Symbol0);
        access.timer.advance(1);
        QCOMPARE(access.controller.ringTarget(), T::Symbol1);
        access.timer.advance(2000);
        QCOMPARE(access.controller.ringTarget(), T::ChangeSet);
        access.timer.advance(2000); // over the visible targets only
        QCOMPARE(access.controller.ringTarget(), T::Symbol0);
        QCOMPARE(moves, 4);

        // The switch's key chooses where the ring is (not the first symbol, as key 1 would), and
        // the ring then rests a full interval.
        access.timer.advance(2000);
        access.clock.now += 500;
        QCOMPARE(access.key(Qt::Key_1).chosen, T::Symbol1);
        access.timer.advance(1999);
        QCOMPARE(access.controller.ringTarget(), T::Symbol1);
        access.timer.advance(1);
        QCOMPARE(access.controller.ringTarget(), T::ChangeSet);

        // A row that appears starts the scanning again from the first answer.
        access.attributeRowAppears();
        QCOMPARE(access.controller.ringTarget(), T::Symbol0);
        QList<T> visited;
        for (int i = 0; i < 5; ++i) {
            access.timer.advance(2000);
            visited.append(*access.controller.ringTarget());
        }
        QCOMPARE(visited, QList<T>({T::Symbol1, T::Attribute0, T::Attribute1, T::ChangeSet, T::Symbol0}));

        // A switch that sends a mouse button chooses as well; other buttons are left to the window.
        QCOMPARE(access.controller.buttonPressed(Qt::RightButton).chosen, T::Symbol0);
        QVERIFY(!access.controller.buttonPressed(Qt::LeftButton).handled);
        // Keyboard access still works beside the switch.
        QCOMPARE(access.key(Qt::Key_Space).chosen, T::Symbol0);
    }

    void twoSwitchesStepAndChoose()
    {
        AccessSettings settings;
        settings.scanMode = ScanMode::TwoSwitches;
        settings.stepKey = Qt::Key_Space;
        settings.chooseKey = Qt::Key_Return;
        settings.stepButton = Qt::LeftButton;
        Access access(settings);
        access.newSetWithSymbolsOnly();
        access.timer.advance(60000);
        QCOMPARE(access.controller.ringTarget(), T::Symbol0); // nothing moves by itself
        QCOMPARE(access.key(Qt::Key_Space).chosen, std::nullopt);
        QCOMPARE(access.controller.ringTarget(), T::Symbol1);
        QVERIFY(access.controller.buttonPressed(Qt::LeftButton).handled);
        QCOMPARE(access.controller.ringTarget(), T::ChangeSet);
        QCOMPARE(access.key(Qt::Key_Enter).chosen, T::ChangeSet);
        access.newSetWithSymbolsOnly();
        QCOMPARE(access.controller.ringTarget(), T::Symbol0);
        QCOMPARE(access.key(Qt::Key_Return).chosen, T::Symbol0);
        access.key(Qt::Key_Space);
        access.attributeRowAppears();
        QCOMPARE(access.controller.ringTarget(), T::Symbol0);
    }

    void realTimerTicksAndReportsWhatATickThrows()
    {
        doubles::RecordingMessageBox messages;
        QtStepTimer timer(messages);
        int ticks = 0;
        timer.start(10, [&] {
            if (++ticks == 2)
                throw RuntimeError(ErrorNumber::Internal, QStringLiteral("lost"));
            if (ticks == 3)
                timer.stop();
        });
        QTRY_COMPARE(ticks, 3);
        QTest::qWait(50);
        QCOMPARE(ticks, 3);
        QCOMPARE(messages.shown, QStringList({"Run-time error '51': lost"}));
    }

    void guardEdgesAreExact()
    {
        FakeClock clock;
        PressGuard repeat(clock, true, 500, 0);
        QList<bool> counted;
        for (qint64 at : {0, 499, 500, 999, 1000}) {
            clock.now = at;
            counted.append(repeat.pressed(1) == PressGuard::Verdict::Counts);
        }
        QCOMPARE(counted, QList<bool>({true, false, true, false, true}));
        clock.now = 1001;
        QCOMPARE(repeat.pressed(2), PressGuard::Verdict::Counts); // another element has its own window
        QVERIFY(!repeat.released(1));

        PressGuard hold(clock, true, 500, 300);
        clock.now = 0;
        QCOMPARE(hold.pressed(1), PressGuard::Verdict::CountsOnRelease);
        clock.now = 299;
        QVERIFY(!hold.released(1));
        clock.now = 1000;
        hold.pressed(1);
        clock.now = 1300;
        QVERIFY(hold.released(1));
        QVERIFY(!hold.released(1)); // one release per press
        clock.now = 1499;           // held long enough, but pressed within the window of the last press
        hold.pressed(1);
        clock.now = 1799;
        QVERIFY(!hold.released(1));

        PressGuard edges(clock, true, 500, 300);
        clock.now = 10000;
        edges.pressed(1);
        clock.now = 10300;
        QVERIFY(edges.released(1));
        clock.now = 10500;
        edges.pressed(1);
        clock.now = 10800;
        QVERIFY(edges.released(1));

        PressGuard off(clock, false, 2000, 2000);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(off.pressed(1), PressGuard::Verdict::Counts);
    }

    void guardedPressesThroughTheController()
    {
        AccessSettings settings;
        settings.pressGuard = true;
        settings.repeatWindowMs = 1000;
        Access access(settings);
        access.newSetWithSymbolsOnly();
        // A double press on "Change set" does not skip a set, even though a new one appeared.
        QCOMPARE(access.key(Qt::Key_Return).chosen, T::ChangeSet);
        access.controller.setAppeared();
        access.clock.now = 400;
        const AccessOutcome again = access.key(Qt::Key_Return);
        QVERIFY(again.handled);
        QCOMPARE(again.chosen, std::nullopt);
        // A key held down is one press, however long it repeats.
        access.clock.now = 5000;
        QCOMPARE(access.controller.keyPressed(Qt::Key_1, {}, false).chosen, T::Symbol0);
        access.clock.now = 6500;
        QCOMPARE(access.controller.keyPressed(Qt::Key_1, {}, true).chosen, std::nullopt);
        // Clicks are guarded as well, on their own element.
        QVERIFY(access.controller.pointerClicked(T::Symbol1));
        QVERIFY(!access.controller.pointerClicked(T::Symbol1));

        settings.holdMs = 300;
        Access held(settings);
        held.newSetWithSymbolsOnly();
        QCOMPARE(held.controller.keyPressed(Qt::Key_2, {}, false).chosen, std::nullopt);
        held.clock.now = 299;
        QCOMPARE(held.controller.keyReleased(Qt::Key_2, false).chosen, std::nullopt);
        held.clock.now = 2000;
        held.controller.keyPressed(Qt::Key_2, {}, false);
        held.clock.now = 2150;
        QVERIFY(held.controller.keyPressed(Qt::Key_2, {}, true).handled); // repeats do not restart it
        held.clock.now = 2300;
        QCOMPARE(held.controller.keyReleased(Qt::Key_2, false).chosen, T::Symbol1);
        // While the switch is held the ring waits; a press too short lets it go on.
        settings.scanMode = ScanMode::OneSwitch;
        Access switchHeld(settings);
        switchHeld.newSetWithSymbolsOnly();
        switchHeld.controller.keyPressed(Qt::Key_Return, {}, false);
        switchHeld.timer.advance(5000);
        QCOMPARE(switchHeld.controller.ringTarget(), T::Symbol0);
        QCOMPARE(switchHeld.controller.keyReleased(Qt::Key_Return, false).chosen, T::Symbol0);
        switchHeld.controller.keyPressed(Qt::Key_Return, {}, false);
        switchHeld.timer.advance(100);
        QCOMPARE(switchHeld.controller.keyReleased(Qt::Key_Return, false).chosen, std::nullopt);
        switchHeld.timer.advance(2000);
        QCOMPARE(switchHeld.controller.ringTarget(), T::Symbol1);

        held.clock.now = 4000;
        held.controller.pointerPressed(T::Symbol0);
        held.clock.now = 4300;
        QVERIFY(held.controller.pointerClicked(T::Symbol0));
        held.controller.pointerPressed(T::Symbol0); // held long, but within the window
        held.clock.now = 5400;
        QVERIFY(!held.controller.pointerClicked(T::Symbol0));
    }

    void layoutScalesUniformly_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QRect>("objectPicture");
        QTest::addColumn<QRect>("symbolFrame");
        QTest::addColumn<QRect>("symbol1");
        QTest::addColumn<QRect>("attribute1");
        QTest::addColumn<QRect>("changeSet");
        QTest::addColumn<QSize>("answerDecode");
        QTest::addColumn<double>("captionPoints");
        // Wide screen: the height decides, the layout is centred across.
        QTest::newRow("1920x1080") << QSize(1920, 1080) << QRect(231, 89, 958, 480) << QRect(192, 639, 769, 398)
                                   << QRect(405, 51, 321, 321) << QRect(417, 51, 321, 321) << QRect(1445, 89, 206, 53)
                                   << QSize(319, 319) << 38.343;
        // Square-ish screen: the width decides, the layout is centred down.
        QTest::newRow("1280x1024") << QSize(1280, 1024) << QRect(61, 154, 761, 381) << QRect(30, 591, 611, 316)
                                   << QRect(321, 40, 255, 255) << QRect(331, 40, 255, 255) << QRect(1025, 154, 164, 42)
                                   << QSize(253, 253) << 30.446;
    }
    void layoutScalesUniformly()
    {
        QFETCH(QSize, window);
        QFETCH(QRect, objectPicture);
        QFETCH(QRect, symbolFrame);
        QFETCH(QRect, symbol1);
        QFETCH(QRect, attribute1);
        QFETCH(QRect, changeSet);
        QFETCH(QSize, answerDecode);
        QFETCH(double, captionPoints);
        const ScaledLayout layout = ScaledLayout::compute(exerciseDesignLayout(), window, true);
        QCOMPARE(layout.objectPicture, objectPicture);
        QCOMPARE(layout.symbolFrame, symbolFrame);
        QCOMPARE(layout.symbols[1], symbol1);
        QCOMPARE(layout.attributes[1], attribute1);
        QCOMPARE(layout.changeSet, changeSet);
        QCOMPARE(layout.answerDecodeSize, answerDecode);
        QCOMPARE(layout.objectDecodeSize, objectPicture.size() - QSize(2, 2));
        QVERIFY(qAbs(layout.captionPointSize - captionPoints) < 0.001);
        // Proportions kept: the object picture stays twice as wide as high, answers square.
        QVERIFY(qAbs(layout.objectPicture.width() - 2 * layout.objectPicture.height()) <= 2);
        // Everything inside the window.
        const QRect inside({0, 0}, window);
        for (const QRect& box :
             {layout.caption, layout.objectPicture, layout.changeSet, layout.symbolFrame, layout.attributeFrame})
            QVERIFY(inside.contains(box));
        // Sharp on a high-density screen: decoded at device pixels.
        const ScaledLayout dense = ScaledLayout::compute(exerciseDesignLayout(), window, true, 2.0);
        QCOMPARE(dense.answerDecodeSize, answerDecode * 2);
    }

    void layoutOffIsTheDesign()
    {
        // The exercise window's own geometry, whatever the window's size.
        for (const QSize window : {QSize(1920, 1080), QSize(800, 600)}) {
            const ScaledLayout layout = ScaledLayout::compute(exerciseDesignLayout(), window, false);
            QCOMPARE(layout.scale, 1.0);
            QCOMPARE(layout.objectPicture, QRect(48, 56, 600, 300));
            QCOMPARE(layout.caption, QRect(48, 8, 601, 41));
            QCOMPARE(layout.changeSet, QRect(808, 56, 129, 33));
            QCOMPARE(layout.symbolFrame, QRect(24, 400, 481, 249));
            QCOMPARE(layout.attributeFrame, QRect(504, 400, 481, 249));
            QCOMPARE(layout.symbols[1], QRect(253, 32, 201, 201));
            QCOMPARE(layout.attributes[0], QRect(24, 32, 201, 201));
            QCOMPARE(layout.captionPointSize, 24.0);
            QCOMPARE(layout.objectDecodeSize, QSize(598, 298));
        }
    }
};

QTEST_MAIN(TestAccess)
#include "test_access.moc"
