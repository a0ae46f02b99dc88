#include "core/RuntimeError.h"
#include "pictures/AddPictureCommand.h"
#include "pictures/CollectionEditor.h"
#include "pictures/PictureFiles.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <unistd.h>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

// Every file under a folder with its bytes, to show that nothing was written, moved or changed.
QMap<QString, QByteArray> contentsOf(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readFile(path));
    }
    return files;
}

QStringList namesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

struct Run {
    int status = -1;
    QStringList out;
    QStringList err;
};

Run addPicture(const QStringList& arguments, const QString& defaultCollection = QStringLiteral("/nonexistent"))
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    Run run;
    run.status = addPictureCommand(arguments, defaultCollection, outStream, errStream);
    run.out = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    run.err = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return run;
}

} // namespace

// The collection editor's names, renames and removals, and the --add-picture command, on real files.
class TestAddPicture : public QObject {
    Q_OBJECT

    // Inside the test's home, so that the trash is on the same disk.
    QTemporaryDir m_dir{QDir::home().filePath(QStringLiteral("collectionXXXXXX"))};
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString photo()
    {
        const QString source = path(QStringLiteral("photo.jpg"));
        if (!QFile::exists(source))
            writeFile(source, jpegWithOrientation(quadrants({400, 300}), 1));
        return source;
    }
    void put(const QString& relative, const QByteArray& bytes = "x")
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QVERIFY(writeFile(path(relative), bytes));
    }

