#include "check/FolderScan.h"

#include "check/CheckRun.h"
#include "check/NameHints.h"
#include "check/Words.h"
#include "core/ErrorGuard.h"
#include "speech/WaveCheck.h"

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
        const QString suffix = entry.suffix().toLower();
        const bool jpegInside = !entry.isDir() && holdsJpeg(entry.filePath());
        const bool pictureLike = suffix == QStringLiteral("jpg") || OtherPictureSuffixes.contains(suffix) || jpegInside;
        if (entry.isDir()) {
            const QDir inner(entry.filePath());
            QStringList filters;
            for (const QString& s : QStringList{QStringLiteral("jpg")} + OtherPictureSuffixes)
                filters.append(QStringLiteral("*.") + s);
            if (inner.entryList(filters, QDir::Files).isEmpty())
                continue;
            run.add({QStringLiteral("subfolder"),
                     Severity::Warning,
                     folder,
                     name,
                     QStringLiteral("This is a folder inside %1; the pictures in it are never looked at.").arg(folder),
                     QStringLiteral("None of its pictures is ever shown."),
                     QStringLiteral("Move the pictures you want into the %1 folder itself.").arg(folder),
                     {},
                     {}});
            continue;
        }
        if (!pictureLike || usedNames.contains(name))
            continue;
        const auto [target, free] = NameHints(run).renamed(folder, name);
        // A new name must not take the place of a picture that is there already.
        const QString taken = free ? QString()
                                   : QStringLiteral(" There is already a %1 in %2: keep the one you want, or give this "
                                                    "one a name of its own.")
                                         .arg(target, folder);
        if (isHiddenName(name) || entry.isHidden()) {
            run.stray[folder].append(name);
            run.add({QStringLiteral("hidden-file"),
                     Severity::Warning,
                     folder,
                     name,
                     QStringLiteral("This file is hidden (its name starts with a full stop)."),
                     QStringLiteral("Hidden files are never listed, so this picture is never shown."),
                     free ? QStringLiteral("Rename it without the leading full stop, to %1.").arg(target) : taken.trimmed(),
                     {},
                     {}});
        } else if (suffix != QStringLiteral("jpg")) {
            run.stray[folder].append(name);
            const bool jpegAlready = jpegInside || suffix == QStringLiteral("jpeg") || suffix == QStringLiteral("jpe")
                                     || suffix == QStringLiteral("jfif");
            QString ending = QStringLiteral("this one ends in \".%1\"").arg(entry.suffix());
            if (name != name.trimmed())
                ending = QStringLiteral("this one ends in a blank");
            else if (!name.contains(u'.'))
                ending = QStringLiteral("this one has no ending at all");
            run.add(
                {QStringLiteral("wrong-extension"),
                 Severity::Warning,
                 folder,
                 name,
                 QStringLiteral("Only pictures whose names end in \".jpg\" are used; %1.").arg(ending),
                 QStringLiteral("This picture is never shown."),
                 !free ? taken.trimmed()
                 : jpegAlready
                     ? QStringLiteral("It is a JPEG picture: rename it to %1.").arg(target)
                     : QStringLiteral("Save it as a JPEG picture named %1 (in a picture editor: \"Save as\", JPEG).").arg(target),
                 {},
                 {}});
        }
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
            finding.problem = QStringLiteral("The %1 folder is missing.").arg(folder);
            finding.fix = QStringLiteral("Create a folder named %1 (with this spelling) beside the program and put your "
                                         "pictures in it.")
                              .arg(folder);
        } else if (!scan.readable) {
            finding.code = QStringLiteral("folder-unreadable");
            finding.problem = QStringLiteral("The %1 folder cannot be read.").arg(folder);
            finding.fix = QStringLiteral("Give every user permission to read the folder (for example: chmod a+rx %1).")
                              .arg(QDir(run.program.folder).filePath(folder));
        } else {
            finding.code = QStringLiteral("folder-empty");
            finding.problem = QStringLiteral("The %1 folder holds no .jpg picture.").arg(folder);
            finding.fix = QStringLiteral("Put your pictures, saved as .jpg, into the %1 folder.").arg(folder);
        }
        const std::optional<RuntimeError> error = run.loadError(folder, QString(), AnswerBox);
        const QString stop = error ? stopsWith(*error) : QStringLiteral("the set stops half-way");
        if (folder == Folder::Images) {
            finding.effect = QStringLiteral("No set can be shown: when the exercise opens, %1.").arg(stop);
        } else if (folder == Folder::Symbols) {
            finding.effect = QStringLiteral("No set has a right symbol, and with %1 on %2.").arg(SymbolDistractorOption, stop);
        } else {
            finding.effect
                = QStringLiteral("No set has a right attribute, and with %1 on %2.").arg(AttributeDistractorOption, stop);
        }
        if (scan.loaderReports > 0)
            finding.effect
                += QStringLiteral(" The exercise also shows the message %1 when it opens.").arg(quoted(scan.loaderMessage));
        run.add(finding);
    }
    if (!scan.notListed.isEmpty()) {
        run.add({QStringLiteral("too-many-pictures"),
                 Severity::Warning,
                 folder,
                 QString(),
                 QStringLiteral("The %1 folder holds %2 pictures; only the first %3 (in name order) are used.")
                     .arg(folder)
                     .arg(scan.used.size() + scan.notListed.size())
                     .arg(NameTable::Last),
                 QStringLiteral("%1 never shown (%2), and every time the exercise opens it shows the error message %3 %4.")
                     .arg(scan.notListed.size() == 1 ? QStringLiteral("1 picture is")
                                                     : QStringLiteral("%1 pictures are").arg(scan.notListed.size()))
                     .arg(listNames(scan.notListed, 3))
                     .arg(quoted(scan.loaderMessage))
                     .arg(scan.loaderReports == 1 ? QStringLiteral("once")
                                                  : QStringLiteral("%1 times, once for each of them").arg(scan.loaderReports)),
                 QStringLiteral("Keep at most %1 pictures in %2; move the others to a folder of their own and swap "
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
                 QStringLiteral("The Sounds folder is missing."),
                 QStringLiteral("No feedback sound can be chosen: both sound lists offer only \"*** NO SOUND ***\"."),
                 QStringLiteral("Create a folder named Sounds beside the program with the wave files ok.wav and error.wav."),
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
        run.add({QStringLiteral("folder-unreadable"),
                 Severity::Warning,
                 folder,
                 {},
                 QStringLiteral("The Sounds folder cannot be read (%1).").arg(error.description()),
                 QStringLiteral("No feedback sound can be chosen."),
                 QStringLiteral("Give every user permission to read the folder."),
                 {},
                 {}});
        return;
    }
    run.result.sounds = static_cast<int>(sounds.size());
    // The sound lists start on these two names (any letter case) until the teacher picks others.
    const std::array<std::pair<QString, QString>, 2> defaults{
        std::pair{QStringLiteral("ok.wav"), QStringLiteral("right-answer")},
        std::pair{QStringLiteral("error.wav"), QStringLiteral("wrong-answer")}};
    for (const QString& name : sounds) {
        const WaveCheck wave = WaveCheck::ofFile(mediaPath(run.program, folder, name));
        if (!wave.playable())
            run.add({QStringLiteral("sound-unplayable"),
                     Severity::Warning,
                     folder,
                     name,
                     QStringLiteral("%1 cannot be played: %2").arg(quoted(name), wave.problem()),
                     QStringLiteral("Chosen as a feedback sound, it is not heard, and the learner gets no answer."),
                     QStringLiteral("Save it again as a PCM wave file (WAV, 16 bit), or choose another sound."),
                     {},
                     {}});
    }
    for (const auto& [name, role] : defaults) {
        const bool there = std::any_of(sounds.begin(), sounds.end(),
                                       [&](const QString& s) { return s.toUpper() == name.toUpper(); });
        if (there)
            continue;
        run.add({QStringLiteral("sound-missing"),
                 Severity::Warning,
                 folder,
                 name,
                 QStringLiteral("There is no %1 in the Sounds folder.").arg(name),
                 QStringLiteral("On a first start (or when the chosen sound has gone) no %1 sound is chosen, so a %1 "
                                "click is silent.")
                     .arg(role),
                 QStringLiteral("Add a wave file named %1, or choose another sound in the options window.").arg(name),
                 {},
                 {}});
    }
}

} // namespace tessarine::check
