#pragma once

#include "platform/DirectoryListing.h"
#include "platform/MessageBox.h"
#include "platform/PictureLoader.h"
#include "platform/Platform.h"
#include "platform/RandomSource.h"
#include "platform/RunLifetime.h"
#include "platform/SettingsBacking.h"
#include "platform/SoundPlayer.h"

namespace tessarine {

// The real platform services of a run. Needs the QApplication to exist.
class QtPlatform {
public:
    explicit QtPlatform(const QString& settingsFile);

    Platform platform();

private:
    ProgramInfo m_program;
    QtMessageBox m_messageBox;
    QtDirectoryListing m_listing;
    QtPictureLoader m_pictures;
    ClockRandomSource m_random;
    QtSoundPlayer m_sound;
    QtSettingsBacking m_settings;
    QtRunLifetime m_lifetime;
};

} // namespace tessarine
