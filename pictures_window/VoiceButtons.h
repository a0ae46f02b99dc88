#pragma once

#include <QWidget>

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
};

} // namespace tessarine
