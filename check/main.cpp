// tessarine-check: tells a teacher, before a learner sits down, which pictures of a Tessarine
// program folder will not work in the exercise and why.

#include "check/MediaChecker.h"
#include "check/SetSheet.h"
#include "collections/CollectionChoice.h"
#include "core/MessageBox.h"
#include "platform/ProgramInfo.h"
#include "platform/SettingsBacking.h"
#include "settings/SettingsStore.h"
#include "translations/Translations.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <optional>

namespace {

const char* const Synopsis = "tessarine-check [--json] [--sheet FILE.pdf] [FOLDER]";

// The help's description, translated where it is shown.
const char* const Description = QT_TRANSLATE_NOOP(
    "CheckCommand", "Checks the pictures and sounds of a Tessarine program folder the way the exercise reads them, and\n"
                    "tells, per file, what will happen in the exercise and how to fix it: object pictures without their\n"
                    "symbol or attribute, names with too few parts, option settings under which a set stops with an\n"
                    "error, pictures that cannot be loaded or are never shown, folders over 1000 pictures, missing\n"
                    "sounds.\n"
                    "\n"
                    "Exit status: 0 every set works and nothing was found; 1 something was found; 2 the folder cannot\n"
                    "be read, the sheet cannot be written or the command line is wrong.");

// Status for a command line that cannot be followed, as for a folder that cannot be read.
constexpr int UsageError = 2;

void write(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// Qt's warnings (decoders about damaged files, the offscreen platform about its set-up) would only
// clutter a teacher's report; the damage itself is reported as a finding.
void quietWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        write(stderr, message.toLocal8Bit() + '\n');
}

// What the program would tell in a message box, the checker tells on one line of stderr.
class StderrMessages final : public tessarine::IMessageBox {
public:
    void showCritical(const QString& text) override
    {
        write(stderr, QStringLiteral("tessarine-check: %1\n").arg(text).toLocal8Bit());
    }
};

// One line, so that a script's log shows the whole complaint; --help has the rest.
int usageError(const QString& problem)
{
    //: %1 is how the command is written: keep it as it is
    const QString usage
        = QCoreApplication::translate("CheckCommand", "Usage: %1 (--help tells more)").arg(QLatin1String(Synopsis));
    write(stderr, QStringLiteral("tessarine-check: %1 %2\n").arg(problem, usage).toLocal8Bit());
    return UsageError;
}

int run(int argc, char* argv[])
{
    // The checker never opens a window, so it needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietWarnings);
    QGuiApplication app(argc, argv);
    std::optional<tessarine::Translations> translations(std::in_place);
    const tessarine::ProgramInfo program = tessarine::ProgramInfo::ofRunningProgram();
    QCoreApplication::setApplicationName(QStringLiteral("tessarine-check"));
    QCoreApplication::setApplicationVersion(program.version());

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("CheckCommand", Description));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption json(QStringLiteral("json"),
                                  QCoreApplication::translate("CheckCommand",
                                                              "Print the findings as JSON (schema \"tessarine-check/1\") "
                                                              "instead of text."));
    const QCommandLineOption sheet(QStringLiteral("sheet"),
                                   QCoreApplication::translate("CheckCommand",
                                                               "Also write a printable A4 sheet with one row per object "
                                                               "picture: the picture, its caption, its symbol and its "
                                                               "attribute, problems marked in colour."),
                                   QStringLiteral("FILE.pdf"));
    parser.addOption(json);
    parser.addOption(sheet);
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QCoreApplication::translate("CheckCommand",
                                                             "The folder that holds the Images, Symbols, Attributes and "
                                                             "Sounds folders; without it the collection the program uses, "
                                                             "as chosen in its options window (the program's own folder "
                                                             "when none was chosen)."),
                                 QStringLiteral("[FOLDER]"));

    // parse(), not process(): process() would leave with status 1 on a wrong command line, which
    // scripts would take for "something was found".
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    // --help-all is the help option's Qt-wide twin; the checker has no options of Qt's to add.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        write(stdout, parser.helpText().toLocal8Bit());
        return 0;
    }
    if (parser.isSet(version)) {
        write(stdout, QStringLiteral("tessarine-check %1\n").arg(QCoreApplication::applicationVersion()).toLocal8Bit());
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (const int folders = static_cast<int>(positional.size()); folders > 1)
        //: %1 is the folders given, in quotes
        return usageError(QCoreApplication::translate("CheckCommand", "One folder at a time, not %n: \"%1\".", nullptr, folders)
                              .arg(positional.join(QStringLiteral("\", \""))));
    if (parser.values(sheet).size() > 1)
        return usageError(QCoreApplication::translate("CheckCommand", "One --sheet at a time."));
    const QString sheetFile = parser.value(sheet);
    if (parser.isSet(sheet) && sheetFile.isEmpty())
        return usageError(QCoreApplication::translate("CheckCommand", "--sheet needs the name of the PDF file to write."));
    if (!positional.isEmpty() && positional.first().isEmpty())
        return usageError(QCoreApplication::translate("CheckCommand", "The folder name is empty."));
    StderrMessages messages;
    const QString folder = positional.isEmpty() ? tessarine::collectionInUse(program.folder, messages) : positional.first();

    // Findings are worded as the check runs, in the language then in force. --json is for scripts,
    // so that check runs in English (its catalogue keeps the plural forms); a sheet asked for
    // with it is for the teacher, and is made from a second check in the system's language.
    const bool asJson = parser.isSet(json);
    if (asJson)
        translations.emplace(QLocale(QLocale::English));
    const tessarine::check::CheckResult result = tessarine::check::checkProgramFolder(folder);
    write(stdout, asJson ? tessarine::check::toJson(result) : tessarine::check::toText(result).toUtf8());
    if (!sheetFile.isEmpty() && result.readable) {
        std::optional<tessarine::check::CheckResult> ownLanguage;
        if (asJson) {
            translations.emplace();
            if (translations->language() != QLatin1String("en"))
                ownLanguage = tessarine::check::checkProgramFolder(folder);
        }
        const QString failure = tessarine::check::writeSetSheet(ownLanguage.value_or(result), sheetFile);
        if (!failure.isEmpty()) {
            write(stderr, QStringLiteral("tessarine-check: %1\n").arg(failure).toLocal8Bit());
            return 2;
        }
        if (!asJson)
            write(stdout,
                  (QCoreApplication::translate("CheckCommand", "Sheet written to %1").arg(QDir::toNativeSeparators(sheetFile))
                   + u'\n')
                      .toUtf8());
    }
    return result.exitCode();
}

} // namespace

int main(int argc, char* argv[])
{
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tessarine-check: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "tessarine-check: unexpected failure\n");
    }
    return 2;
}
