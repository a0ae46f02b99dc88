#pragma once

#include <QSet>
#include <QString>

namespace tessarine {

class IAudioOutputs;
class IMessageBox;
class ISoundPlayer;
class ISpeechVoice;

// The caption of a new set, spoken: the teacher's own recording when a wave file with the object
// picture's name lies beside it in Images (cup.colour.red.jpg, cup.colour.red.wav), otherwise the
// synthetic voice, otherwise nothing. A recording that cannot be played, or a voice that fails, is
// reported once by the error convention (as "SpokenCaption"), not at every set; a recording that
// cannot be played gives way to the voice. Without any audio output nothing is tried: the options
// window has said so already.
class SpokenCaption {
public:
    SpokenCaption(IMessageBox& messageBox, ISoundPlayer& player, ISpeechVoice& voice, const IAudioOutputs& outputs,
                  QString imagesFolder);

    // What was done for the last set, for whoever wants to know.
    enum class Spoken { Nothing, Recording, Voice };

    Spoken speak(const QString& objectFile, const QString& caption);

    // The recording of the object picture `objectFile` in `imagesFolder`: the same name with .wav
    // in place of .jpg, in any letter case; the empty text when there is none.
    static QString recordingFor(const QString& imagesFolder, const QString& objectFile);

private:
    void reportOnce(const QString& subject, int number, const QString& description);

    IMessageBox& m_messageBox;
    ISoundPlayer& m_player;
    ISpeechVoice& m_voice;
    const IAudioOutputs& m_outputs;
    QString m_imagesFolder;
    QSet<QString> m_reported;
};

} // namespace tessarine
