#include "speech/SpokenCaption.h"

#include "core/ErrorGuard.h"
#include "core/RuntimeError.h"
#include "sound/SoundPlayback.h"
#include "speech/AudioOutputs.h"
#include "speech/SpeechVoice.h"
#include "speech/WaveCheck.h"

#include <QDir>
#include <QFileInfo>

namespace tessarine {

namespace {

const QString VoiceSubject = QStringLiteral(":voice");

} // namespace

SpokenCaption::SpokenCaption(IMessageBox& messageBox, ISoundPlayer& player, ISpeechVoice& voice, const IAudioOutputs& outputs,
                             QString imagesFolder)
    : m_messageBox(messageBox)
    , m_player(player)
    , m_voice(voice)
    , m_outputs(outputs)
    , m_imagesFolder(std::move(imagesFolder))
{
    // The voice tells of its failures from the event loop.
    m_voice.setOnFailure([this](const QString& reason) {
        runUnguarded(m_messageBox, [&] {
            reportOnce(VoiceSubject, ErrorNumber::Internal, QStringLiteral("The voice cannot speak: %1").arg(reason));
        });
    });
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
        reportOnce(
            recording, ErrorNumber::InvalidArgument,
            QStringLiteral("The recording %1 cannot be played: %2").arg(QDir::toNativeSeparators(recording), check.problem()));
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
    QString name = objectFile;
    if (name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
        name.chop(4);
    name += QLatin1String(".wav");
    const QDir folder(imagesFolder);
    if (QFileInfo(folder.filePath(name)).isFile())
        return folder.filePath(name);
    // Names are compared without regard to letter case everywhere else, so here too.
    const QStringList waves = folder.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
    for (const QString& wave : waves)
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
