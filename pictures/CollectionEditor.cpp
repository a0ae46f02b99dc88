#include "pictures/CollectionEditor.h"

#include "core/RuntimeError.h"
#include "pictures/CardMaker.h"
#include "platform/ProgramInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

namespace tessarine {

namespace {

const QString& Images = Folder::Images;
const QString& Symbols = Folder::Symbols;
const QString& Attributes = Folder::Attributes;
const QString Jpg = QStringLiteral("jpg");
const QString Wav = QStringLiteral("wav");

// `why` is a phrase from the system or one of ours, such as "the folder could not be made".
RuntimeError cannotWrite(const QString& what, const QString& why)
{
    //: %1 is a file or folder, %2 why it could not be written
    return {ErrorNumber::PathAccess,
            QCoreApplication::translate("CollectionEditor", "Could not write %1: %2.").arg(QDir::toNativeSeparators(what), why)};
}

bool sameWord(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The dot-separated parts of a file name without its suffix, as the exercise reads them.
QStringList partsOf(const QString& fileName) { return QFileInfo(fileName).completeBaseName().split(QLatin1Char('.')); }

QString part(const QStringList& parts, int index) { return index < parts.size() ? parts.at(index) : QString(); }

// The file names in a sub-folder with one of the suffixes, letter case ignored; hidden files and
// folders left out as the exercise leaves them out.
QStringList filesIn(const QString& folder, const QStringList& suffixes)
{
    QStringList patterns;
    for (const QString& suffix : suffixes)
        patterns << QStringLiteral("*.") + suffix;
    return QDir(folder).entryList(patterns, QDir::Files, QDir::Name);
}

void addOnce(QStringList& list, const QString& word)
{
    if (!word.isEmpty() && std::none_of(list.cbegin(), list.cend(), [&](const QString& w) { return sameWord(w, word); }))
        list << word;
}

QStringList sortedAnyCase(QStringList list)
{
    std::sort(list.begin(), list.end(), [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return list;
}

// Cropped, no larger than the longest side, on white where the picture is transparent (JPEG has
// no transparency, and black would hide a drawing's lines).
QImage prepared(const QImage& upright, const QRect& crop)
{
    const QRect inside = crop.intersected(upright.rect());
    if (upright.isNull() || inside.isEmpty())
        throw RuntimeError(ErrorNumber::InvalidArgument,
                           QCoreApplication::translate("CollectionEditor", "The part of the picture to keep is empty."));
    QImage part = upright.copy(inside);
    if (std::max(part.width(), part.height()) > CollectionEditor::LongestSide)
        part = part.scaled(CollectionEditor::LongestSide, CollectionEditor::LongestSide, Qt::KeepAspectRatio,
                           Qt::SmoothTransformation);
    if (!part.hasAlphaChannel())
        return part.convertToFormat(QImage::Format_RGB32);
    QImage flat(part.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, part);
    return flat;
}

} // namespace

CollectionEditor::CollectionEditor(QString folder)
    : m_folder(std::move(folder))
{
}

QString CollectionEditor::subFolder(const QString& name) const { return QDir(m_folder).filePath(name); }

QStringList CollectionEditor::objects() const
{
    QStringList found;
    for (const QString& name : filesIn(subFolder(Images), {Jpg}))
        addOnce(found, part(partsOf(name), 0));
    for (const QString& name : filesIn(subFolder(Symbols), {Jpg}))
        addOnce(found, part(partsOf(name), 0));
    return sortedAnyCase(found);
}

QStringList CollectionEditor::categories() const
{
    QStringList found;
    for (const QString& name : filesIn(subFolder(Images), {Jpg}))
        addOnce(found, part(partsOf(name), 1));
    for (const QString& name : filesIn(subFolder(Attributes), {Jpg}))
        addOnce(found, part(partsOf(name), 0));
    return sortedAnyCase(found);
}

QStringList CollectionEditor::values(const QString& category) const
{
    QStringList own;
    QStringList others;
    const auto sort = [&](const QString& itsCategory, const QString& value) {
        addOnce(sameWord(itsCategory, category) ? own : others, value);
    };
    for (const QString& name : filesIn(subFolder(Images), {Jpg})) {
        const QStringList parts = partsOf(name);
        sort(part(parts, 1), part(parts, 2));
    }
    for (const QString& name : filesIn(subFolder(Attributes), {Jpg})) {
        const QStringList parts = partsOf(name);
        sort(part(parts, 0), part(parts, 1));
    }
    QStringList result = sortedAnyCase(own);
    for (const QString& value : sortedAnyCase(others))
        addOnce(result, value);
    return result;
}

bool CollectionEditor::hasSymbol(const QString& object) const
{
    const QStringList names = filesIn(subFolder(Symbols), {Jpg});
    return std::any_of(names.cbegin(), names.cend(),
                       [&](const QString& name) { return sameWord(part(partsOf(name), 0), object); });
}

bool CollectionEditor::hasAttribute(const QString& category, const QString& value) const
{
    const QStringList names = filesIn(subFolder(Attributes), {Jpg});
    return std::any_of(names.cbegin(), names.cend(), [&](const QString& name) {
        const QStringList parts = partsOf(name);
        return sameWord(part(parts, 0), category) && sameWord(part(parts, 1), value);
    });
}

void CollectionEditor::checkWritable() const
{
    for (const QString& name : {Images, Symbols, Attributes}) {
        // The nearest folder that exists must let us make the rest.
        QFileInfo info(subFolder(name));
        while (!info.exists() && !info.isRoot() && info.absoluteFilePath() != info.absolutePath())
            info = QFileInfo(info.absolutePath());
        if (!info.isDir())
            throw cannotWrite(subFolder(name),
                              //: Ends "Could not write ...: "; %1 is the path in the way
                              QCoreApplication::translate("CollectionEditor", "%1 is not a folder")
                                  .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
        if (!info.isWritable())
            throw cannotWrite(subFolder(name),
                              //: Ends "Could not write ...: "
                              QCoreApplication::translate("CollectionEditor", "this folder may not be written here"));
    }
}

QSize CollectionEditor::readingSize(QSize upright)
{
    const int shorter = std::min(upright.width(), upright.height());
    if (shorter <= LongestSide)
        return upright;
    return upright.scaled(upright * (double(LongestSide) / shorter), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QString CollectionEditor::writeNew(const QImage& picture, const QString& sub, const QString& base)
{
    const QString folder = subFolder(sub);
    if (!QDir().mkpath(folder))
        //: Ends "Could not write ...: "
        throw cannotWrite(folder, QCoreApplication::translate("CollectionEditor", "the folder could not be made"));
    QSet<QString> taken;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        taken.insert(name.toLower());
    for (int number = 1;; ++number) {
        const QString name = number == 1 ? base + QStringLiteral(".jpg") : QStringLiteral("%1.%2.jpg").arg(base).arg(number);
        // Also taken in another letter case: the exercise would not tell the two apart.
        if (taken.contains(name.toLower()))
            continue;
        QFile file(QDir(folder).filePath(name));
        // NewOnly: a file made meanwhile by someone else is never overwritten.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (file.exists())
                continue;
            throw cannotWrite(file.fileName(), file.errorString());
        }
        QImageWriter writer(&file, "jpeg");
        writer.setQuality(JpegQuality);
        writer.setOptimizedWrite(true);
        if (!writer.write(picture) || !file.flush()) {
            const QString why = writer.error() != QImageWriter::UnknownError ? writer.errorString() : file.errorString();
            file.close();
            file.remove();
            throw cannotWrite(file.fileName(), why);
        }
        file.close();
        return file.fileName();
    }
}

QString CollectionEditor::saveObject(const QImage& upright, const QRect& crop, const PictureName& name)
{
    if (const QString problem = name.problem(); !problem.isEmpty())
        throw RuntimeError(ErrorNumber::InvalidArgument, problem);
    return writeNew(prepared(upright, crop), Images, name.base());
}

QString CollectionEditor::saveSymbol(const QImage& upright, const QRect& squareCrop, const QString& object)
{
    if (const QString problem = PictureName::partProblem(object, NamePart::Object); !problem.isEmpty())
        throw RuntimeError(ErrorNumber::InvalidArgument, problem);
    return writeNew(prepared(upright, squareCrop), Symbols, object.trimmed());
}

QString CollectionEditor::saveCard(const QString& category, const QString& value)
{
    return saveAttribute(makeCard(category, value, CardSide), QRect(0, 0, CardSide, CardSide), category, value);
}

QString CollectionEditor::saveAttribute(const QImage& upright, const QRect& squareCrop, const QString& category,
                                        const QString& value)
{
    for (const auto& [text, which] : {std::pair{&category, NamePart::Category}, std::pair{&value, NamePart::Value}}) {
        if (const QString problem = PictureName::partProblem(*text, which); !problem.isEmpty())
            throw RuntimeError(ErrorNumber::InvalidArgument, problem);
    }
    return writeNew(prepared(upright, squareCrop), Attributes, category.trimmed() + QLatin1Char('.') + value.trimmed());
}

QStringList CollectionEditor::rename(Part which, const QString& from, const QString& to, const QString& category)
{
    static const char* const unnamed[] = {
        QT_TRANSLATE_NOOP("CollectionEditor", "Which object is to be renamed? None was named."),
        QT_TRANSLATE_NOOP("CollectionEditor", "Which category is to be renamed? None was named."),
        QT_TRANSLATE_NOOP("CollectionEditor", "Which value is to be renamed? None was named.")};
    const QString newWord = to.trimmed();
    if (const QString problem = PictureName::partProblem(newWord, which); !problem.isEmpty())
        throw RuntimeError(ErrorNumber::InvalidArgument, problem);
    // An empty word would match every name that lacks the part.
    if (from.trimmed().isEmpty() || (which == Part::Value && category.trimmed().isEmpty()))
        throw RuntimeError(ErrorNumber::InvalidArgument, QCoreApplication::translate("CollectionEditor", unnamed[int(which)]));

    struct Move {
        QString from;
        QString to;
    };
    std::vector<Move> moves;
    // Which part carries the word in each folder's names, and which part must name the category.
    const auto plan = [&](const QString& sub, const QStringList& suffixes, int index, int categoryIndex) {
        const QDir dir(subFolder(sub));
        for (const QString& name : filesIn(dir.path(), suffixes)) {
            QStringList parts = partsOf(name);
            if (!sameWord(part(parts, index), from.trimmed())
                || (categoryIndex >= 0 && !sameWord(part(parts, categoryIndex), category.trimmed())))
                continue;
            parts[index] = newWord;
            const QString renamed = parts.join(QLatin1Char('.')) + QLatin1Char('.') + QFileInfo(name).suffix();
            if (renamed != name)
                moves.push_back({dir.filePath(name), dir.filePath(renamed)});
        }
    };
    switch (which) {
    case Part::Object:
        plan(Images, {Jpg, Wav}, 0, -1);
        plan(Symbols, {Jpg}, 0, -1);
        break;
    case Part::Category:
        plan(Images, {Jpg, Wav}, 1, -1);
        plan(Attributes, {Jpg}, 0, -1);
        break;
    case Part::Value:
        plan(Images, {Jpg, Wav}, 2, 1);
        plan(Attributes, {Jpg}, 1, 0);
        break;
    }

    // QFile::rename never replaces an existing file, so a name already taken stops the rename too.
    for (std::size_t done = 0; done < moves.size(); ++done) {
        QFile file(moves[done].from);
        if (file.rename(moves[done].to))
            continue;
        const Move failed = moves[done];
        const QString why = QFile::exists(failed.to)
                                ? QCoreApplication::translate("CollectionEditor", "a file of that name exists already")
                                : file.errorString();
        QStringList stuck;
        while (done > 0) {
            --done;
            if (!QFile::rename(moves[done].to, moves[done].from))
                stuck << QDir::toNativeSeparators(moves[done].to);
        }
        const QString failedPath = QDir::toNativeSeparators(failed.from);
        const QString failedName = QFileInfo(failed.to).fileName();
        //: %1 is a file, %2 its new name, %3 why it could not be renamed
        const QString text = stuck.isEmpty()
                                 ? QCoreApplication::translate("CollectionEditor",
                                                               "Could not rename %1 to %2: %3. Nothing was renamed.")
                                       .arg(failedPath, failedName, why)
                                 //: %1 is a file, %2 its new name, %3 why, %4 the files that kept their new names
                                 : QCoreApplication::translate(
                                       "CollectionEditor", "Could not rename %1 to %2: %3. These files kept their new names: %4.")
                                       .arg(failedPath, failedName, why, stuck.join(QStringLiteral(", ")));
        throw RuntimeError(ErrorNumber::PathAccess, text);
    }
    QStringList renamed;
    for (const Move& move : moves)
        renamed << move.to;
    return renamed;
}

void CollectionEditor::remove(const QString& path)
{
    if (!QFile::exists(path))
        throw RuntimeError(
            ErrorNumber::FileNotFound,
            QCoreApplication::translate("CollectionEditor", "There is no file %1.").arg(QDir::toNativeSeparators(path)));
    // Qt makes the trash folder but not the data folder it lies in, which a new account may lack.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (!QFile::moveToTrash(path))
        throw RuntimeError(
            ErrorNumber::PathAccess,
            QCoreApplication::translate("CollectionEditor", "Could not move %1 to the trash; it was left where it is.")
                .arg(QDir::toNativeSeparators(path)));
}

QString CollectionEditor::recordingPath(const QString& objectPicturePath)
{
    const QFileInfo info(objectPicturePath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".wav"));
}

} // namespace tessarine
