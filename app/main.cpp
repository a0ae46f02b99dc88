#include "app/RunFlow.h"
#include "core/Module1.h"
#include "platform/QtPlatform.h"
#include "settings/SettingsStore.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tessarine::QtPlatform platform(
        tessarine::QtSettingsBacking::defaultFilePath(tessarine::SettingsStore::ApplicationName));
    const tessarine::Platform services = platform.platform();
    tessarine::Module1 module(services.messageBox, services.random);
    tessarine::RunFlow flow(module, services);
    flow.start();
    return QApplication::exec();
}
