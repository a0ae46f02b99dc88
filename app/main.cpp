#include "app/RunFlow.h"
#include "core/Module1.h"
#include "pictures/AddPictureCommand.h"
#include "platform/ProgramInfo.h"
#include "platform/QtPlatform.h"
#include "records/RecordsExport.h"
#include "records/RecordsStore.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>

namespace {

// `tessarine --export-records LEARNER FILE.csv` writes a learner's records without opening a window.
int exportRecords(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        err << "Usage: tessarine --export-records LEARNER FILE.csv\n";
        return 2;
    }
    return tessarine::exportRecordsCommand(args.at(2), args.at(3), err);
}

// `tessarine --add-picture FILE --as cup.colour.red [--collection FOLDER]` adds a picture to a
// collection without opening a window. Cards are drawn with fonts, which need a GUI application;
// the offscreen platform gives one without a display.
int addPicture(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return tessarine::addPictureCommand(QCoreApplication::arguments().mid(2), tessarine::ProgramInfo::ofRunningProgram().folder,
                                        out, err);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--export-records") == 0)
        return exportRecords(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--add-picture") == 0)
        return addPicture(argc, argv);

    QApplication app(argc, argv);
    tessarine::QtPlatform platform(tessarine::QtSettingsBacking::defaultFilePath(tessarine::SettingsStore::ApplicationName));
    const tessarine::Platform services = platform.platform();
    tessarine::Module1 module(services.messageBox, services.random);
    tessarine::RunFlow flow(module, services, tessarine::RecordsStore::defaultFilePath());
    flow.start();
    return QApplication::exec();
}
