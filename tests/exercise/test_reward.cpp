// The token schedule on a fake clock, with real pictures in a throw-away Rewards folder.
#include "access/doubles/AccessDoubles.h"
#include "core/Module1.h"
#include "exercise/RewardSchedule.h"
#include "platform/doubles/TestDoubles.h"
#include "support/MediaFolder.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace tessarine;
using namespace tessarine::doubles;
using tessarine::testing::encoded;

namespace {

// The window as the schedule sees it: what it was last told.
struct FakeScreen final : IRewardScreen {
    void setTokens(int goal, int filled) override { tokens = {goal, filled}; }
    void showReward(const QImage& picture) override { shown.append(picture); }
    void hideReward() override { ++hides; }
    QPair<int, int> tokens;
    QList<QImage> shown;
    int hides = 0;
};

const QString RightSound = QStringLiteral("/collection/Sounds/right.wav");

struct Rewards {
    explicit Rewards(int goal, const QString& rightSound = RightSound)
        : timer(clock)
        , schedule(goal, {messageBox, listing, pictures, [this](std::int16_t count) { return module.Casuale(count); }, sound},
                   folder(), rightSound, screen, timer)
    {
    }
    QString folder() const { return dir.filePath(QStringLiteral("Rewards")); }
    void add(const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(folder());
        QFile file(QDir(folder()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // Ends `count` sets answered right at the first try.
    void rightSets(int count)
    {
        for (int i = 0; i < count; ++i)
            schedule.setEnded(true);
    }

    QTemporaryDir dir;
    RecordingMessageBox messageBox;
    QtDirectoryListing listing;
    QtPictureLoader pictures;
    ScriptedRandom random;
    Module1 module{messageBox, random};
    RecordingSoundPlayer sound;
    FakeClock clock;
    FakeStepTimer timer;
    FakeScreen screen;
    RewardSchedule schedule;
};

QByteArray png(QSize size, const QColor& colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return encoded(image, "PNG");
}

// A photo cut off half way, as a copy that broke off would be.
QByteArray brokenJpeg()
{
    const QByteArray whole = testing::jpegBytes({64, 64});
    return whole.left(whole.size() / 2);
}

} // namespace

class TestReward : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Right sets at the first try fill the row; the full row shows the reward for 3 s with the right
    // sound, and the row starts again; a set that ends under the reward earns nothing; off is off.
    void tokensFillThenTheReward()
    {
        Rewards rewards(3);
        rewards.add(QStringLiteral("cake.png"), png({30, 20}, Qt::magenta));
        QCOMPARE(rewards.screen.tokens, qMakePair(3, 0));
        rewards.schedule.setEnded(true);
        rewards.schedule.setEnded(false);
        QCOMPARE(rewards.screen.tokens, qMakePair(3, 1));
        rewards.rightSets(2);
        QCOMPARE(rewards.screen.shown.value(0).pixelColor(5, 5), QColor(Qt::magenta));
        QCOMPARE(rewards.sound.played, QStringList{RightSound});
        QVERIFY(rewards.schedule.showing());

        rewards.rightSets(3);
        QCOMPARE(rewards.screen.tokens, qMakePair(3, 0));
        rewards.timer.advance(RewardSchedule::RewardMs - 1);
        QVERIFY(rewards.schedule.showing() && rewards.screen.hides == 0);
        rewards.timer.advance(1);
        QVERIFY(!rewards.schedule.showing() && rewards.screen.hides == 1 && !rewards.timer.running());
        rewards.schedule.setEnded(true);
        QCOMPARE(rewards.screen.tokens, qMakePair(3, 1));
        QVERIFY(rewards.screen.shown.size() == 1 && rewards.messageBox.shown.isEmpty());

        Rewards silent(1, QString());
        silent.rightSets(1);
        QVERIFY(silent.schedule.showing() && silent.sound.played.isEmpty());

        // Rewards off: no tokens, no reward, and the run's random draws are left as they were.
        Rewards off(0);
        off.add(QStringLiteral("cake.png"), png({30, 20}, Qt::magenta));
        off.random.values = {0.5f};
        off.rightSets(25);
        QCOMPARE(off.screen.tokens, qMakePair(0, 0));
        QVERIFY(off.screen.shown.isEmpty() && off.sound.played.isEmpty() && off.random.values.size() == 1);
    }

    // The picture drawn at random among those that load, other files passed over; the star when
    // the folder is missing or holds nothing readable, with one report for what cannot be read; a
    // large photo shrunk with its shape kept.
    void pictureOrStar()
    {
        Rewards rewards(1);
        const auto reward = [&rewards] {
            rewards.timer.advance(RewardSchedule::RewardMs);
            rewards.rightSets(1);
            return rewards.screen.shown.value(rewards.screen.shown.size() - 1);
        };
        QVERIFY(reward().isNull());
        rewards.add(QStringLiteral("notes.txt"), "not a picture");
        QVERIFY(reward().isNull() && rewards.messageBox.shown.isEmpty());
        rewards.add(QStringLiteral("a.jpg"), brokenJpeg());
        QVERIFY(reward().isNull());
        QCOMPARE(rewards.messageBox.shown.size(), 1);
        QVERIFY2(rewards.messageBox.shown[0].contains(QStringLiteral("a.jpg")), qPrintable(rewards.messageBox.shown[0]));

        // Drawn: the broken one first, then the first of the two left; next time the last of three.
        rewards.add(QStringLiteral("b.png"), png({30, 20}, Qt::green));
        rewards.add(QStringLiteral("c.PNG"), png({3000, 1000}, Qt::blue));
        rewards.random.values = {0.0f, 0.0f, 0.9f};
        QCOMPARE(reward().pixelColor(0, 0), QColor(Qt::green));
        const QImage large = reward();
        QVERIFY(large.pixelColor(0, 0) == QColor(Qt::blue) && large.size() == QSize(2560, 853));
        QVERIFY(rewards.random.values.empty() && rewards.messageBox.shown.size() == 1 && rewards.screen.shown.size() == 5);
    }
};

QTEST_GUILESS_MAIN(TestReward)
#include "test_reward.moc"
