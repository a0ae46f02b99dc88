// The learner's aids apart from the window, on a fake clock: the edges the window tests do not reach.
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
using T = AnswerTarget;

namespace {

// One exercise window's access at the start of a set (the symbol row only), on a fake clock.
struct Access {
    explicit Access(const AccessSettings& settings)
        : timer(clock)
        , controller(settings, targets, clock, timer)
    {
        targets.visible = {T::Symbol0, T::Symbol1, T::ChangeSet};
        controller.setAppeared();
    }

    AccessOutcome key(int key)
    {
        const AccessOutcome pressed = controller.keyPressed(key, {}, false);
        const AccessOutcome released = controller.keyReleased(key, false);
        return released.chosen ? released : pressed;
    }
    std::optional<T> press(int key, bool repeat = false) { return controller.keyPressed(key, {}, repeat).chosen; }
    std::optional<T> release(int key) { return controller.keyReleased(key, false).chosen; }
    Access& at(qint64 ms)
    {
        clock.now = ms;
        return *this;
    }
    doubles::FakeTargets targets;
    FakeClock clock;
    doubles::FakeStepTimer timer;
    AccessController controller;
};

// Every setting away from its default, as a learner's records keep them, so that one the store loses or resets shows.
const QMap<QString, QString> Edited{
    {"KeyboardAccess", "0"}, {"ScanMode", "two"},       {"ScanInterval", "10000"}, {"StepKey", "1"},      {"ChooseKey", "Tab"},
    {"StepButton", "back"},  {"ChooseButton", "right"}, {"PressGuard", "1"},       {"RepeatWindow", "0"}, {"HoldTime", "2000"},
    {"FillScreen", "1"},     {"SpokenCaption", "1"},    {"CaptionLanguage", "it"}};

} // namespace

