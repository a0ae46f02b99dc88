#include "access/AccessController.h"

namespace tessarine {

namespace {

// The guard's element for the step switch; the targets use their own values.
constexpr int StepElement = 100;

// Keypad Enter is the same key to a learner as Return.
int normalised(int key) { return key == Qt::Key_Enter ? Qt::Key_Return : key; }

// Mouse buttons and keys share one table of presses under way.
int buttonSource(Qt::MouseButton button) { return -static_cast<int>(button); }

int element(const auto& press) { return press.step ? StepElement : static_cast<int>(*press.target); }

} // namespace

AccessController::AccessController(const AccessSettings& settings, const IAnswerTargets& targets, const IClock& clock,
                                   IStepTimer& timer)
    : m_settings(settings)
    , m_targets(targets)
    , m_ring(targets)
    , m_scanner(m_ring, timer, settings.scanMode, settings.scanIntervalMs)
    , m_guard(clock, settings.pressGuard, settings.repeatWindowMs, settings.holdMs)
{
}

std::optional<AnswerTarget> AccessController::ringTarget() const
{
    if (!m_settings.keyboardAccess && !m_scanner.active())
        return std::nullopt;
    return m_ring.current();
}

void AccessController::setAppeared()
{
    if (m_scanner.active())
        m_scanner.restart();
    else if (m_settings.keyboardAccess)
        m_ring.moveToChangeSet();
}

void AccessController::rowAppeared() { m_scanner.restart(); }

void AccessController::pointTo(AnswerTarget target)
{
    if (!m_settings.keyboardAccess && !m_scanner.active())
        return;
    if (m_ring.moveTo(target))
        m_scanner.rest();
}

AccessOutcome AccessController::keyPressed(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    key = normalised(key);
    std::optional<Press> what = switchPress(key, Qt::NoButton);
    if (!what)
        what = keyboardPress(key, modifiers);
    if (!what)
        return {};
    // Moving the ring was done at once, and repeats while the key is held.
    if (!what->step && !what->target)
        return {true, {}};
    // A held key is one press to a guarded learner; unguarded, it repeats as keys always did.
    if (autoRepeat && m_settings.pressGuard)
        return {true, {}};
    return press(key, *what);
}

AccessOutcome AccessController::keyReleased(int key, bool autoRepeat)
{
    if (autoRepeat)
        return {m_pending.contains(normalised(key)), {}};
    return release(normalised(key));
}

AccessOutcome AccessController::buttonPressed(Qt::MouseButton button)
{
    const std::optional<Press> what = switchPress(Qt::Key_unknown, button);
    if (!what)
        return {};
    return press(buttonSource(button), *what);
}

AccessOutcome AccessController::buttonReleased(Qt::MouseButton button)
{
    if (!switchPress(Qt::Key_unknown, button))
        return {};
    return release(buttonSource(button));
}

void AccessController::pointerPressed(AnswerTarget target)
{
    if (m_settings.pressGuard && m_settings.holdMs > 0)
        m_guard.pressed(static_cast<int>(target));
}

bool AccessController::pointerClicked(AnswerTarget target)
{
    if (!m_settings.pressGuard)
        return true;
    if (m_settings.holdMs > 0)
        return m_guard.released(static_cast<int>(target));
    return m_guard.pressed(static_cast<int>(target)) == PressGuard::Verdict::Counts;
}

std::optional<AccessController::Press> AccessController::switchPress(int key, Qt::MouseButton button) const
{
    if (!m_scanner.active())
        return std::nullopt;
    const bool isChoose = (key != Qt::Key_unknown && key == normalised(m_settings.chooseKey))
                          || (button != Qt::NoButton && button == m_settings.chooseButton);
    if (isChoose)
        return Press{false, m_ring.current()};
    const bool isStep = (key != Qt::Key_unknown && key == normalised(m_settings.stepKey))
                        || (button != Qt::NoButton && button == m_settings.stepButton);
    if (isStep && m_settings.scanMode == ScanMode::TwoSwitches)
        return Press{true, {}};
    return std::nullopt;
}

std::optional<AccessController::Press> AccessController::keyboardPress(int key, Qt::KeyboardModifiers modifiers)
{
    if (!m_settings.keyboardAccess)
        return std::nullopt;
    const bool backwards = key == Qt::Key_Backtab || (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier));
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (backwards || key == Qt::Key_Left || key == Qt::Key_Up)
            m_ring.previous();
        else
            m_ring.next();
        return Press{false, std::nullopt};
    case Qt::Key_Space:
    case Qt::Key_Return:
        return Press{false, m_ring.current()};
    case Qt::Key_1:
        return Press{false, AnswerTarget::Symbol0};
    case Qt::Key_2:
        return Press{false, AnswerTarget::Symbol1};
    case Qt::Key_3:
        return Press{false, AnswerTarget::Attribute0};
    case Qt::Key_4:
        return Press{false, AnswerTarget::Attribute1};
    default:
        return std::nullopt;
    }
}

AccessOutcome AccessController::press(int source, const Press& what)
{
    // A choice of nothing (no ring, a hidden picture) is still the learner's key: taken, no effect.
    if (!what.step && (!what.target || !m_targets.isTargetVisible(*what.target)))
        return {true, {}};
    switch (m_guard.pressed(element(what))) {
    case PressGuard::Verdict::Counts:
        return perform(what);
    case PressGuard::Verdict::CountsOnRelease:
        m_pending.insert(source, what);
        if (!what.step)
            m_scanner.pause();
        return {true, {}};
    case PressGuard::Verdict::Ignored:
        break;
    }
    return {true, {}};
}

AccessOutcome AccessController::release(int source)
{
    const auto pending = m_pending.constFind(source);
    if (pending == m_pending.constEnd())
        return {};
    const Press what = *pending;
    m_pending.erase(pending);
    if (!m_guard.released(element(what)) || (!what.step && !m_targets.isTargetVisible(*what.target))) {
        if (!what.step)
            m_scanner.resume();
        return {true, {}};
    }
    return perform(what);
}

AccessOutcome AccessController::perform(const Press& what)
{
    if (what.step) {
        m_scanner.step();
        return {true, {}};
    }
    m_ring.moveTo(*what.target);
    if (m_scanner.active())
        m_scanner.choose();
    return {true, what.target};
}

} // namespace tessarine
