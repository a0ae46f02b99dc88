#include "exercise/RewardSchedule.h"

#include "access/AccessClock.h"
#include "core/ErrorGuard.h"
#include "platform/DirectoryListing.h"
#include "platform/PictureLoader.h"
#include "sound/SoundPlayback.h"

#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <utility>

namespace tessarine {

namespace {

// As sharp as the largest screens show it, and no photo of many megapixels kept whole for 3 s.
constexpr QSize LargestReward(2560, 2560);

// Only files with the extension of a format Qt reads are tried: a note or a thumbnail cache beside
// the pictures is no picture that fails.
bool hasPictureExtension(const QString& name)
{
    static const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    return formats.contains(QFileInfo(name).suffix().toLower().toLatin1());
}

// The size to decode at: the picture's own, shrunk to LargestReward with its shape kept.
QSize rewardSize(const QString& path)
{
    const QSize upright = QtPictureLoader::uprightSize(path);
    if (upright.isEmpty() || (upright.width() <= LargestReward.width() && upright.height() <= LargestReward.height()))
        return {};
    return upright.scaled(LargestReward, Qt::KeepAspectRatio).expandedTo({1, 1});
}

} // namespace

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

RewardSchedule::~RewardSchedule()
{
    // No tick may come for a schedule that is gone.
    if (m_showing)
        m_timer.stop();
}

void RewardSchedule::setEnded(bool rightAtFirstTry)
{
    // Under the reward the learner sees no set, so what ends meanwhile earns nothing.
    if (m_showing)
        return;
    if (rightAtFirstTry && m_tokens.earn())
        showReward();
    m_screen.setTokens(m_tokens.goal(), m_tokens.filled());
}

void RewardSchedule::showReward()
{
    m_showing = true;
    m_screen.showReward(rewardPicture());
    if (!m_rightSound.isEmpty())
        API_PlaySound(m_services.messageBox, m_services.sound, m_rightSound);
    m_timer.start(RewardMs, [this] {
        m_timer.stop();
        m_showing = false;
        m_screen.hideReward();
    });
}

QImage RewardSchedule::rewardPicture()
{
    if (m_rewardsFolder.isEmpty())
        return {};
    // A picture that is there but cannot be read is the teacher's to mend: said once, and the
    // reward goes on with another picture or the star.
    Guard guard(m_services.messageBox, QStringLiteral("RewardSchedule"));
    const auto reportOnce = [&] {
        if (!std::exchange(m_reportedUnreadable, true))
            guard.report(std::current_exception());
    };

    QStringList names;
    try {
        // A missing folder lists nothing: the star, without a word.
        for (QString name = m_services.listing.first(m_rewardsFolder + QStringLiteral("/*")); !name.isEmpty();
             name = m_services.listing.next())
            if (hasPictureExtension(name))
                names.append(name);
    } catch (...) {
        reportOnce();
        return {};
    }

    while (!names.isEmpty()) {
        qsizetype drawn = 0;
        if (names.size() > 1) {
            const auto count = static_cast<std::int16_t>(std::min<qsizetype>(names.size(), INT16_MAX));
            // A draw that failed (and was reported) gives 0: the first picture then.
            drawn = std::clamp<std::int32_t>(m_services.draw(count), 1, count) - 1;
        }
        const QString path = m_rewardsFolder + u'/' + names.takeAt(drawn);
        try {
            const QImage picture = m_services.pictures.load(path, rewardSize(path));
            if (!picture.isNull())
                return picture;
        } catch (...) {
            reportOnce();
        }
    }
    return {};
}

} // namespace tessarine
