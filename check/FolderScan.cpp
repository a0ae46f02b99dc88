#include "check/FolderScan.h"

#include "check/CheckRun.h"
#include "check/DecodeCache.h"
#include "check/NameHints.h"
#include "check/Words.h"
#include "core/ErrorGuard.h"
#include "speech/WaveCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <array>
#include <utility>

namespace tessarine::check {

using namespace words;

namespace {

bool isHiddenName(const QString& name) { return name.startsWith(u'.'); }

// Whatever its name, the file starts as a JPEG picture does.
bool holdsJpeg(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(3) == QByteArray("\xFF\xD8\xFF", 3);
}

} // namespace

FolderScan scanPictures(CheckRun& run, const QString& folder, void (*loader)(Module1&, IDirectoryListing&, const ProgramInfo&),
                        const NameTable& table, const std::int16_t& count)
{
    FolderScan scan;
    scan.name = folder;
    const QFileInfo info(QDir(run.program.folder).filePath(folder));
    scan.exists = info.exists();
    scan.readable = info.isDir() && info.isReadable() && info.isExecutable();

    run.messageBox.shown.clear();
    loader(run.module, run.listing, run.program);
    scan.loaderReports = static_cast<int>(run.messageBox.shown.size());
    if (scan.loaderReports > 0)
        scan.loaderMessage = run.messageBox.shown.first();
    run.messageBox.shown.clear();
    for (std::int16_t i = 1; i <= count; ++i)
        scan.used.append(table[i]);

    // The same listing again, to name the files beyond the list's end.
    if (scan.readable) {
        try {
            qsizetype position = 0;
            for (QString name = run.listing.first(mediaPath(run.program, folder, QStringLiteral("*.jpg"))); !name.isEmpty();
                 name = run.listing.next()) {
                if (++position > NameTable::Last)
                    scan.notListed.append(name);
            }
        } catch (...) {
            // The loader has already run into this and reported it.
        }
    }
    return scan;
}

namespace {

// A sub-folder that holds pictures: the teacher probably meant them to be used.
void tellSubfolder(CheckRun& run, const QString& folder, const QFileInfo& entry)
{
    const QDir inner(entry.filePath());
    QStringList filters;
    for (const QString& s : QStringList{QStringLiteral("jpg")} + OtherPictureSuffixes)
        filters.append(QStringLiteral("*.") + s);
    if (inner.entryList(filters, QDir::Files).isEmpty())
        return;
    run.add({QStringLiteral("subfolder"),
             Severity::Warning,
             folder,
             entry.fileName(),
             QCoreApplication::translate("FolderScan", "This is a folder inside %1; the pictures in it are never looked at.")
                 .arg(folder),
             QCoreApplication::translate("FolderScan", "None of its pictures is ever shown."),
             QCoreApplication::translate("FolderScan", "Move the pictures you want into the %1 folder itself.").arg(folder),
             {},
             {}});
}

// A picture the listing never returns: hidden, or not named ".jpg".
void tellStrayPicture(CheckRun& run, const QString& folder, const QFileInfo& entry, bool jpegInside)
{
    const QString name = entry.fileName();
    const QString suffix = entry.suffix().toLower();
    const auto [target, free] = NameHints(run).renamed(folder, name);
    // A new name must not take the place of a picture that is there already.
    const QString taken = free ? QString()
                               : QCoreApplication::translate("FolderScan",
                                                             "There is already a %1 in %2: keep the one you want, or give this "
                                                             "one a name of its own.")
                                     .arg(target, folder);
    if (isHiddenName(name) || entry.isHidden()) {
        run.stray[folder].append(name);
        run.add({QStringLiteral("hidden-file"),
                 Severity::Warning,
                 folder,
                 name,
                 QCoreApplication::translate("FolderScan", "This file is hidden (its name starts with a full stop)."),
                 QCoreApplication::translate("FolderScan", "Hidden files are never listed, so this picture is never shown."),
                 free ? QCoreApplication::translate("FolderScan", "Rename it without the leading full stop, to %1.").arg(target)
                      : taken,
                 {},
                 {}});
    } else if (suffix != QStringLiteral("jpg")) {
        run.stray[folder].append(name);
        const bool jpegAlready = jpegInside || suffix == QStringLiteral("jpeg") || suffix == QStringLiteral("jpe")
                                 || suffix == QStringLiteral("jfif");
        QString problem = QCoreApplication::translate("FolderScan", "Only pictures whose names end in \".jpg\" are used; this "
                                                                    "one ends in \".%1\".")
                              .arg(entry.suffix());
        if (name != name.trimmed())
            problem = QCoreApplication::translate(
                "FolderScan", "Only pictures whose names end in \".jpg\" are used; this one ends in a blank.");
        else if (!name.contains(u'.'))
            problem = QCoreApplication::translate("FolderScan",
                                                  "Only pictures whose names end in \".jpg\" are used; this one has "
                                                  "no ending at all.");
        run.add({QStringLiteral("wrong-extension"),
                 Severity::Warning,
                 folder,
                 name,
                 problem,
                 QCoreApplication::translate("FolderScan", "This picture is never shown."),
                 !free         ? taken
                 : jpegAlready ? QCoreApplication::translate("FolderScan", "It is a JPEG picture: rename it to %1.").arg(target)
                               : QCoreApplication::translate(
                                     "FolderScan", "Save it as a JPEG picture named %1 (in a picture editor: \"Save as\", JPEG).")
                                     .arg(target),
                 {},
                 {}});
    }
}

} // namespace

void scanStrayFiles(CheckRun& run, const QString& folder, const QStringList& used)
{
    const QDir dir(QDir(run.program.folder).filePath(folder));
    if (!dir.exists())
        return;
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                    QDir::Name);
    const QSet<QString> usedNames(used.begin(), used.end());
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        // Finder and Windows leave these beside pictures; they are not pictures.
        if (name.startsWith(QStringLiteral("._")) || name.compare(QStringLiteral("Thumbs.db"), Qt::CaseInsensitive) == 0)
            continue;
        if (entry.isDir()) {
            tellSubfolder(run, folder, entry);
            continue;
        }
        // Listed pictures are used as they are; only the others are opened to see what they hold.
        if (usedNames.contains(name)) {
            run.pictures.knowStamp(folder, name, DecodeCache::stampOf(entry));
            continue;
        }
        const QString suffix = entry.suffix().toLower();
        const bool jpegInside = holdsJpeg(entry.filePath());
        if (suffix == QStringLiteral("jpg") || OtherPictureSuffixes.contains(suffix) || jpegInside)
            tellStrayPicture(run, folder, entry, jpegInside);
    }
}

