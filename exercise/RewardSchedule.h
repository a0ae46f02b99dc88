#pragma once

#include "teaching/TeachingDraw.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>

namespace tessarine {

class IDirectoryListing;
class IMessageBox;
class IPictureLoader;
class ISoundPlayer;
class IStepTimer;

// What the rewards show on the exercise window: the row of tokens and the reward that covers the
// window.
class IRewardScreen {
public:
    virtual ~IRewardScreen() = default;
    // `goal` 0: no tokens shown at all.
    virtual void setTokens(int goal, int filled) = 0;
    // Covers the whole window; a null picture shows the program's own star.
    virtual void showReward(const QImage& picture) = 0;
    virtual void hideReward() = 0;
};

// The token schedule of the exercise: a set answered right at the first try fills one token; when
// the row is full a picture drawn at random from the collection's "Rewards" folder (none there,
// or none readable: the program's star) covers the window for RewardMs with the right-answer
// sound, then the row starts again. A goal of 0 shows and does nothing.
class RewardSchedule {
public:
    static constexpr int RewardMs = 3000;

    struct Services {
        IMessageBox& messageBox;
        IDirectoryListing& listing;
        IPictureLoader& pictures;
        // The run's random draw: a whole number from 1 to count.
        std::function<std::int32_t(std::int16_t)> draw;
        ISoundPlayer& sound;
    };

    // `rewardsFolder`: the collection's "Rewards" folder; `rightSound`: the full path of the
    // right-answer sound, empty for none.
    RewardSchedule(int goal, Services services, QString rewardsFolder, QString rightSound, IRewardScreen& screen,
                   IStepTimer& timer);
    ~RewardSchedule();

    // A set ended; `rightAtFirstTry`: every row the learner answered was right at the first choice.
    void setEnded(bool rightAtFirstTry);
    // The reward covers the window: the learner's presses are not answers.
    bool showing() const { return m_showing; }

private:
    void showReward();
    QImage rewardPicture();

    TokenBoard m_tokens;
    Services m_services;
    QString m_rewardsFolder;
    QString m_rightSound;
    IRewardScreen& m_screen;
    IStepTimer& m_timer;
    bool m_showing = false;
    bool m_reportedUnreadable = false;
};

} // namespace tessarine
