#include "core/RuntimeError.h"
#include "platform/SoundPlayer.h"
#include "platform/doubles/TestDoubles.h"
#include "sound/SoundPlayback.h"
#include "support/MediaFolder.h"

#include <QDir>
#include <QtTest>

using namespace tessarine;

class TestSound : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void playbackGoesToThePlayerUnchanged()
    {
        doubles::TestPlatform platform(QStringLiteral("/program"));
        API_PlaySound(platform.messageBox, platform.sound, QStringLiteral("/program/Sounds/*** NO SOUND ***"));
        QCOMPARE(platform.sound.played, QStringList({"/program/Sounds/*** NO SOUND ***"}));

        // Only a player that cannot be reached at all is reported (once: the play above was silent).
        platform.sound.failure = RuntimeError(ErrorNumber::FileNotFound, QStringLiteral("Sound player not found"));
        API_PlaySound(platform.messageBox, platform.sound, QStringLiteral("/program/Sounds/ok.wav"));
        QCOMPARE(platform.messageBox.shown, QStringList({"Error \"Sound player not found\" in API_PlaySound() routine"}));
    }

    void realPlayerIsSilentAboutWhatItCannotPlay()
    {
        // Without an audio device (as in CI) playing must neither fail nor wait for a long sound;
        // a new sound cuts off the last, and a missing file or a folder is simply not heard (files
        // that are no sound: test_bad_input).
        testing::MediaFolder folder;
        const QString sounds = folder.subFolder(QStringLiteral("Sounds"));
        // A valid 16-bit mono PCM wave file: 30 seconds of silence at 22050 Hz.
        folder.addFile(
            QStringLiteral("Sounds"), QStringLiteral("long.wav"),
            QByteArray("RIFF\x1c\x30\x14\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xac\0\0\x02\0\x10\0data\xf8\x2f\x14\0",
                       44)
                + QByteArray(22050 * 2 * 30, '\0'));
        QDir(sounds).mkdir(QStringLiteral("folder.wav"));
        QElapsedTimer playing;
        playing.start();
        QtSoundPlayer player;
        for (const char* name : {"long.wav", "missing.wav", "folder.wav", "long.wav", ""})
            player.play(sounds + u'/' + QLatin1String(name));
        QTest::qWait(200);
        QVERIFY2(playing.elapsed() < 10000, qPrintable(QString::number(playing.elapsed())));
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
