#include "core/Module1.h"
#include "platform/SoundPlayer.h"
#include "platform/doubles/TestDoubles.h"
#include "sound/SoundPlayback.h"
#include "support/MediaFolder.h"

#include <QDir>
#include <QtTest>

using namespace tessarine;

namespace {

// A valid 16-bit mono PCM wave file of `seconds` of a quiet tone.
QByteArray waveFile(double seconds)
{
    const int rate = 22050;
    const auto samples = static_cast<quint32>(rate * seconds);
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples * 2);
    for (quint32 i = 0; i < samples; ++i)
        out << qint16((i / 25) % 2 ? 2000 : -2000);
    return data;
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void playbackGoesToThePlayerUnchanged()
    {
        doubles::TestPlatform platform(QStringLiteral("/program"));
        API_PlaySound(platform.messageBox, platform.sound, QStringLiteral("/program/Sounds/*** NO SOUND ***"));
        QCOMPARE(platform.sound.played, QStringList({"/program/Sounds/*** NO SOUND ***"}));
        QVERIFY(platform.messageBox.shown.isEmpty());

        // Only a player that cannot be reached at all is reported; the caller goes on.
        platform.sound.failure = RuntimeError(ErrorNumber::FileNotFound, QStringLiteral("Sound player not found"));
        API_PlaySound(platform.messageBox, platform.sound, QStringLiteral("/program/Sounds/ok.wav"));
        QCOMPARE(platform.messageBox.shown, QStringList({"Error \"Sound player not found\" in API_PlaySound() routine"}));
    }

    void realPlayerIsSilentAboutWhatItCannotPlay()
    {
        // Without an audio device (as in CI) and with files that are no sound, playing must neither
        // fail, nor wait, nor leave anything behind.
        testing::MediaFolder folder;
        folder.addFile(QStringLiteral("Sounds"), QStringLiteral("long.wav"), waveFile(30));
        folder.addFile(QStringLiteral("Sounds"), QStringLiteral("empty.wav"), {});
        folder.addFile(QStringLiteral("Sounds"), QStringLiteral("text.wav"), "not a wave file");
        QDir(folder.subFolder(QStringLiteral("Sounds"))).mkdir(QStringLiteral("folder.wav"));
        QtSoundPlayer player;
        for (const char* name : {"long.wav", "missing.wav", "empty.wav", "text.wav", "folder.wav", "long.wav"})
            player.play(folder.subFolder(QStringLiteral("Sounds")) + u'/' + QLatin1String(name));
        player.play(folder.subFolder(QStringLiteral("Sounds")));
        QTest::qWait(200);
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
