#include "exercise/RewardSchedule.h"

#include <utility>

namespace tessarine {

RewardSchedule::RewardSchedule(int goal, Services services, QString rewardsFolder, QString rightSound, IRewardScreen& screen,
                               IStepTimer& timer)
    : m_tokens(goal)
    , m_services(services)
    , m_rewardsFolder(std::move(rewardsFolder))
    , m_rightSound(std::move(rightSound))
    , m_screen(screen)
    , m_timer(timer)
{
    m_screen.setTokens(goal, 0);
}

void RewardSchedule::setEnded(bool rightAtFirstTry)
{
    if (rightAtFirstTry && m_tokens.earn())
        showReward();
    m_screen.setTokens(m_tokens.goal(), m_tokens.filled());
}

void RewardSchedule::showReward() {}

QImage RewardSchedule::rewardPicture() { return {}; }

} // namespace tessarine