void checkFolder(CheckRun& run, const FolderScan& scan)
{
    const QString& folder = scan.name;
    if (!scan.exists || !scan.readable || scan.empty()) {
        Finding finding;
        finding.severity = Severity::Error;
        finding.folder = folder;
        if (!scan.exists) {
            finding.code = QStringLiteral("folder-missing");
            finding.problem = QCoreApplication::translate("FolderScan", "The %1 folder is missing.").arg(folder);
            finding.fix = QCoreApplication::translate(
                              "FolderScan", "Create a folder named %1 (with this spelling) beside the program and put your "
                                            "pictures in it.")
                              .arg(folder);
        } else if (!scan.readable) {
            finding.code = QStringLiteral("folder-unreadable");
            finding.problem = QCoreApplication::translate("FolderScan", "The %1 folder cannot be read.").arg(folder);
            finding.fix = QCoreApplication::translate(
                              "FolderScan", "Give every user permission to read the folder (for example: chmod a+rx %1).")
                              .arg(QDir(run.program.folder).filePath(folder));
        } else {
            finding.code = QStringLiteral("folder-empty");
            finding.problem = QCoreApplication::translate("FolderScan", "The %1 folder holds no .jpg picture.").arg(folder);
            finding.fix
                = QCoreApplication::translate("FolderScan", "Put your pictures, saved as .jpg, into the %1 folder.").arg(folder);
        }
        const std::optional<RuntimeError> error = run.loadError(folder, QString(), AnswerBox);
        // Ends the sentences below: "No set can be shown: when the exercise opens, <stop>."
        const QString stop = error ? stopsWith(*error) : QCoreApplication::translate("FolderScan", "the set stops half-way");
        if (folder == Folder::Images) {
            finding.effect
                = QCoreApplication::translate("FolderScan", "No set can be shown: when the exercise opens, %1.").arg(stop);
        } else if (folder == Folder::Symbols) {
            finding.effect = QCoreApplication::translate("FolderScan", "No set has a right symbol, and with %1 on %2.")
                                 .arg(symbolDistractorOption(), stop);
        } else {
            finding.effect = QCoreApplication::translate("FolderScan", "No set has a right attribute, and with %1 on %2.")
                                 .arg(attributeDistractorOption(), stop);
        }
        if (scan.loaderReports > 0)
            finding.effect += u' '
                              + QCoreApplication::translate("FolderScan", "The exercise also shows the message %1 when it opens.")
                                    .arg(quoted(scan.loaderMessage));
        run.add(finding);
    }
    if (!scan.notListed.isEmpty()) {
        const int listed = static_cast<int>(scan.used.size());
        const int notListed = static_cast<int>(scan.notListed.size());
        run.add({QStringLiteral("too-many-pictures"),
                 Severity::Warning,
                 folder,
                 QString(),
                 //: %1 is a folder's name, %2 the most pictures the exercise lists
                 QCoreApplication::translate("FolderScan",
                                             "The %1 folder holds %n picture(s); only the first %2 (in name order) are used.",
                                             nullptr, listed + notListed)
                     .arg(folder)
                     .arg(NameTable::Last),
                 //: %1 is a list of file names, %2 the exercise's error message, %3 how often it is shown
                 QCoreApplication::translate("FolderScan",
                                             "%n picture(s) never shown (%1), and every time the exercise opens it shows the "
                                             "error message %2 %3.",
                                             nullptr, notListed)
                     .arg(listNames(scan.notListed, 3), quoted(scan.loaderMessage),
                          scan.loaderReports == 1
                              //: how often the exercise shows an error message
                              ? QCoreApplication::translate("FolderScan", "once")
                              : QCoreApplication::translate("FolderScan", "%n time(s), once for each of them", nullptr,
                                                            scan.loaderReports)),
                 QCoreApplication::translate("FolderScan",
                                             "Keep at most %1 pictures in %2; move the others to a folder of their own and swap "
                                             "them in when needed.")
                     .arg(NameTable::Last)
                     .arg(folder),
                 scan.notListed,
                 {}});
    }
}

