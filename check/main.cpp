// tessarine-check: tells a teacher, before a learner sits down, which pictures of a Tessarine
// program folder will not work in the exercise and why.

#include "check/MediaChecker.h"
#include "check/SetSheet.h"
#include "platform/ProgramInfo.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

const char* const Usage = R"(Usage: tessarine-check [--json] [--sheet FILE.pdf] [FOLDER]

Checks the pictures and sounds of a Tessarine program folder the way the exercise reads them, and
tells, per file, what will happen in the exercise and how to fix it: object pictures without their
symbol or attribute, names with too few parts, option settings under which a set stops with an
error, pictures that cannot be loaded or are never shown, folders over 1000 pictures, missing
sounds.

FOLDER is the folder that holds the Images, Symbols, Attributes and Sounds folders; without it the
folder of tessarine-check itself is checked (the program's own folder when it is installed).

Options:
  --json            print the findings as JSON (schema "tessarine-check/1") instead of text
  --sheet FILE.pdf  also write a printable A4 sheet with one row per object picture: the picture,
                    its caption, its symbol and its attribute, problems marked in colour
  -h, --help        show this help

Exit status: 0 every set works and nothing was found; 1 something was found; 2 the folder cannot
be read, the sheet cannot be written or the command line is wrong.
)";

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

int run(int argc, char* argv[])
{
    // The checker never opens a window, so it needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietWarnings);
    QGuiApplication app(argc, argv);

    bool json = false;
    QString sheet;
    QString folder;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QStringLiteral("-h") || argument == QStringLiteral("--help")) {
            write(stdout, Usage);
            return 0;
        } else if (argument == QStringLiteral("--json")) {
            json = true;
        } else if (argument == QStringLiteral("--sheet") && i + 1 < arguments.size()) {
            sheet = arguments.at(++i);
        } else if (argument.startsWith(QStringLiteral("--sheet="))) {
            sheet = argument.mid(8);
        } else if (!argument.startsWith(u'-') && folder.isEmpty()) {
            folder = argument;
        } else {
            write(stderr, QStringLiteral("tessarine-check: unexpected argument \"%1\"\n\n").arg(argument).toLocal8Bit() + Usage);
            return 2;
        }
    }
    if (folder.isEmpty())
        folder = tessarine::ProgramInfo::ofRunningProgram().folder;

    const tessarine::check::CheckResult result = tessarine::check::checkProgramFolder(folder);
    write(stdout, json ? tessarine::check::toJson(result) : tessarine::check::toText(result).toUtf8());
    if (!sheet.isEmpty() && result.readable) {
        const QString failure = tessarine::check::writeSetSheet(result, sheet);
        if (!failure.isEmpty()) {
            write(stderr, QStringLiteral("tessarine-check: %1\n").arg(failure).toLocal8Bit());
            return 2;
        }
        if (!json)
            write(stdout, QStringLiteral("Sheet written to %1\n").arg(QDir::toNativeSeparators(sheet)).toUtf8());
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