private Q_SLOTS:
    void namesAreNumberedAndNothingIsOverwritten()
    {
        const QString folder = path(QStringLiteral("numbered"));
        put(QStringLiteral("numbered/Images/Cup.Colour.Red.jpg"), "the teacher's first cup");
        CollectionEditor editor(folder);
        const QImage picture = quadrants({200, 100});
        const PictureName name = PictureName::parse(QStringLiteral(" cup . colour . red "));
        QCOMPARE(editor.saveObject(picture, picture.rect(), name), path(QStringLiteral("numbered/Images/cup.colour.red.2.jpg")));
        QCOMPARE(editor.saveObject(picture, picture.rect(), name), path(QStringLiteral("numbered/Images/cup.colour.red.3.jpg")));
        QCOMPARE(readFile(path(QStringLiteral("numbered/Images/Cup.Colour.Red.jpg"))), QByteArray("the teacher's first cup"));
        QCOMPARE(editor.saveSymbol(picture, QRect(0, 0, 100, 100), QStringLiteral("cup")),
                 path(QStringLiteral("numbered/Symbols/cup.jpg")));
        QCOMPARE(editor.saveSymbol(picture, QRect(0, 0, 100, 100), QStringLiteral("cup")),
                 path(QStringLiteral("numbered/Symbols/cup.2.jpg")));

        for (const char* unusable : {"cup.red", "cup..red", "cup.colour.dark.red", "cup.col/our.red", "cup.colour.re:d", ""}) {
            const PictureName bad = PictureName::parse(QLatin1String(unusable));
            QVERIFY2(!bad.problem().isEmpty(), unusable);
            QVERIFY_THROWS_EXCEPTION(RuntimeError, editor.saveObject(picture, picture.rect(), bad));
        }
        QCOMPARE(namesIn(path(QStringLiteral("numbered/Images"))).size(), 3);

        // The drop-downs' suggestions: the chosen category's values first.
        put(QStringLiteral("numbered/Images/ball.shape.round.jpg"));
        put(QStringLiteral("numbered/Attributes/colour.blue.jpg"));
        put(QStringLiteral("numbered/Symbols/hat.jpg"));
        QCOMPARE(editor.objects(), QStringList({QStringLiteral("ball"), QStringLiteral("Cup"), QStringLiteral("hat")}));
        QCOMPARE(editor.categories(), QStringList({QStringLiteral("Colour"), QStringLiteral("shape")}));
        QCOMPARE(editor.values(QStringLiteral("colour")),
                 QStringList({QStringLiteral("blue"), QStringLiteral("Red"), QStringLiteral("round")}));
        QVERIFY(editor.hasSymbol(QStringLiteral("HAT")) && !editor.hasSymbol(QStringLiteral("ball")));
        QVERIFY(editor.hasAttribute(QStringLiteral("Colour"), QStringLiteral("BLUE"))
                && !editor.hasAttribute(QStringLiteral("colour"), QStringLiteral("red")));
    }

    void renameIsAllOrNothing()
    {
        const QString folder = path(QStringLiteral("renamed"));
        for (const char* name : {"Images/cup.colour.red.jpg", "Images/cup.colour.red.wav", "Images/CUP.colour.blue.2.jpg",
                                 "Images/hat.colour.red.jpg", "Images/ball.shade.red.jpg", "Symbols/cup.jpg", "Symbols/hat.jpg",
                                 "Attributes/colour.red.jpg", "Attributes/shade.red.jpg", "Attributes/colour.blue.jpg"})
            put(QStringLiteral("renamed/") + QLatin1String(name), name);
        CollectionEditor editor(folder);

        QCOMPARE(editor.rename(CollectionEditor::Part::Object, QStringLiteral("Cup"), QStringLiteral("mug")).size(), 4);
        QCOMPARE(namesIn(folder + QStringLiteral("/Images")),
                 QStringList({QStringLiteral("ball.shade.red.jpg"), QStringLiteral("hat.colour.red.jpg"),
                              QStringLiteral("mug.colour.blue.2.jpg"), QStringLiteral("mug.colour.red.jpg"),
                              QStringLiteral("mug.colour.red.wav")}));
        QCOMPARE(readFile(folder + QStringLiteral("/Images/mug.colour.red.wav")), QByteArray("Images/cup.colour.red.wav"));
        QCOMPARE(namesIn(folder + QStringLiteral("/Symbols")),
                 QStringList({QStringLiteral("hat.jpg"), QStringLiteral("mug.jpg")}));

        // A value is renamed within its category only.
        QCOMPARE(
            editor
                .rename(CollectionEditor::Part::Value, QStringLiteral("red"), QStringLiteral("scarlet"), QStringLiteral("colour"))
                .size(),
            4);
        QVERIFY(QFile::exists(folder + QStringLiteral("/Images/ball.shade.red.jpg")));
        QVERIFY(QFile::exists(folder + QStringLiteral("/Attributes/shade.red.jpg")));
        QVERIFY(QFile::exists(folder + QStringLiteral("/Attributes/colour.scarlet.jpg")));
        QVERIFY(QFile::exists(folder + QStringLiteral("/Images/mug.colour.scarlet.wav")));

        // hat's own names are taken: what was renamed before the clash is given back its name.
        const QMap<QString, QByteArray> before = contentsOf(folder);
        try {
            editor.rename(CollectionEditor::Part::Object, QStringLiteral("mug"), QStringLiteral("hat"));
            QFAIL("renamed onto an existing symbol");
        } catch (const RuntimeError& error) {
            QVERIFY2(error.description().contains(QStringLiteral("Nothing was renamed")), qPrintable(error.description()));
        }
        QCOMPARE(contentsOf(folder), before);
        QVERIFY_THROWS_EXCEPTION(
            RuntimeError, editor.rename(CollectionEditor::Part::Category, QStringLiteral("colour"), QStringLiteral("co.lour")));
        QCOMPARE(contentsOf(folder), before);
    }

    void removedPicturesGoToTheTrash()
    {
        QDir(QDir::home().filePath(QStringLiteral(".local/share/Trash"))).removeRecursively();
        put(QStringLiteral("trash/Images/cup.colour.red.jpg"), "keep me somewhere");
        CollectionEditor(path(QStringLiteral("trash"))).remove(path(QStringLiteral("trash/Images/cup.colour.red.jpg")));
        QVERIFY(!QFile::exists(path(QStringLiteral("trash/Images/cup.colour.red.jpg"))));
        const QString trashed = QDir::home().filePath(QStringLiteral(".local/share/Trash/files/cup.colour.red.jpg"));
        QCOMPARE(readFile(trashed), QByteArray("keep me somewhere"));
        QVERIFY_THROWS_EXCEPTION(RuntimeError,
                                 CollectionEditor(path(QStringLiteral("trash"))).remove(path(QStringLiteral("trash/none.jpg"))));
    }

    void commandWritesThePictureAndWhatIsMissing()
    {
        const QString folder = path(QStringLiteral("command"));
        const QByteArray original = readFile(photo());
        Run run = addPicture({photo(), QStringLiteral("--as"), QStringLiteral("cup.colour.red")}, folder);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QStringList());
        QCOMPARE(run.out,
                 QStringList({folder + QStringLiteral("/Images/cup.colour.red.jpg"), folder + QStringLiteral("/Symbols/cup.jpg"),
                              folder + QStringLiteral("/Attributes/colour.red.jpg")}));
        const QImage object(run.out.at(0));
        QCOMPARE(object.size(), QSize(400, 200));
        QVERIFY2(quadrantProblem(object).isEmpty(), qPrintable(quadrantProblem(object)));
        QCOMPARE(QImage(run.out.at(1)).size(), QSize(300, 300));
        QVERIFY(near(QImage(run.out.at(2)).pixelColor(5, 5), QColor(220, 20, 20), 12));
        QCOMPARE(readFile(photo()), original);

        // A second photo of the same: only the picture, numbered; --collection wins over the default.
        run = addPicture(
            {photo(), QStringLiteral("--collection"), folder, QStringLiteral("--as"), QStringLiteral("CUP.Colour.RED")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringList({folder + QStringLiteral("/Images/CUP.Colour.RED.2.jpg")}));
    }

    void commandRefusesAndWritesNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("says");
        const QString as = QStringLiteral("--as");
        put(QStringLiteral("letter.jpg"), "Dear parents,");
        put(QStringLiteral("afile"), "not a folder");
        QTest::newRow("not a picture") << QStringList{path(QStringLiteral("letter.jpg")), as, QStringLiteral("cup.colour.red")}
                                       << "letter.jpg";
        QTest::newRow("no such file") << QStringList{path(QStringLiteral("gone.png")), as, QStringLiteral("cup.colour.red")}
                                      << "gone.png";
        QTest::newRow("two parts") << QStringList{photo(), as, QStringLiteral("cup.red")} << "three parts";
        QTest::newRow("empty part") << QStringList{photo(), as, QStringLiteral("cup..red")} << "category is empty";
        QTest::newRow("no name") << QStringList{photo()} << "--as";
        QTest::newRow("collection under a file") << QStringList{photo(), as, QStringLiteral("cup.colour.red"),
                                                                QStringLiteral("--collection"), path(QStringLiteral("afile/sub"))}
                                                 << "not a folder";
    }
    void commandRefusesAndWritesNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, says);
        const QString folder = path(QStringLiteral("refused"));
        put(QStringLiteral("refused/Images/cup.colour.blue.jpg"), "already here");
        const QMap<QString, QByteArray> before = contentsOf(m_dir.path());
        const Run run = addPicture(arguments, folder);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QStringList());
        QCOMPARE(run.err.size(), 1);
        QVERIFY2(run.err.first().contains(says), qPrintable(run.err.first()));
        QCOMPARE(contentsOf(m_dir.path()), before);
    }

    void theProgramAddsPicturesWithoutADisplay()
    {
        const QString folder = path(QStringLiteral("program"));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        // Qt warns of this on stderr, which must hold the one line of a refusal and nothing else.
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TESSARINE_EXE), {QStringLiteral("--add-picture"), photo(), QStringLiteral("--as"),
                                                      QStringLiteral("cup.shape.round"), QStringLiteral("--collection"), folder});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 3);
        QVERIFY(QFile::exists(folder + QStringLiteral("/Attributes/shape.round.jpg")));

        program.start(QStringLiteral(TESSARINE_EXE),
                      {QStringLiteral("--add-picture"), photo(), QStringLiteral("--as"), QStringLiteral("cup")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 2);
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
        QCOMPARE(program.readAllStandardError().count('\n'), 1);
    }

    // Run as an ordinary user by scripts/test.sh: root writes into read-only folders.
    void foldersThatCannotBeWritten()
    {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        const QString folder = path(QStringLiteral("locked"));
        put(QStringLiteral("locked/Images/cup.colour.red.jpg"), "cup");
        put(QStringLiteral("locked/Symbols/cup.jpg"), "symbol");
        QVERIFY(QFile::setPermissions(folder + QStringLiteral("/Symbols"), QFile::ReadOwner | QFile::ExeOwner));
        const QMap<QString, QByteArray> before = contentsOf(folder);

        // The symbol cannot be renamed: the object picture renamed before it gets its name back.
        CollectionEditor editor(folder);
        QVERIFY_THROWS_EXCEPTION(RuntimeError,
                                 editor.rename(CollectionEditor::Part::Object, QStringLiteral("cup"), QStringLiteral("mug")));
        QCOMPARE(contentsOf(folder), before);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, editor.checkWritable());
        const QImage picture = quadrants({64, 64});
        QVERIFY_THROWS_EXCEPTION(RuntimeError, editor.saveSymbol(picture, picture.rect(), QStringLiteral("hat")));

        // The command checks before it writes: the object picture's folder could be written, but nothing is.
        const Run run = addPicture({photo(), QStringLiteral("--as"), QStringLiteral("hat.colour.red")}, folder);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.size(), 1);
        QVERIFY2(run.err.first().contains(QStringLiteral("Symbols")), qPrintable(run.err.first()));
        QCOMPARE(contentsOf(folder), before);
        QFile::setPermissions(folder + QStringLiteral("/Symbols"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_MAIN(TestAddPicture)
#include "test_add_picture.moc"
