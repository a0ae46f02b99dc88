#include "core/Module1.h"
#include "exercise/frmMain.h"
#include "platform/QtPlatform.h"
#include "core/ErrorGuard.h"
#include "settings/SettingsStore.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The run decides itself when it is over, never Qt between two windows.
    QApplication::setQuitOnLastWindowClosed(false);

    tessarine::QtPlatform platform(tessarine::QtSettingsBacking::defaultFilePath(tessarine::SettingsStore::ApplicationName));
    tessarine::Module1 module(platform.platform());
    module.ShowSymbolsDistractor = true;
    module.ShowAttributesDistractor = true;
    module.SameCategoryAttributes = true;
    module.UseSequence = true;
    module.PlaySounds = true;
    module.SoundOk = QStringLiteral("ok.wav");
    module.SoundWrong = QStringLiteral("error.wav");
    auto* window = new tessarine::frmMain(module);
    tessarine::runUnguarded(module.messageBox(), [&] { window->Form_Load(); });
    window->show();
    return QApplication::exec();
}
