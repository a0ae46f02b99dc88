#pragma once

#include "platform/SoundPlayer.h"

#include <QSet>
#include <QString>

#include <memory>
#include <optional>

namespace tessarine {

class IAudioOutputs;
class IClock;
class IMessageBox;
class ISpeechVoice;
class IStepTimer;

// The caption of a new set, spoken: the teacher's own recording when a wave file with the object
// picture's name lies beside it in Images (cup.colour.red.jpg, cup.colour.red.wav), otherwise the
// synthetic voice, otherwise nothing. A recording that cannot be played, or a voice that fails, is
// reported once by the error convention (as "SpokenCaption"), not at every set; a recording that
// cannot be played gives way to the voice. Without any audio output nothing is tried: the options
// window has said so already.
//
// A new set's caption would cut off the right-answer sound that brought the set (a recording
// replaces the sound on the one player, the voice drowns it), so the exercise plays its right and
// wrong sounds through feedbackPlayer(), and a caption cued while one of them is still playing
// waits for its end, as long as the wave file says it lasts, but never longer than MaxWaitMs.
class SpokenCaption {
public:
    static constexpr int MaxWaitMs = 3000;

    // Waits are timed with the program's steady clock and a timer of the event loop.
    SpokenCaption(IMessageBox& messageBox, ISoundPlayer& player, ISpeechVoice& voice, const IAudioOutputs& outputs,
                  QString imagesFolder);
    SpokenCaption(IMessageBox& messageBox, ISoundPlayer& player, ISpeechVoice& voice, const IAudioOutputs& outputs,
                  QString imagesFolder, IClock& clock, IStepTimer& timer);
    ~SpokenCaption();

    // What was done for the last set, for whoever wants to know.
    enum class Spoken { Nothing, Recording, Voice };

    // Speaks at once.
    Spoken speak(const QString& objectFile, const QString& caption);
    // The caption of a set that has just appeared: spoken at once, or when the feedback sound still
    // playing ends (MaxWaitMs at most). A caption still waiting gives way to the new one.
    void cue(const QString& objectFile, const QString& caption);
    // Drops a caption still waiting, when its set is no longer on the screen.
    void cancel();
    // Plays on the caption's player and notes how long the sound lasts.
    ISoundPlayer& feedbackPlayer() { return m_feedback; }

    // The recording of the object picture `objectFile` in `imagesFolder`: the same name with .wav
    // in place of .jpg, in any letter case; the empty text when there is none.
    static QString recordingFor(const QString& imagesFolder, const QString& objectFile);
    // The same among `waves`, the wave files of the folder listed once (recordingsIn), for a
    // caller that looks up the recordings of many pictures.
    static QString recordingFor(const QString& imagesFolder, const QString& objectFile, const QStringList& waves);
    static QStringList recordingsIn(const QString& imagesFolder);

private:
    class FeedbackPlayer final : public ISoundPlayer {
    public:
        explicit FeedbackPlayer(SpokenCaption& caption)
            : m_caption(caption)
        {
        }
        void play(const QString& path) override;

    private:
        SpokenCaption& m_caption;
    };

    struct Cue {
        QString objectFile;
        QString caption;
        qint64 latestMs = 0; // spoken by then whatever plays
    };

    SpokenCaption(IMessageBox& messageBox, ISoundPlayer& player, ISpeechVoice& voice, const IAudioOutputs& outputs,
                  QString imagesFolder, std::unique_ptr<IClock> clock, std::unique_ptr<IStepTimer> timer);

    static QString recordingFor(const QString& imagesFolder, const QString& objectFile, const QStringList& waves, bool listed);
    void reportOnce(const QString& subject, int number, const QString& description);
    // Speaks the waiting caption now or sets the timer for when it may be.
    void schedule();
    void speakWaiting();

    IMessageBox& m_messageBox;
    ISoundPlayer& m_player;
    ISpeechVoice& m_voice;
    const IAudioOutputs& m_outputs;
    QString m_imagesFolder;
    std::unique_ptr<IClock> m_ownClock;
    std::unique_ptr<IStepTimer> m_ownTimer;
    IClock& m_clock;
    IStepTimer& m_timer;
    FeedbackPlayer m_feedback{*this};
    qint64 m_feedbackEndsMs = 0;
    std::optional<Cue> m_waiting;
    QSet<QString> m_reported;
};

} // namespace tessarine
