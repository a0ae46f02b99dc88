#include "pictures/AddPictureCommand.h"

#include "core/RuntimeError.h"
#include "pictures/CollectionEditor.h"
#include "pictures/CropFrame.h"
#include "pictures/PictureName.h"
#include "pictures/PictureReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace tessarine {

namespace {

//: The command line's form: the program's name and the options stay as they are
const char* const Usage = QT_TRANSLATE_NOOP(
    "AddPictureCommand", "Usage: tessarine --add-picture FILE --as OBJECT.CATEGORY.VALUE [--collection FOLDER]");

struct Request {
    QString file;
    QString name;
    QString collection;
};

// The request, or the one line that says what is wrong with the command line.
QString parse(const QStringList& arguments, Request& request)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--as") || argument == QLatin1String("--collection")) {
            if (i + 1 >= arguments.size())
                //: %1 is an option such as --as
                return QCoreApplication::translate("AddPictureCommand", "%1 needs a value.").arg(argument);
            (argument == QLatin1String("--as") ? request.name : request.collection) = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--"))) {
            return QCoreApplication::translate("AddPictureCommand", "Unknown option %1.").arg(argument);
        } else if (request.file.isEmpty()) {
            request.file = argument;
        } else {
            //: %1 is a second picture file given on the command line
            return QCoreApplication::translate("AddPictureCommand", "One picture at a time: %1 is one too many.").arg(argument);
        }
    }
    if (request.file.isEmpty())
        return QCoreApplication::translate("AddPictureCommand", "Which picture? Name its file.");
    if (request.name.isNull())
        //: --as is the option's name; the example is a file name's three parts, object, category and value
        return QCoreApplication::translate("AddPictureCommand",
                                           "Give the picture its name with --as, as in --as cup.colour.red.");
    return {};
}

int fail(QTextStream& err, const QString& problem, bool withUsage = false)
{
    QString line = QStringLiteral("tessarine --add-picture: ") + problem;
    if (withUsage)
        line += QLatin1Char(' ') + QCoreApplication::translate("AddPictureCommand", Usage);
    // One line, whatever the description holds.
    err << line.replace(QLatin1Char('\n'), QLatin1Char(' ')) << Qt::endl;
    return 2;
}

} // namespace

int addPictureCommand(const QStringList& arguments, const QString& defaultCollection, QTextStream& out, QTextStream& err)
{
    Request request;
    if (const QString problem = parse(arguments, request); !problem.isEmpty())
        return fail(err, problem, true);
    const PictureName name = PictureName::parse(request.name);
    if (const QString problem = name.problem(); !problem.isEmpty())
        return fail(err, problem);

    CollectionEditor editor(request.collection.isEmpty() ? defaultCollection : request.collection);
    QImage picture;
    try {
        // Read no larger than the saved pictures need: a phone photo decodes at a reduced scale.
        picture = PictureReader::read(request.file, CollectionEditor::readingSize(PictureReader::uprightSize(request.file)));
        editor.checkWritable();
    } catch (const RuntimeError& error) {
        return fail(err, error.description());
    }

    const bool makeSymbol = !editor.hasSymbol(name.object);
    const bool makeCard = !editor.hasAttribute(name.category, name.value);
    QStringList written;
    try {
        written << editor.saveObject(picture, CropFrame(picture.size(), CropFrame::objectAspect()).rect(), name);
        if (makeSymbol)
            written << editor.saveSymbol(picture, CropFrame(picture.size(), CropFrame::SquareAspect).rect(), name.object);
        if (makeCard)
            written << editor.saveCard(name.category, name.value);
    } catch (const RuntimeError& error) {
        // All or nothing: the files this command made are its own to take back.
        for (const QString& path : written)
            QFile::remove(path);
        return fail(err, error.description());
    }
    for (const QString& path : written)
        out << QDir::toNativeSeparators(path) << Qt::endl;
    return 0;
}

} // namespace tessarine
