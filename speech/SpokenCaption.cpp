#include "speech/SpokenCaption.h"

#include "access/AccessClock.h"
#include "core/ErrorGuard.h"
#include "core/RuntimeError.h"
#include "sound/SoundPlayback.h"
#include "speech/AudioOutputs.h"
#include "speech/SpeechVoice.h"
#include "speech/WaveCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace tessarine {

namespace {

const QString VoiceSubject = QStringLiteral(":voice");

} // namespace

SpokenCaption::SpokenCaption(IMessageBox& messageBox, ISoundPlayer& player, ISpeechVoice& voice, const IAudioOutputs& outputs,
                             QString imagesFolder)
    : SpokenCaption(messageBox, player, voice, outputs, std::move(imagesFolder), std::make_unique<SteadyClock>(),
                    std::make_unique<QtStepTimer>(messageBox))
{
}

SpokenCaption::SpokenCaption(IMessageBox& messageBox, ISoundPlayer& player, ISpeechVoice& voice, const IAudioOutputs& outputs,
                             QString imagesFolder, IClock& clock, IStepTimer& timer)
    : m_messageBox(messageBox)
    , m_player(player)
    , m_voice(voice)
    , m_outputs(outputs)
    , m_imagesFolder(std::move(imagesFolder))
    , m_clock(clock)
    , m_timer(timer)
{
    // The voice tells of its failures from the event loop.
    m_voice.setOnFailure([this](const QString& reason) {
        runUnguarded(m_messageBox, [&] {
            reportOnce(VoiceSubject, ErrorNumber::Internal,
                       QCoreApplication::translate("SpokenCaption", "The voice cannot speak: %1").arg(reason));
        });
    });
}

SpokenCaption::SpokenCaption(IMessageBox& messageBox, ISoundPlayer& player, ISpeechVoice& voice, const IAudioOutputs& outputs,
                             QString imagesFolder, std::unique_ptr<IClock> clock, std::unique_ptr<IStepTimer> timer)
    : SpokenCaption(messageBox, player, voice, outputs, std::move(imagesFolder), *clock, *timer)
{
    m_ownClock = std::move(clock);
    m_ownTimer = std::move(timer);
}

SpokenCaption::~SpokenCaption() { m_timer.stop(); }

void SpokenCaption::FeedbackPlayer::play(const QString& path)
{
    m_caption.m_player.play(path);
    m_caption.m_feedbackEndsMs = m_caption.m_clock.nowMs() + WaveCheck::ofFile(path).durationMs();
    if (m_caption.m_waiting)
        m_caption.schedule();
}

void SpokenCaption::cue(const QString& objectFile, const QString& caption)
{
    m_waiting = Cue{objectFile, caption, m_clock.nowMs() + MaxWaitMs};
    schedule();
}

void SpokenCaption::cancel()
{
    m_timer.stop();
    m_waiting.reset();
}

void SpokenCaption::schedule()
{
    m_timer.stop();
    const qint64 now = m_clock.nowMs();
    const qint64 due = std::min(m_feedbackEndsMs, m_waiting->latestMs);
    if (due <= now) {
        speakWaiting();
        return;
    }
    m_timer.start(static_cast<int>(due - now), [this] { speakWaiting(); });
}

void SpokenCaption::speakWaiting()
{
    m_timer.stop();
    if (const std::optional<Cue> waiting = std::exchange(m_waiting, std::nullopt))
        speak(waiting->objectFile, waiting->caption);
}

SpokenCaption::Spoken SpokenCaption::speak(const QString& objectFile, const QString& caption)
{
    if (!m_outputs.hasAudioOutput())
        return Spoken::Nothing;
    const QString recording = recordingFor(m_imagesFolder, objectFile);
    if (!recording.isEmpty()) {
        const WaveCheck check = WaveCheck::ofFile(recording);
        if (check.playable()) {
            API_PlaySound(m_messageBox, m_player, recording);
            return Spoken::Recording;
        }
        reportOnce(recording, ErrorNumber::InvalidArgument,
                   //: %1 is the recording's file, %2 says why in a phrase such as "it is not a wave file"
                   QCoreApplication::translate("SpokenCaption", "The recording %1 cannot be played: %2")
                       .arg(QDir::toNativeSeparators(recording), check.problem()));
    }
    // Captions are in capitals, which a voice may spell out letter by letter.
    const QString words = caption.simplified().toLower();
    if (words.isEmpty() || !m_voice.available())
        return Spoken::Nothing;
    try {
        m_voice.say(words);
    } catch (...) {
        const RuntimeError error = toRuntimeError(std::current_exception());
        reportOnce(VoiceSubject, error.number(), error.description());
        return Spoken::Nothing;
    }
    return Spoken::Voice;
}

QString SpokenCaption::recordingFor(const QString& imagesFolder, const QString& objectFile)
{
    return recordingFor(imagesFolder, objectFile, {}, false);
}

QString SpokenCaption::recordingFor(const QString& imagesFolder, const QString& objectFile, const QStringList& waves)
{
    return recordingFor(imagesFolder, objectFile, waves, true);
}

QStringList SpokenCaption::recordingsIn(const QString& imagesFolder)
{
    return QDir(imagesFolder).entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
}

QString SpokenCaption::recordingFor(const QString& imagesFolder, const QString& objectFile, const QStringList& waves, bool listed)
{
    QString name = objectFile;
    if (name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
        name.chop(4);
    name += QLatin1String(".wav");
    const QDir folder(imagesFolder);
    if (QFileInfo(folder.filePath(name)).isFile())
        return folder.filePath(name);
    // Names are compared without regard to letter case everywhere else, so here too.
    for (const QString& wave : listed ? waves : recordingsIn(imagesFolder))
        if (wave.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(wave);
    return {};
}

void SpokenCaption::reportOnce(const QString& subject, int number, const QString& description)
{
    if (m_reported.contains(subject))
        return;
    m_reported.insert(subject);
    Guard guard(m_messageBox, QStringLiteral("SpokenCaption"));
    guard.report(std::make_exception_ptr(RuntimeError(number, description)));
}

} // namespace tessarine
