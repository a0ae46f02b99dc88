#include "access/doubles/AccessDoubles.h"
#include "platform/doubles/TestDoubles.h"
#include "speech/AudioOutputs.h"
#include "speech/QtSpeechVoice.h"
#include "speech/QtVoiceCatalogue.h"
#include "speech/SpokenCaption.h"
#include "speech/VoiceThread.h"
#include "speech/WaveCheck.h"
#include "speech/doubles/SpeechDoubles.h"
#include "support/MediaFolder.h"

#include <QTextToSpeech>
#include <QtEndian>
#include <QtTest>

#include <future>

using namespace tessarine;
using testing::MediaFolder;

namespace {

QByteArray le(quint32 value, int bytes)
{
    const quint32 little = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char*>(&little), bytes);
}

// The pieces of a wave file, so that each test case can leave one out or spoil it.
QByteArray chunk(const char* id, const QByteArray& body, qint64 declaredSize = -1)
{
    return id + le(quint32(declaredSize < 0 ? body.size() : declaredSize), 4) + body + QByteArray(body.size() % 2, '\0');
}

QByteArray format(quint16 tag, quint16 channels = 1, quint16 bits = 16, const QByteArray& extension = {})
{
    const quint16 block = channels * (bits / 8);
    return chunk("fmt ",
                 le(tag, 2) + le(channels, 2) + le(22050, 4) + le(22050u * block, 4) + le(block, 2) + le(bits, 2) + extension);
}

// The extensible form names its format in a GUID whose first two bytes are the format tag (1: PCM).
const QByteArray ExtensiblePcm = le(22, 2) + le(16, 2) + le(0, 4) + le(1, 2)
                                 + QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);

QByteArray riff(const QByteArray& chunks) { return chunk("RIFF", "WAVE" + chunks); }

