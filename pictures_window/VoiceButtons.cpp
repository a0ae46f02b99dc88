#include "pictures_window/VoiceButtons.h"

#include "core/ErrorGuard.h"
#include "pictures/CollectionEditor.h"
#include "platform/Microphone.h"
#include "platform/SoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>

namespace tessarine {

namespace {

// The buttons whose recording holds the microphone; there is one microphone for all objects.
VoiceButtons* recordingNow = nullptr;

} // namespace

VoiceButtons::VoiceButtons(IMessageBox& messageBox, IMicrophone& microphone, ISoundPlayer& sound, QString objectPicturePath,
                           QWidget* parent)
    : QWidget(parent)
    , m_messageBox(messageBox)
    , m_microphone(microphone)
    , m_sound(sound)
    , m_recording(CollectionEditor::recordingPath(objectPicturePath))
{
    cmdRecord = new QPushButton(this);
    //: Button: record the caption from the microphone
    cmdRecord->setAccessibleName(tr("Record"));
    //: Button: play the recorded caption
    cmdPlay = new QPushButton(tr("Play"), this);
    cmdPlay->setAccessibleName(tr("Play"));
    //: Button: the recording goes to the trash
    cmdRemove = new QPushButton(tr("Remove"), this);
    cmdRemove->setAccessibleName(tr("Remove"));
    const QString caption = QFileInfo(objectPicturePath).completeBaseName();
    //: %1 is the object picture's name; the buttons record, play and remove its spoken caption
    setAccessibleName(tr("Voice of %1").arg(caption));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cmdRecord);
    layout->addWidget(cmdPlay);
    layout->addWidget(cmdRemove);

    connect(cmdRecord, &QPushButton::clicked, this, [this] { runUnguarded(m_messageBox, [this] { cmdRecord_Click(); }); });
    connect(cmdPlay, &QPushButton::clicked, this, [this] { runUnguarded(m_messageBox, [this] { cmdPlay_Click(); }); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] { runUnguarded(m_messageBox, [this] { cmdRemove_Click(); }); });
    showState();
}

VoiceButtons::~VoiceButtons()
{
    // A recording still running when its buttons go is completed rather than lost.
    if (m_recordingHere)
        runUnguarded(m_messageBox, [this] { m_microphone.stop(); });
    if (recordingNow == this)
        recordingNow = nullptr;
}

void VoiceButtons::showState()
{
    const bool present = m_microphone.available();
    if (m_recordingHere) {
        //: Button: stop recording
        cmdRecord->setText(tr("Stop"));
        cmdRecord->setAccessibleName(tr("Stop"));
        cmdRecord->setAccessibleDescription(tr("Stops recording"));
    } else {
        //: Button: record the caption from the microphone; "No microphone" on a computer without one
        cmdRecord->setText(present ? tr("Record") : tr("No microphone"));
        cmdRecord->setAccessibleName(tr("Record"));
        cmdRecord->setAccessibleDescription(present ? tr("Records the caption from the microphone")
                                                    : tr("No microphone: this computer has none to record with"));
    }
    cmdRecord->setEnabled(present);
    const bool recorded = !m_recordingHere && QFileInfo::exists(m_recording);
    cmdPlay->setEnabled(recorded);
    cmdRemove->setEnabled(recorded);
}

void VoiceButtons::cmdRecord_Click()
{
    if (m_recordingHere) {
        finishRecording();
        return;
    }
    // Recording another object ends the one before, which is kept, and its button says "Record"
    // again.
    if (recordingNow)
        recordingNow->finishRecording();
    Guard guard(m_messageBox, QStringLiteral("cmdRecord_Click"));
    guard.step([this] {
        m_microphone.start(m_recording);
        m_recordingHere = true;
        recordingNow = this;
    });
    showState();
}

void VoiceButtons::finishRecording()
{
    m_recordingHere = false;
    recordingNow = nullptr;
    Guard guard(m_messageBox, QStringLiteral("cmdRecord_Click"));
    guard.step([this] { m_microphone.stop(); });
    showState();
    Q_EMIT changed();
}

void VoiceButtons::cmdPlay_Click()
{
    Guard guard(m_messageBox, QStringLiteral("cmdPlay_Click"));
    guard.step([this] { m_sound.play(m_recording); });
}

void VoiceButtons::cmdRemove_Click()
{
    Guard guard(m_messageBox, QStringLiteral("cmdRemove_Click"));
    guard.step([this] {
        if (!QFile::moveToTrash(m_recording))
            throw RuntimeError(ErrorNumber::PathAccess,
                               tr("The recording %1 cannot be moved to the trash").arg(QDir::toNativeSeparators(m_recording)));
    });
    showState();
    Q_EMIT changed();
}

} // namespace tessarine