void scanSounds(CheckRun& run)
{
    const QString folder = Folder::Sounds;
    const QFileInfo info(QDir(run.program.folder).filePath(folder));
    if (!info.isDir()) {
        run.add({QStringLiteral("folder-missing"),
                 Severity::Warning,
                 folder,
                 {},
                 QCoreApplication::translate("FolderScan", "The Sounds folder is missing."),
                 QCoreApplication::translate("FolderScan", "No feedback sound can be chosen: both sound lists offer only \"%1\".")
                     .arg(noSoundEntry()),
                 QCoreApplication::translate(
                     "FolderScan", "Create a folder named Sounds beside the program with the wave files ok.wav and error.wav."),
                 {},
                 {}});
        return;
    }
    QStringList sounds;
    try {
        for (QString name = run.listing.first(mediaPath(run.program, folder, QStringLiteral("*.wav"))); !name.isEmpty();
             name = run.listing.next())
            sounds.append(name);
    } catch (const RuntimeError& error) {
        run.add(
            {QStringLiteral("folder-unreadable"),
             Severity::Warning,
             folder,
             {},
             QCoreApplication::translate("FolderScan", "The Sounds folder cannot be read (%1).").arg(error.shownDescription()),
             QCoreApplication::translate("FolderScan", "No feedback sound can be chosen."),
             QCoreApplication::translate("FolderScan", "Give every user permission to read the folder."),
             {},
             {}});
        return;
    }
    run.result.sounds = static_cast<int>(sounds.size());
    // The sound lists start on these two names (any letter case) until the teacher picks others.
    const std::array<std::pair<QString, QString>, 2> defaults{
        std::pair{QStringLiteral("ok.wav"),
                  QCoreApplication::translate("FolderScan", "On a first start (or when the chosen sound has gone) no "
                                                            "right-answer sound is chosen, so a right-answer click is silent.")},
        std::pair{QStringLiteral("error.wav"),
                  QCoreApplication::translate("FolderScan", "On a first start (or when the chosen sound has gone) no "
                                                            "wrong-answer sound is chosen, so a wrong-answer click is silent.")}};
    for (const QString& name : sounds) {
        const WaveCheck wave = WaveCheck::ofFile(mediaPath(run.program, folder, name));
        if (!wave.playable())
            run.add({QStringLiteral("sound-unplayable"),
                     Severity::Warning,
                     folder,
                     name,
                     QCoreApplication::translate("FolderScan", "%1 cannot be played: %2").arg(quoted(name), wave.problem()),
                     QCoreApplication::translate("FolderScan",
                                                 "Chosen as a feedback sound, it is not heard, and the learner gets no answer."),
                     QCoreApplication::translate("FolderScan",
                                                 "Save it again as a PCM wave file (WAV, 16 bit), or choose another sound."),
                     {},
                     {}});
    }
    for (const auto& [name, effect] : defaults) {
        const bool there = std::any_of(sounds.begin(), sounds.end(),
                                       [&](const QString& s) { return s.toUpper() == name.toUpper(); });
        if (there)
            continue;
        run.add(
            {QStringLiteral("sound-missing"),
             Severity::Warning,
             folder,
             name,
             QCoreApplication::translate("FolderScan", "There is no %1 in the Sounds folder.").arg(name),
             effect,
             QCoreApplication::translate("FolderScan", "Add a wave file named %1, or choose another sound in the options window.")
                 .arg(name),
             {},
             {}});
    }
}

} // namespace tessarine::check
