#include "core/Module1.h"
#include "options/ProgramStart.h"
#include "platform/QtPlatform.h"
#include "settings/SettingsStore.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tessarine::QtPlatform platform(
        tessarine::QtSettingsBacking::defaultFilePath(tessarine::SettingsStore::ApplicationName));
    tessarine::Module1 module(platform.platform());
    tessarine::startProgram(module);
    return QApplication::exec();
}
