#pragma once

#include <QString>
#include <QWidget>

class QPushButton;

namespace tessarine {

class IMessageBox;
class IMicrophone;
class ISoundPlayer;

// "Record", "Play" and "Remove" beside an object picture: the teacher's own reading of its caption,
// kept as Images/<name>.wav. Where no microphone exists "Record" says so.
class VoiceButtons final : public QWidget {
    Q_OBJECT

public:
    VoiceButtons(IMessageBox& messageBox, IMicrophone& microphone, ISoundPlayer& sound, QString objectPicturePath,
                 QWidget* parent = nullptr);
    ~VoiceButtons() override;

Q_SIGNALS:
    // A recording was made or removed.
    void changed();

private:
    void showState();
    void cmdRecord_Click();
    void finishRecording();
    void cmdPlay_Click();
    void cmdRemove_Click();

    IMessageBox& m_messageBox;
    IMicrophone& m_microphone;
    ISoundPlayer& m_sound;
    QString m_recording;
    // The microphone is shared by every object's buttons: these say "Stop" only for their own.
    bool m_recordingHere = false;
    QPushButton* cmdRecord;
    QPushButton* cmdPlay;
    QPushButton* cmdRemove;
};

} // namespace tessarine