const QByteArray Sound(2000, '\x10');

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void waveFilesThatCanAndCannotBePlayed_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        QTest::newRow("extensible PCM") << riff(format(0xFFFE, 1, 16, ExtensiblePcm) + chunk("data", Sound)) << "";
        QTest::newRow("odd chunk before the sound") << riff(format(1) + chunk("LIST", "INFOabc") + chunk("data", Sound)) << "";
        QTest::newRow("cut short") << riff(format(1) + chunk("data", Sound, Sound.size() + 1)) << "ends before";
        QTest::newRow("no sound") << riff(format(1)) << "no sound data";
        QTest::newRow("empty sound") << riff(format(1) + chunk("data", {})) << "holds no sound";
        QTest::newRow("bad block size") << riff(format(1, 2, 12) + chunk("data", Sound)) << "damaged";
    }
    void waveFilesThatCanAndCannotBePlayed()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        MediaFolder folder;
        folder.addFile(QStringLiteral("Sounds"), QStringLiteral("test.wav"), content);
        const WaveCheck check = WaveCheck::ofFile(folder.subFolder(QStringLiteral("Sounds")) + "/test.wav");
        QVERIFY2(check.playable() == problem.isEmpty() && check.problem().contains(problem), qPrintable(check.problem()));
        // 2000 bytes of one 16-bit channel at 22050 samples a second.
        QCOMPARE(check.durationMs(), problem.isEmpty() ? 45 : 0);
    }

    // A cued caption waits for the feedback sound's end, 3 s at most; a new cue replaces it, cancel drops it.
    void captionWaitsForTheFeedbackSound()
    {
        MediaFolder folder;
        const QByteArray second(44100, '\x10');
        folder.addFile(QStringLiteral("Sounds"), QStringLiteral("ok.wav"), riff(format(1) + chunk("data", second)));
        folder.addFile(QStringLiteral("Sounds"), QStringLiteral("long.wav"), riff(format(1) + chunk("data", second.repeated(5))));
        const QString sounds = folder.subFolder(QStringLiteral("Sounds"));
        doubles::TestPlatform platform(folder.path());
        doubles::RecordingVoice voice;
        const doubles::FixedAudioOutputs speakers(true);
        doubles::FakeClock clock;
        doubles::FakeStepTimer timer(clock);
        SpokenCaption spoken(platform.messageBox, platform.sound, voice, speakers, folder.subFolder("Images"), clock, timer);

        spoken.cue(QStringLiteral("cup.jpg"), QStringLiteral("CUP"));
        QCOMPARE(voice.said, QStringList{"cup"});
        spoken.feedbackPlayer().play(sounds + "/ok.wav");
        spoken.cue(QStringLiteral("pen.jpg"), QStringLiteral("PEN"));
        timer.advance(500);
        spoken.cue(QStringLiteral("hat.jpg"), QStringLiteral("HAT"));
        timer.advance(499);
        QCOMPARE(voice.said.size(), 1);
        timer.advance(1);
        QCOMPARE(voice.said, QStringList({"cup", "hat"}));

        spoken.feedbackPlayer().play(sounds + "/long.wav");
        spoken.cue(QStringLiteral("pen.jpg"), QStringLiteral("PEN"));
        timer.advance(SpokenCaption::MaxWaitMs - 1);
        QCOMPARE(voice.said.size(), 2);
        timer.advance(1);
        QCOMPARE(voice.said.value(2), QStringLiteral("pen"));

        spoken.feedbackPlayer().play(sounds + "/ok.wav");
        spoken.cue(QStringLiteral("cup.jpg"), QStringLiteral("CUP"));
        spoken.cancel();
        timer.advance(5000);
        QCOMPARE(voice.said.size(), 3);
        QCOMPARE(platform.sound.played, QStringList({sounds + "/ok.wav", sounds + "/long.wav", sounds + "/ok.wav"}));
    }

    void captionSpokenByRecordingOrVoiceOrNothing()
    {
        MediaFolder folder;
        const QString images = folder.subFolder(QStringLiteral("Images"));
        folder.addFile(QStringLiteral("Images"), QStringLiteral("BALL.Size.Big.WAV"), riff(format(1) + chunk("data", Sound)));
        folder.addFile(QStringLiteral("Images"), QStringLiteral("hat.colour.red.wav"), riff(format(0x55) + chunk("data", Sound)));
        doubles::TestPlatform platform(folder.path());
        doubles::RecordingVoice voice;
        const doubles::FixedAudioOutputs speakers(true);
        SpokenCaption spoken(platform.messageBox, platform.sound, voice, speakers, images);

        // The teacher's own recording, found in any letter case.
        QCOMPARE(spoken.speak(QStringLiteral("ball.size.big.JPG"), QStringLiteral("BALL BIG")), SpokenCaption::Spoken::Recording);
        QCOMPARE(platform.sound.played, QStringList{images + "/BALL.Size.Big.WAV"});
        // No recording: the voice, in words it will not spell out.
        QCOMPARE(spoken.speak(QStringLiteral("pen.colour.blue.jpg"), QStringLiteral("PEN  BLUE ")), SpokenCaption::Spoken::Voice);
        // A recording that cannot be played is named once, and the voice speaks instead.
        for (int set = 0; set < 2; ++set)
            QCOMPARE(spoken.speak(QStringLiteral("hat.colour.red.jpg"), QStringLiteral("HAT RED")), SpokenCaption::Spoken::Voice);
        QCOMPARE(voice.said, QStringList({"pen blue", "hat red", "hat red"}));
        QVERIFY(platform.messageBox.shown.value(0).contains("hat.colour.red.wav cannot be played: it is compressed"));

        // A voice that fails is reported once, whether it fails at once or while speaking.
        voice.failure = RuntimeError(ErrorNumber::Internal, QStringLiteral("The voice cannot speak: no engine"));
        QCOMPARE(spoken.speak(QStringLiteral("pen.colour.blue.jpg"), QStringLiteral("PEN BLUE")), SpokenCaption::Spoken::Nothing);
        voice.fail(QStringLiteral("audio device lost"));

        // No audio output: nothing is tried, and the options window says why. The next run's caption
        // takes the voice over, and with it the reports of its failures while speaking.
        const doubles::FixedAudioOutputs none(false);
        SpokenCaption silent(platform.messageBox, platform.sound, voice, none, images);
        QCOMPARE(silent.speak(QStringLiteral("ball.size.big.jpg"), QStringLiteral("BALL BIG")), SpokenCaption::Spoken::Nothing);
        QVERIFY(audioOutputNotice(none).contains(QStringLiteral("no sound output")) && audioOutputNotice(speakers).isEmpty());
        voice.fail(QStringLiteral("audio device lost"));
        // The recording, then the voice once while this caption had it, once for the caption that took it over.
        QCOMPARE(platform.messageBox.shown.mid(1),
                 QStringList({"Error \"The voice cannot speak: no engine\" in SpokenCaption() routine",
                              "Error \"The voice cannot speak: audio device lost\" in SpokenCaption() routine"}));
    }

    // English keeps flite; another language gets speech-dispatcher's voice of it, from its home
    // country; a language without a voice gets the English one, and says so.
    void captionLanguageChoosesAVoiceOfIt()
    {
        doubles::FakeVoiceCatalogue catalogue;
        catalogue.offered = {{"flite", {{"en_US", {"slt", "awb"}}}},
                             {"speechd",
                              {{"en_GB", {"English (Great Britain)"}},
                               {"it_IT", {"Italian", "Italian+Adam"}},
                               {"pt_PT", {"Portuguese (Portugal)"}},
                               {"pt_BR", {"Portuguese (Brazil)"}}}}};
        VoiceChoice choice(catalogue);
        const auto chosen = [&](const QString& language) {
            const ChosenVoice voice = choice.forCaption(language);
            return QStringList{voice.engine, voice.locale.name(), voice.voice, voice.ofLanguage ? "own" : "stand-in"};
        };
        QCOMPARE(chosen("en"), QStringList({"flite", "en_US", "slt", "own"}));
        QCOMPARE(catalogue.asked, QStringList{"flite"}); // English never waits for speech-dispatcher
        QCOMPARE(chosen("it"), QStringList({"speechd", "it_IT", "Italian", "own"}));
        QCOMPARE(chosen("pt"), QStringList({"speechd", "pt_BR", "Portuguese (Brazil)", "own"}));
        QCOMPARE(chosen("de"), QStringList({"flite", "en_US", "slt", "stand-in"}));
        QCOMPARE(choice.languages(), QStringList({"en", "it", "pt"}));

        catalogue.offered.remove("flite");
        QCOMPARE(chosen("en"), QStringList({"speechd", "en_GB", "English (Great Britain)", "own"}));
        catalogue.offered.clear();
        QVERIFY(choice.forCaption("it").engine.isEmpty());
    }

    // English captions keep the voice they had before languages could be chosen: flite's own.
    void englishKeepsFlitesOwnVoice()
    {
        QtVoiceCatalogue catalogue;
        if (!catalogue.engines().contains("flite"))
            QSKIP("Qt TextToSpeech has no flite engine here (qt6-speech-flite-plugin)");
        const ChosenVoice voice = VoiceChoice(catalogue).forCaption("en");
        QCOMPARE(voice.engine, QStringLiteral("flite"));
        QCOMPARE(voice.voice, QTextToSpeech(QStringLiteral("flite")).voice().name());
    }

    // speech-dispatcher as installed here: an Italian caption gets an Italian voice. Slow (the
    // engine lists thousands of voices), so only this one case loads it.
    void speechDispatcherHasAnItalianVoice()
    {
        QtVoiceCatalogue catalogue;
        if (!catalogue.engines().contains("speechd"))
            QSKIP("Qt TextToSpeech has no speech-dispatcher engine here (qt6-speech-speechd-plugin)");
        // Asked on a voice thread: a daemon left hanging by an earlier run must not hang the suite.
        // Under AddressSanitizer the listing takes minutes, and the case is skipped.
        const auto languages = QtVoiceCatalogue::languagesWithin(std::chrono::seconds(30));
        if (!languages || !languages->contains("it"))
            QSKIP("speech-dispatcher does not answer, or has no Italian voice (speech-dispatcher-espeak-ng)");
        const ChosenVoice voice = VoiceChoice(catalogue).forCaption("it");
        QCOMPARE(voice.engine, QStringLiteral("speechd"));
        QCOMPARE(voice.locale.language(), QLocale::Italian);
        QVERIFY2(voice.voice.contains("Italian"), qPrintable(voice.voice));
    }

    // An engine that never answers (a speech-dispatcher left hanging) keeps its own thread busy,
    // never the caller: the wait ends.
    void aHangingEngineDoesNotHoldUpTheCaller()
    {
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        VoiceThread thread;
        QVERIFY(!thread.runAndWait([released] { released.wait(); }, std::chrono::milliseconds(50)));
        // Once the engine answers, the thread takes the next job.
        release.set_value();
        bool ran = false;
        QVERIFY(thread.runAndWait([&ran] { ran = true; }, std::chrono::seconds(30)));
        QVERIFY(ran);
    }

    // The set-up installs an engine that needs no network; loading it must not fail.
    void theOfflineVoiceIsInstalled()
    {
        QtSpeechVoice voice;
        QVERIFY(voice.available());
        voice.say(QStringLiteral("cup red"));
    }
};

QTEST_MAIN(TestSpeech)
#include "test_speech.moc"
