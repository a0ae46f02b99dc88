#pragma once

#include "platform/ProgramInfo.h"

namespace tessarine {

class IMessageBox;
class IDirectoryListing;
class IPictureLoader;
class IRandomSource;
class ISoundPlayer;
class ISettingsBacking;
class IRunLifetime;

// Every service the program takes from the platform, handed to the windows at their creation.
struct Platform {
    IMessageBox& messageBox;
    IDirectoryListing& listing;
    IPictureLoader& pictures;
    IRandomSource& random;
    ISoundPlayer& sound;
    ISettingsBacking& settings;
    IRunLifetime& lifetime;
    ProgramInfo program;
};

} // namespace tessarine
