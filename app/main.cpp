#include "app/RunFlow.h"
#include "collections/CollectionChoice.h"
#include "core/MessageBox.h"
#include "core/Module1.h"
#include "pictures/AddPictureCommand.h"
#include "platform/ProgramInfo.h"
#include "platform/QtPlatform.h"
#include "records/RecordsExport.h"
#include "records/RecordsStore.h"
#include "settings/SettingsStore.h"
#include "translations/Translations.h"

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
    const tessarine::Translations translations;
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        //: The command and its option stay as they are; LEARNER and FILE.csv say what to write there
        err << QCoreApplication::translate("CommandLine", "Usage: tessarine --export-records LEARNER FILE.csv") << '\n';
        return 2;
    }
    // From the school server when the settings name one, as the Records window would show them.
    tessarine::QtSettingsBacking settings(
        tessarine::QtSettingsBacking::defaultFilePath(tessarine::SettingsStore::ApplicationName));
    const auto server = tessarine::SettingsStore(settings).read(tessarine::SettingKey::RecordsServer).trimmed();
    return tessarine::exportRecordsCommand(args.at(2), args.at(3), err, tessarine::RecordsStore::defaultFilePath(), server);
}

// Qt's set-up warnings (the offscreen platform, a missing runtime folder) would break the one line
// that a script reads on stderr; the command says in its own words what went wrong.
void onlyCriticalMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// `tessarine --add-picture FILE --as cup.colour.red [--collection FOLDER]` adds a picture to a
// collection without opening a window. Cards are drawn with fonts, which need a GUI application;
// the offscreen platform gives one without a display.
int addPicture(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(onlyCriticalMessages);
    QGuiApplication app(argc, argv);
    const tessarine::Translations translations;
    QTextStream out(stdout);
    QTextStream err(stderr);
    // Without --collection the picture goes where the program would show it: the collection in use.
    class ErrMessages final : public tessarine::IMessageBox {
    public:
        explicit ErrMessages(QTextStream& err)
            : m_err(err)
        {
        }
        void showCritical(const QString& text) override { m_err << "tessarine: " << text << '\n'; }

    private:
        QTextStream& m_err;
    };
    ErrMessages messages(err);
    const QStringList arguments = QCoreApplication::arguments().mid(2);
    const QString collection = arguments.contains(QStringLiteral("--collection"))
                                   ? QString()
                                   : tessarine::collectionInUse(tessarine::ProgramInfo::ofRunningProgram().folder, messages);
    return tessarine::addPictureCommand(arguments, collection, out, err);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--export-records") == 0)
        return exportRecords(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--add-picture") == 0)
        return addPicture(argc, argv);

    QApplication app(argc, argv);
    const tessarine::Translations translations;
    tessarine::QtPlatform platform(tessarine::QtSettingsBacking::defaultFilePath(tessarine::SettingsStore::ApplicationName));
    const tessarine::Platform services = platform.platform();
    tessarine::Module1 module(services.messageBox, services.random);
    tessarine::RunFlow flow(module, services, tessarine::RecordsStore::defaultFilePath());
    flow.setInterfaceLanguage(translations.language());
    flow.start();
    return QApplication::exec();
}
