#include "access/FocusRing.h"

#include <algorithm>

namespace tessarine {

FocusRing::FocusRing(const IAnswerTargets& targets)
    : m_targets(targets)
{
}

void FocusRing::next() { step(1); }

void FocusRing::previous() { step(-1); }

void FocusRing::moveToChangeSet()
{
    if (!moveTo(AnswerTarget::ChangeSet))
        place(std::nullopt);
}

void FocusRing::moveToFirstAnswer()
{
    for (AnswerTarget target : AllTargets)
        if (moveTo(target))
            return;
    place(std::nullopt);
}

bool FocusRing::moveTo(AnswerTarget target)
{
    if (!m_targets.isTargetVisible(target))
        return false;
    place(target);
    return true;
}

void FocusRing::step(int direction)
{
    const int count = static_cast<int>(AllTargets.size());
    // From nowhere, forwards starts at the first target and backwards at the last.
    int position = m_current ? static_cast<int>(std::find(AllTargets.begin(), AllTargets.end(), *m_current) - AllTargets.begin())
                             : (direction > 0 ? -1 : count);
    for (int tried = 0; tried < count; ++tried) {
        position = ((position + direction) % count + count) % count;
        if (moveTo(AllTargets[static_cast<std::size_t>(position)]))
            return;
    }
    place(std::nullopt);
}

void FocusRing::place(std::optional<AnswerTarget> target)
{
    m_current = target;
    if (m_onMoved)
        m_onMoved();
}

} // namespace tessarine