class TestAccess : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void settingsSurviveTheStore()
    {
        const AccessSettings edited = AccessSettings::fromMap(Edited);
        QCOMPARE(edited.toMap(), Edited);
        QCOMPARE(edited.chooseButton, Qt::RightButton); // a name table wrong both ways would still go round

        // Two switches on one button cannot be told apart; with one switch the step switch is unused.
        AccessSettings settings = edited;
        QVERIFY(settings.problem().isEmpty());
        settings.stepButton = settings.chooseButton;
        QVERIFY(settings.problem().contains(QStringLiteral("same mouse button")));
        settings.scanMode = ScanMode::OneSwitch;
        settings.stepKey = settings.chooseKey;
        QVERIFY(settings.problem().isEmpty());

        // Bad stored values fall back one by one, each beside every other setting edited.
        const QMap<QString, QString> bad{{"ScanInterval", "10001"},     {"ScanMode", "three"},     {"StepKey", "Ctrl+A"},
                                         {"StepButton", "thumb"},       {"KeyboardAccess", "yes"}, {"RepeatWindow", ""},
                                         {"CaptionLanguage", "Italian"}};
        for (auto [key, value] : bad.asKeyValueRange()) {
            QMap<QString, QString> stored = Edited, expected = Edited;
            stored.insert(key, value);
            expected.insert(key, AccessSettings().toMap().value(key));
            QCOMPARE(AccessSettings::fromMap(stored).toMap(), expected);
        }
    }

    void keyboardRingOverVisibleTargets()
    {
        Access access{AccessSettings{}};
        // The keypad's Enter is Return; no guard by default, so every press counts.
        QCOMPARE(access.key(Qt::Key_Return).chosen, T::ChangeSet);
        QCOMPARE(access.key(Qt::Key_Enter).chosen, T::ChangeSet);
        // Tab and the arrows go round the visible targets only, both ways.
        QList<std::optional<T>> visited;
        for (int key : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Down, Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Up}) {
            QVERIFY(access.key(key).handled);
            visited.append(access.controller.ringTarget());
        }
        QCOMPARE(visited, (QList<std::optional<T>>{T::Symbol0, T::Symbol1, T::ChangeSet, T::Symbol1, T::Symbol0, T::ChangeSet}));
        access.targets.visible += {T::Attribute0, T::Attribute1};
        access.controller.rowAppeared();
        QCOMPARE(access.controller.ringTarget(), T::ChangeSet); // the row does not move the ring
        QVERIFY(!access.key(Qt::Key_A).handled);

        // Off, no key is taken and there is no ring: the window behaves as it always did.
        Access plain({.keyboardAccess = false});
        QCOMPARE(plain.controller.ringTarget(), std::nullopt);
        for (int key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Tab, Qt::Key_1, Qt::Key_Right})
            QVERIFY(!plain.key(key).handled);
    }

    void oneSwitchStepsByItself()
    {
        Access access({.scanMode = ScanMode::OneSwitch, .chooseKey = Qt::Key_1, .chooseButton = Qt::RightButton});
        // Where the ring is after each of `intervals` default intervals of two seconds.
        const auto scan = [&](int intervals) {
            QList<T> visited;
            for (int i = 0; i < intervals; ++i) {
                access.timer.advance(2000);
                visited.append(*access.controller.ringTarget());
            }
            return visited;
        };
        QCOMPARE(access.controller.ringTarget(), T::Symbol0);                            // scanning starts at the first answer
        QCOMPARE(scan(4), QList<T>({T::Symbol1, T::ChangeSet, T::Symbol0, T::Symbol1})); // over the visible targets only

        // The switch's key chooses where the ring is (not as key 1 would); the ring then rests an interval.
        QCOMPARE(access.at(access.clock.now + 500).key(Qt::Key_1).chosen, T::Symbol1);
        access.timer.advance(1999);
        QCOMPARE(access.controller.ringTarget(), T::Symbol1);
        access.timer.advance(1);
        QCOMPARE(access.controller.ringTarget(), T::ChangeSet);

        // A row that appears starts the scanning again from the first answer.
        access.targets.visible += {T::Attribute0, T::Attribute1};
        access.controller.rowAppeared();
        QCOMPARE(access.controller.ringTarget(), T::Symbol0);
        QCOMPARE(scan(5), QList<T>({T::Symbol1, T::Attribute0, T::Attribute1, T::ChangeSet, T::Symbol0}));
        // A switch that sends a mouse button chooses as well; other buttons are left to the window.
        QCOMPARE(access.controller.buttonPressed(Qt::RightButton).chosen, T::Symbol0);
        QVERIFY(!access.controller.buttonPressed(Qt::LeftButton).handled);
        // A prompt puts the ring on the right answer, where it rests a full interval.
        access.timer.advance(1000);
        access.controller.pointTo(T::Attribute1);
        access.timer.advance(1999);
        QCOMPARE(access.controller.ringTarget(), T::Attribute1);
        access.timer.advance(1);
        QCOMPARE(access.controller.ringTarget(), T::ChangeSet);
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
        QTest::qWait(50); // and stopped
        QCOMPARE(ticks, 3);
        QCOMPARE(messages.shown, QStringList({"Run-time error '51': lost"}));
    }

    // Presses on one element count once within the repeat window from the last press that counted,
    // and again exactly a window later; with a hold time, when let go after at least that long.
    void guardedPresses()
    {
        AccessSettings settings;
        settings.pressGuard = true;
        Access access(settings);
        // A double press on "Change set" does not skip a set, even though a new one appeared.
        QCOMPARE(access.key(Qt::Key_Return).chosen, T::ChangeSet);
        access.controller.setAppeared();
        QCOMPARE(access.at(999).key(Qt::Key_Return).chosen, std::nullopt);
        // Clicks are guarded as well, each element in its own window.
        QVERIFY(access.controller.pointerClicked(T::Symbol1) && !access.controller.pointerClicked(T::Symbol1));
        QCOMPARE(access.at(1000).key(Qt::Key_Return).chosen, T::ChangeSet);
        // A key held down is one press, however long it repeats.
        QCOMPARE(access.press(Qt::Key_1), T::Symbol0);
        QCOMPARE(access.at(6500).press(Qt::Key_1, true), std::nullopt);

        // With a hold time a key or a click counts when let go; a key's repeats do not restart the hold.
        settings.holdMs = 300;
        Access held(settings);
        QCOMPARE(held.press(Qt::Key_2), std::nullopt);
        QVERIFY(held.at(150).controller.keyPressed(Qt::Key_2, {}, true).handled);
        QCOMPARE(held.at(300).release(Qt::Key_2), T::Symbol1);
        // Held long enough, but pressed within the window of the press that counted.
        held.press(Qt::Key_2);
        QCOMPARE(held.at(999).release(Qt::Key_2), std::nullopt);
        held.controller.pointerPressed(T::Symbol0);
        QVERIFY(held.at(1299).controller.pointerClicked(T::Symbol0));

        // While the switch is held the ring waits; a press too short lets it go on.
        settings.scanMode = ScanMode::OneSwitch;
        Access switchHeld(settings);
        switchHeld.press(Qt::Key_Return);
        switchHeld.timer.advance(5000);
        QCOMPARE(switchHeld.release(Qt::Key_Return), T::Symbol0);
        switchHeld.press(Qt::Key_Return);
        switchHeld.timer.advance(299);
        QCOMPARE(switchHeld.release(Qt::Key_Return), std::nullopt);
        switchHeld.timer.advance(2000);
        QCOMPARE(switchHeld.controller.ringTarget(), T::Symbol1);
    }

    void layoutDecodesAtDevicePixels()
    {
        // Sharp on a high-density screen: the boxes as at 1920x1080 (test_exercise), decoded at device pixels.
        const ScaledLayout dense = ScaledLayout::compute(exerciseDesignLayout(), {1920, 1080}, true, 2.0);
        QCOMPARE(dense.objectDecodeSize, QSize(1912, 956));
        QCOMPARE(dense.answerDecodeSize, QSize(638, 638));
    }

    // The reward tokens cover nothing of the design at any size, filled or shrunk, and stay in the window.
    void tokenRowCoversNothing()
    {
        const QList<QPair<QSize, bool>> windows{{{1009, 676}, false}, {{640, 480}, false},  {{1024, 600}, false},
                                                {{1920, 1080}, true}, {{1280, 1024}, true}, {{3840, 2160}, true}};
        for (const auto& [window, fill] : windows) {
            const ScaledLayout layout = ScaledLayout::compute(exerciseDesignLayout(), window, fill);
            QVERIFY(!layout.tokenRow.isEmpty() && QRect(QPoint(), window).contains(layout.tokenRow));
            for (const QRect& box :
                 {layout.caption, layout.objectPicture, layout.changeSet, layout.symbolFrame, layout.attributeFrame})
                QVERIFY2(!box.intersects(layout.tokenRow),
                         qPrintable(QStringLiteral("%1x%2").arg(window.width()).arg(window.height())));
        }
    }
};

QTEST_MAIN(TestAccess)
#include "test_access.moc"
