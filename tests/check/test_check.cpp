#include "check/MediaChecker.h"
#include "core/Module1.h"
#include "exercise/PictureDecoder.h"
#include "exercise/SetComposer.h"
#include "media/MediaCatalogue.h"
#include "platform/doubles/TestDoubles.h"
#include "support/MediaFolder.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace tessarine;
using testing::jpegBytes;
using namespace tessarine::check;
using testing::MediaFolder;

namespace {

// The exercise window as far as the composer sees it.
class FakeView final : public IExerciseView {
public:
    void setObjectPicture(const QImage&, const QString& sourceName) override { object = sourceName; }
    void setCaption(const QString& text) override { caption = text; }
    void setAnswerPicture(Row row, int index, const QImage&, const QString& sourceName) override
    {
        names[slot(row, index)] = sourceName;
    }
    void clearAnswerPicture(Row row, int index) override { names[slot(row, index)].clear(); }
    QString tag(Row row, int index) const override { return tags[slot(row, index)]; }
    void setTag(Row row, int index, const QString& text) override { tags[slot(row, index)] = text; }
    void setAttributeRowVisible(bool) override {}

    // The picture marked as the right answer of a row, or the empty text.
    QString right(Row row) const
    {
        for (int index : {0, 1})
            if (tag(row, index) == QStringLiteral("OK"))
                return names[slot(row, index)];
        return {};
    }

    QString object, caption;
    std::array<QString, 4> names, tags;

private:
    static std::size_t slot(Row row, int index) { return static_cast<std::size_t>((row == Row::Symbols ? 0 : 2) + index); }
};

// What the real composer did with one object under one set of options, over several sets.
struct Observed {
    int sets = 0;
    int failures = 0;
    QSet<int> errorNumbers;
    int messagesWithoutAttributeDistractor = -1; // of the first set, when the attribute distractor is off
    bool rightAnswersMissing = false;
    QString caption, symbol, attribute;
};

QByteArray truncatedJpeg() { return jpegBytes({64, 64}).left(700); }

// A small JPEG whose header claims 30000 by 30000 pixels: refused before any decoding.
QByteArray hugeJpeg()
{
    QByteArray bytes = jpegBytes({16, 16});
    const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    for (int field : {5, 7}) {
        bytes[sof + field] = char(30000 >> 8);
        bytes[sof + field + 1] = char(30000 & 0xFF);
    }
    return bytes;
}

struct Media {
    QStringList images, symbols, attributes, sounds{QStringLiteral("ok.wav"), QStringLiteral("error.wav")};
    QList<QPair<QString, QByteArray>> files = {}; // "Sub/name" with raw content; null content removes the folder
};

} // namespace
Q_DECLARE_METATYPE(Media)
namespace {

// A playable wave file: PCM, mono, 8 kHz, 16 bit, two samples.
QByteArray waveBytes()
{
    return QByteArray("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0"
                      "data\x04\0\0\0\0\0\0\0",
                      48);
}

void fill(MediaFolder& folder, const Media& media)
{
    folder.addPictures(QStringLiteral("Images"), media.images);
    folder.addPictures(QStringLiteral("Symbols"), media.symbols);
    folder.addPictures(QStringLiteral("Attributes"), media.attributes);
    for (const QString& sound : media.sounds)
        folder.addFile(QStringLiteral("Sounds"), sound, waveBytes());
    for (const auto& [where, content] : media.files) {
        if (content.isNull())
            QDir(folder.path()).rmdir(where);
        else
            folder.addFile(where.section(u'/', 0, 0), where.section(u'/', 1), content);
    }
}

// Shows sets with the exercise's own composer (planned, prepared ahead, decoded, replayed), the
// object forced by leaving only the picture at `position` in the image list.
Observed compose(const QString& folder, int position, const SetOptions& options, int sets)
{
    Observed seen;
    doubles::TestPlatform platform(folder);
    Module1 module(platform.messageBox, platform.random);
    CaricaImmagini(module, platform.listing, platform.program);
    CaricaSimboli(module, platform.listing, platform.program);
    CaricaAttributi(module, platform.listing, platform.program);
    module.ShowSymbolsDistractor = options.symbolDistractor;
    module.ShowAttributesDistractor = options.attributeDistractor;
    module.SameCategoryAttributes = options.sameCategory;
    module.ElencoImmagini[1] = module.ElencoImmagini[position];
    module.NumImmagini = 1;
    position = 1;
    FakeView view;
    PictureDecoder decoder(platform.pictures);
    SetComposer composer(module, decoder, platform.program, view);
    for (int set = 0; set < sets; ++set) {
        platform.messageBox.shown.clear();
        ++seen.sets;
        try {
            composer.cmdCambia_Click();
        } catch (const RuntimeError& error) {
            ++seen.failures;
            seen.errorNumbers.insert(error.number());
            continue;
        }
        if (view.object != module.ElencoImmagini[position])
            qFatal("the object draw was not forced");
        seen.caption = view.caption;
        seen.symbol = view.right(Row::Symbols);
        seen.attribute = view.right(Row::Attributes);
        seen.rightAnswersMissing = seen.rightAnswersMissing || seen.symbol.isEmpty() || seen.attribute.isEmpty();
        if (!options.attributeDistractor && seen.messagesWithoutAttributeDistractor < 0)
            seen.messagesWithoutAttributeDistractor = static_cast<int>(platform.messageBox.shown.size());
    }
    return seen;
}

const Finding* findingOf(const CheckResult& result, const QString& code, const QString& folder, const QString& file)
{
    for (const Finding& finding : result.findings)
        if (finding.code == code && finding.folder == folder && finding.file == file)
            return &finding;
    return nullptr;
}

QStringList codesOf(const CheckResult& result)
{
    QStringList codes;
    for (const Finding& finding : result.findings)
        codes.append(QStringLiteral("%1 %2/%3").arg(finding.code, finding.folder, finding.file));
    return codes;
}

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

Run runChecker(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TESSARINE_CHECK_EXE), arguments);
    Run run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// Pages of a PDF as its page objects say, not as the writer claims.
int pdfPages(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

const QStringList HealthyImages{"cup.colour.red.jpg", "cup.colour.blue.jpg", "pen.colour.red.jpg", "pen.size.big.jpg",
                                "Pen.Size.SMALL.2.jpg"};
const QStringList HealthySymbols{"cup.jpg", "PEN.jpg"};
const QStringList HealthyAttributes{"colour.red.jpg", "colour.blue.jpg", "size.big.jpg", "size.small.jpg"};

} // namespace

class TestCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The checker's verdict for every object picture under every combination of options is what
    // the real composer does, and a picture without findings is one whose every set is complete.
    void verdictsAgreeWithTheComposer_data()
    {
        QTest::addColumn<Media>("folder");
        // Findings that must be there ("code Folder/file"), or, after "!", must not.
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("healthy") << Media{HealthyImages, HealthySymbols, HealthyAttributes} << QStringList{};
        QTest::newRow("missing symbol and attribute")
            << Media{{"cup.colour.red.jpg", "ball.colour.green.jpg"}, HealthySymbols, HealthyAttributes}
            << QStringList{"no-symbol Images/ball.colour.green.jpg", "no-attribute Images/ball.colour.green.jpg"};
        QTest::newRow("too few parts") << Media{{"cup.jpg", "pen.colour.jpg", "cup.colour.red.jpg"},
                                                HealthySymbols,
                                                {"colour.red.jpg", "colour.jpg", "size.big.jpg"}}
                                       << QStringList{"name-too-few-parts Images/cup.jpg",
                                                      "name-too-few-parts Images/pen.colour.jpg"};
        QTest::newRow("one symbol key")
            << Media{{"cup.colour.red.jpg", "cup.colour.blue.jpg"}, {"cup.jpg", "CUP.2.jpg"}, HealthyAttributes}
            << QStringList{"no-symbol-distractor Images/cup.colour.red.jpg", "never-right-answer Symbols/cup.jpg"};
        QTest::newRow("one value in the category") << Media{{"cup.colour.red.jpg", "pen.size.big.jpg"},
                                                            HealthySymbols,
                                                            {"colour.red.jpg", "size.big.jpg", "size.small.jpg"}}
                                                   << QStringList{"no-attribute-distractor Images/cup.colour.red.jpg"};
        QTest::newRow("one value name everywhere")
            << Media{{"cup.colour.red.jpg", "pen.size.red.jpg"}, HealthySymbols, {"colour.red.jpg", "size.red.jpg"}}
            << QStringList{"no-attribute-distractor Images/cup.colour.red.jpg",
                           "no-attribute-distractor Images/pen.size.red.jpg"};
        QTest::newRow("category without attributes")
            << Media{{"cup.shape.round.jpg", "pen.colour.red.jpg"}, HealthySymbols, {"colour.red.jpg", "colour.blue.jpg"}}
            << QStringList{"category-without-attributes Images/cup.shape.round.jpg", "no-attribute Images/cup.shape.round.jpg"};
        QTest::newRow("pictures that cannot be loaded")
            << Media{{"cup.colour.red.jpg", "pen.colour.blue.jpg", "pen.size.big.jpg"},
                     {"cup.jpg", "pen.jpg"},
                     {"colour.red.jpg", "colour.green.jpg", "size.big.jpg", "size.small.jpg"},
                     {"ok.wav", "error.wav"},
                     {{"Images/box.colour.red.jpg", truncatedJpeg()},
                      {"Images/car.colour.red.jpg", hugeJpeg()},
                      {"Symbols/box.jpg", QByteArray("")},
                      {"Symbols/car.jpg", jpegBytes({8, 8})},
                      {"Attributes/colour.blue.jpg", QByteArray("not a picture")}}}
            << QStringList{"picture-unreadable Images/box.colour.red.jpg", "picture-unreadable Images/car.colour.red.jpg",
                           "picture-unreadable Symbols/box.jpg", "picture-unreadable Attributes/colour.blue.jpg",
                           "attribute-unreadable Images/pen.colour.blue.jpg"};
        QTest::newRow("only unreadable distractors")
            << Media{{"cup.colour.red.jpg"},
                     {"cup.jpg"},
                     {"colour.red.jpg"},
                     {"ok.wav", "error.wav"},
                     {{"Symbols/pen.jpg", QByteArray("x")}, {"Attributes/colour.blue.jpg", QByteArray("x")}}}
            << QStringList{"distractor-unreadable Images/cup.colour.red.jpg", "picture-unreadable Symbols/pen.jpg"};
        QTest::newRow("empty answer folders") << Media{{"cup.colour.red.jpg", "pen.jpg"}, {}, {}}
                                              << QStringList{"folder-empty Symbols/", "folder-empty Attributes/"};
        QTest::newRow("missing answer folders")
            << Media{{"cup.colour.red.jpg"},
                     {},
                     {},
                     {},
                     {{"Symbols", QByteArray()}, {"Attributes", QByteArray()}, {"Sounds", QByteArray()}}}
            << QStringList{"folder-missing Symbols/", "folder-missing Attributes/", "folder-missing Sounds/"};
        QTest::newRow("letter case and extra parts") << Media{{"Cup.Colour.Red.jpg", "cup.colour.blue.extra.JPG"},
                                                              {"CUP.jpg", "pen.jpg"},
                                                              {"colour.RED.jpg", "COLOUR.blue.jpg"}}
                                                     << QStringList{};
        // The set stops at the object picture: the draw after it is never reached.
        QTest::newRow("stops before the draw")
            << Media{{"pen.colour.red.jpg"},
                     {"cup.jpg"},
                     HealthyAttributes,
                     {"ok.wav", "error.wav"},
                     {{"Images/cup.colour.red.jpg", truncatedJpeg()}}}
            << QStringList{"picture-unreadable Images/cup.colour.red.jpg", "!no-symbol-distractor Images/cup.colour.red.jpg",
                           "no-symbol Images/pen.colour.red.jpg"};
        QStringList oneOther;
        for (int i = 1; i < 1000; ++i)
            oneOther.append(QStringLiteral("cup.%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
        oneOther.append(QStringLiteral("pen.jpg"));
        QTest::newRow("one usable distractor in a thousand") << Media{{"cup.colour.red.jpg"}, oneOther, HealthyAttributes}
                                                             << QStringList{"no-symbol-distractor Images/cup.colour.red.jpg"};
        QTest::newRow("empty parts") << Media{{"cup..red.jpg", "cup.colour.red.jpg"}, HealthySymbols, HealthyAttributes}
                                     << QStringList{"name-empty-part Images/cup..red.jpg"};
    }
    void verdictsAgreeWithTheComposer()
    {
#ifdef __SANITIZE_ADDRESS__
        // Hundreds of thousands of distractor draws: the plain build compares them; under the
        // sanitizers the rest of this program exercises the same code in minutes, not hours.
        QSKIP("The comparison with the composer runs in the plain build");
#endif
        QFETCH(Media, folder);
        QFETCH(QStringList, expected);
        MediaFolder media;
        fill(media, folder);
        const CheckResult result = checkProgramFolder(media.path());

        const QStringList codes = codesOf(result);
        for (const QString& code : expected)
            QVERIFY2(codes.contains(code) != code.startsWith(u'!'),
                     qPrintable(code + QStringLiteral(" in: ") + codes.join(u',')));
        QCOMPARE(result.exitCode(), expected.isEmpty() ? 0 : 1);
        const auto extraImages = std::count_if(folder.files.begin(), folder.files.end(),
                                               [](const auto& file) { return file.first.startsWith(QStringLiteral("Images/")); });
        QCOMPARE(result.objects.size(), folder.images.size() + extraImages);

        // One usable name in a pool of a thousand: (1 - 1/1000)^10000 per set.
        if (QByteArray(QTest::currentDataTag()) == "one usable distractor in a thousand") {
            for (const SetVerdict& verdict : result.objects.first().sets) {
                QCOMPARE(verdict.outcome, verdict.options.symbolDistractor ? Outcome::MayFail : Outcome::Works);
                QVERIFY(!verdict.options.symbolDistractor || qAbs(verdict.chance - 4.517e-5) < 0.01e-5);
            }
        }
        for (int i = 0; i < result.objects.size(); ++i) {
            const ObjectReport& object = result.objects.at(i);
            bool troubleSeen = false;
            for (const SetVerdict& verdict : object.sets) {
                const QString where = QStringLiteral("%1 with options %2").arg(object.file).arg(verdict.options.index());
                // A sure failure shows in two sets; a possible one within a hundred (the draws are
                // reproducible); a working set must survive enough sets to draw every distractor.
                const int sets = verdict.outcome == Outcome::Fails ? 2 : verdict.outcome == Outcome::MayFail ? 100 : 30;
                const Observed seen = compose(media.path(), i + 1, verdict.options, sets);
                switch (verdict.outcome) {
                case Outcome::Works:
                    QVERIFY2(seen.failures == 0, qPrintable(where));
                    break;
                case Outcome::Fails:
                    QVERIFY2(seen.failures == seen.sets, qPrintable(where));
                    QVERIFY2(seen.errorNumbers == QSet<int>{verdict.errorNumber}, qPrintable(where));
                    break;
                case Outcome::MayFail:
                    // A chance too small to show in a hundred sets is only known by its figure.
                    QVERIFY2(seen.failures < seen.sets && (verdict.chance < 0.05 || seen.failures > 0), qPrintable(where));
                    QVERIFY2(seen.errorNumbers.isEmpty() || seen.errorNumbers == QSet<int>{verdict.errorNumber},
                             qPrintable(where));
                    break;
                }
                // The caption showing the extension as the value ("PEN JPG") is trouble the learner sees.
                troubleSeen = troubleSeen || seen.failures > 0 || seen.rightAnswersMissing
                              || seen.messagesWithoutAttributeDistractor > 0
                              || seen.caption.endsWith(u' ' + QFileInfo(object.file).suffix().toUpper());
                if (seen.failures == seen.sets)
                    continue;
                QCOMPARE(seen.caption, object.caption);
                QCOMPARE(seen.symbol, object.symbol);
                QCOMPARE(seen.attribute, object.attribute);
                if (seen.messagesWithoutAttributeDistractor >= 0)
                    QCOMPARE(seen.messagesWithoutAttributeDistractor, object.reportsPerSet);
            }
            // No false alarm, nothing missed: findings on a picture exactly when its sets go wrong
            // (a set that only may fail is blamed on the unreadable distractor, not on the object).
            const bool onlyMayFail = std::all_of(object.sets.begin(), object.sets.end(),
                                                 [](const SetVerdict& v) { return v.outcome != Outcome::Fails; })
                                     && !object.worksEverywhere() && object.symbol.size() && object.attribute.size();
            const bool answerFolderGone = result.symbols == 0 || result.attributes == 0;
            if (!onlyMayFail && !answerFolderGone)
                QVERIFY2(troubleSeen == !object.problems.isEmpty(), qPrintable(object.file + u' ' + object.problems.join(u',')));
        }
    }

    // Files the listing never returns, letter-case twins, too many pictures, missing sounds.
    void filesThatAreNeverShown()
    {
        MediaFolder media;
        fill(media, Media{HealthyImages, {"cup.jpg", "Cup.jpg", "PEN.jpg"}, HealthyAttributes, {"OK.WAV"}});
        media.addFile(QStringLiteral("Images"), QStringLiteral("ball.colour.red.png"), jpegBytes({8, 8}));
        media.addFile(QStringLiteral("Images"), QStringLiteral("ball.colour.red.jpeg"), jpegBytes({8, 8}));
        media.addFile(QStringLiteral("Images"), QStringLiteral(".ball.colour.blue.jpg"), jpegBytes({8, 8}));
        media.addFile(QStringLiteral("Images"), QStringLiteral("._cup.colour.red.jpg"), QByteArray("resource fork"));
        media.addFile(QStringLiteral("Images"), QStringLiteral("notes.txt"), QByteArray("not a picture"));
        QDir(media.subFolder(QStringLiteral("Images"))).mkdir(QStringLiteral("animals"));
        // Wave files that cannot be played are named; a recording beside a picture is listed.
        media.addFile(QStringLiteral("Sounds"), QStringLiteral("broken.wav"), QByteArray("RIFF"));
        media.addFile(QStringLiteral("Images"), QStringLiteral("Cup.Colour.Red.WAV"), waveBytes());
        media.addFile(QStringLiteral("Images/animals"), QStringLiteral("cat.colour.red.jpg"), jpegBytes({8, 8}));

        const CheckResult result = checkProgramFolder(media.path());
        const QStringList expected{"wrong-extension Images/ball.colour.red.png",
                                   "wrong-extension Images/ball.colour.red.jpeg",
                                   "hidden-file Images/.ball.colour.blue.jpg",
                                   "subfolder Images/animals",
                                   "case-duplicate Symbols/cup.jpg",
                                   "sound-missing Sounds/error.wav",
                                   "sound-unplayable Sounds/broken.wav"};
        QStringList codes = codesOf(result);
        codes.sort();
        QStringList sorted = expected;
        sorted.sort();
        // Nothing else: not the Finder's "._" file, not the text file, not ok.wav in capitals.
        QCOMPARE(codes.join(u'\n'), sorted.join(u'\n'));
        QCOMPARE(findingOf(result, "wrong-extension", "Images", "ball.colour.red.jpeg")->fix,
                 QStringLiteral("It is a JPEG picture: rename it to ball.colour.red.jpg."));
        QVERIFY(findingOf(result, "case-duplicate", "Symbols", "cup.jpg")->effect.contains(QStringLiteral("only Cup.jpg")));
        QCOMPARE(result.exitCode(), 1);
        for (const ObjectReport& object : result.objects)
            QCOMPARE(object.recording, object.file == QStringLiteral("cup.colour.red.jpg") ? "Cup.Colour.Red.WAV" : "");
    }

    // Fixes fit the folder: JPEGs whose names lack ".jpg", renames onto taken names, examples made of
    // the folder's own categories, spelling hints.
    void fixesFitTheFolder()
    {
        MediaFolder media;
        fill(media, Media{{"pen.colour.red.jpg", "cup.colour.blue.jpg", "box.color.red.jpg", "car.colour.rde.jpg", "cup.jpg"},
                          {"cup.jpg", "box.jpg", "car.jpg"},
                          {"colour.red.jpg", "colour.blue.jpg", "size.big.jpg", "size.small.jpg"}});
        media.addFile(QStringLiteral("Symbols"), QStringLiteral("pen"), jpegBytes({8, 8}));
        media.addFile(QStringLiteral("Symbols"), QStringLiteral("cup.JPEG"), jpegBytes({8, 8}));
        media.addFile(QStringLiteral("Symbols"), QStringLiteral("box.jpg "), jpegBytes({8, 8}));
        const CheckResult result = checkProgramFolder(media.path());
        const auto fix = [&](const char* code, const char* folder, const char* file) {
            const Finding* finding = findingOf(result, code, folder, file);
            return finding ? finding->fix : QStringLiteral("(no finding)");
        };
        QCOMPARE(fix("wrong-extension", "Symbols", "pen"), QStringLiteral("It is a JPEG picture: rename it to pen.jpg."));
        QVERIFY(fix("no-symbol", "Images", "pen.colour.red.jpg").contains(QStringLiteral("Symbols/pen is there")));
        QVERIFY2(fix("wrong-extension", "Symbols", "cup.JPEG").contains(QStringLiteral("There is already a cup.jpg")),
                 qPrintable(fix("wrong-extension", "Symbols", "cup.JPEG")));
        QVERIFY(findingOf(result, "wrong-extension", "Symbols", "box.jpg ")->problem.contains(QStringLiteral("a blank")));
        // "cup.colour.blue.jpg" is taken: the example is another name made of the folder's attributes.
        QCOMPARE(fix("name-too-few-parts", "Images", "cup.jpg"),
                 QStringLiteral("Rename it to symbol.category.value.jpg, for example cup.colour.red.jpg."));
        QVERIFY2(fix("no-attribute", "Images", "box.color.red.jpg").contains(QStringLiteral("a spelling slip for \"colour\"")),
                 qPrintable(fix("no-attribute", "Images", "box.color.red.jpg")));
        QVERIFY2(fix("no-attribute", "Images", "car.colour.rde.jpg").contains(QStringLiteral("a spelling slip for \"red\"")),
                 qPrintable(fix("no-attribute", "Images", "car.colour.rde.jpg")));
    }

    void overAThousandPictures()
    {
        MediaFolder media;
        QStringList images;
        for (int i = 0; i <= 1000; ++i)
            images.append(QStringLiteral("cup.colour.red.%1.jpg").arg(i, 4, 10, QLatin1Char('0')));
        fill(media, Media{images, HealthySymbols, HealthyAttributes});
        const CheckResult result = checkProgramFolder(media.path());
        QCOMPARE(result.images, 1000);
        QCOMPARE(result.objects.size(), 1000);
        QCOMPARE(codesOf(result), QStringList{"too-many-pictures Images/"});
        const Finding* finding = findingOf(result, "too-many-pictures", "Images", QString());
        QCOMPARE(finding->related, QStringList{"cup.colour.red.1000.jpg"});
        QVERIFY2(finding->effect.contains(QStringLiteral("1 picture is never shown")), qPrintable(finding->effect));
    }

    // The command line as a teacher or a script uses it: exit status, text, JSON.
    void commandLine_data()
    {
        QTest::addColumn<QString>("folderKind");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("shown");
        QTest::newRow("healthy") << "healthy" << QStringList{} << 0 << "All 5 sets work with every option";
        QTest::newRow("problems") << "problems" << QStringList{} << 1 << "Images/cup.jpg";
        QTest::newRow("no such folder") << "missing" << QStringList{} << 2 << "There is no folder";
        QTest::newRow("unknown option") << "healthy" << QStringList{"--colour"} << 2 << "Usage: tessarine-check";
        QTest::newRow("help") << "none" << QStringList{"--help"} << 0 << "Exit status";
    }
    void commandLine()
    {
        QFETCH(QString, folderKind);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, shown);
        MediaFolder media;
        fill(media, folderKind == QStringLiteral("problems")
                        ? Media{{"cup.jpg", "pen.colour.red.jpg"}, HealthySymbols, HealthyAttributes}
                        : Media{HealthyImages, HealthySymbols, HealthyAttributes});
        QStringList arguments = options;
        if (folderKind == QStringLiteral("missing"))
            arguments.append(media.path() + QStringLiteral("/nowhere"));
        else if (folderKind != QStringLiteral("none"))
            arguments.append(media.path());
        const Run run = runChecker(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(run.out + run.err).contains(shown), run.out + run.err);
    }

    void jsonForTools()
    {
        MediaFolder media;
        fill(media, Media{{"cup.jpg", "pen.colour.red.jpg"}, HealthySymbols, {"colour.red.jpg", "colour.blue.jpg"}});
        const Run run = runChecker({QStringLiteral("--json"), media.path()});
        QCOMPARE(run.exitCode, 1);
        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(run.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(root.value("schema").toString(), QStringLiteral("tessarine-check/1"));
        QCOMPARE(root.value("exitCode").toInt(), 1);
        QCOMPARE(root.value("counts").toObject().value("images").toInt(), 2);

        const QJsonArray objects = root.value("objects").toArray();
        QCOMPARE(objects.size(), 2);
        const QJsonObject cup = objects.at(0).toObject();
        QCOMPARE(cup.value("file").toString(), QStringLiteral("cup.jpg"));
        QCOMPARE(cup.value("caption").toString(), QStringLiteral("CUP "));
        QCOMPARE(cup.value("symbol").toString(), QStringLiteral("cup.jpg"));
        QVERIFY(cup.value("attribute").isNull());
        // Part 3 is read for the caption and once per attribute searched: three times, two messages each.
        QCOMPARE(cup.value("reportsPerSet").toInt(), 6);
        const QJsonArray sets = cup.value("sets").toArray();
        QCOMPARE(sets.size(), 8);
        for (const QJsonValue& value : sets) {
            const QJsonObject set = value.toObject();
            // Category "jpg" has no attribute: the empty name is drawn, and its empty value equals
            // the missing value of the object, so the draw never ends.
            const bool fails = set.value("attributeDistractor").toBool() && set.value("sameCategory").toBool();
            QCOMPARE(set.value("result").toString(), fails ? QStringLiteral("fails") : QStringLiteral("works"));
            if (fails)
                QCOMPARE(set.value("error").toObject().value("number").toInt(), 550);
        }
        const QJsonObject pen = objects.at(1).toObject();
        QCOMPARE(pen.value("problems").toArray().size(), 0);

        bool named = false;
        for (const QJsonValue& value : root.value("findings").toArray()) {
            const QJsonObject finding = value.toObject();
            for (const char* key : {"code", "severity", "problem", "effect", "fix"})
                QVERIFY(!finding.value(key).toString().isEmpty());
            QVERIFY(finding.value("related").isArray() && finding.value("when").isObject());
            if (finding.value("code").toString() == QStringLiteral("name-too-few-parts")) {
                named = true;
                QCOMPARE(finding.value("folder").toString(), QStringLiteral("Images"));
                QCOMPARE(finding.value("file").toString(), QStringLiteral("cup.jpg"));
                QCOMPARE(finding.value("severity").toString(), QStringLiteral("error"));
            }
        }
        QVERIFY(named);
    }

    // The sheet is read back: one A4 page per six object pictures, with the pictures in it.
    void printableSheet_data()
    {
        QTest::addColumn<int>("objects");
        QTest::addColumn<int>("pages");
        QTest::newRow("none") << 0 << 1;
        QTest::newRow("one page") << 6 << 1;
        QTest::newRow("three pages") << 13 << 3;
    }
    void printableSheet()
    {
        QFETCH(int, objects);
        QFETCH(int, pages);
        MediaFolder media;
        QStringList images;
        for (int i = 1; i < objects; ++i)
            images.append(i % 2 ? QStringLiteral("cup.colour.red.%1.jpg").arg(i)
                                : QStringLiteral("pen.colour.blue.%1.jpg").arg(i));
        fill(media, Media{images, {"cup.jpg"}, {"colour.red.jpg", "colour.blue.jpg"}});
        // A photo-sized picture, which the sheet must not embed at full size.
        if (objects > 0)
            media.addPicture(QStringLiteral("Images"), QStringLiteral("zz.big.photo.jpg"), {1600, 1200});

        const QString pdf = media.path() + QStringLiteral("/sets.pdf");
        const Run run = runChecker({QStringLiteral("--sheet"), pdf, media.path()});
        QCOMPARE(run.exitCode, 1); // pictures without a symbol, or no pictures at all
        QVERIFY(run.out.contains("Sheet written to"));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(pdfPages(bytes), pages);
        static const QRegularExpression a4(QStringLiteral("/MediaBox \\[0 0 595(\\.0+)? 842(\\.0+)?\\]"));
        QCOMPARE(QString::fromLatin1(bytes).count(a4), pages);
        QCOMPARE(bytes.contains("/Subtype /Image"), objects > 0);
        QVERIFY2(bytes.size() < 1'000'000, QByteArray::number(bytes.size()));

        QCOMPARE(
            runChecker({QStringLiteral("--sheet"), media.path() + QStringLiteral("/no/such/dir/x.pdf"), media.path()}).exitCode,
            2);
    }
};

QTEST_MAIN(TestCheck)
#include "test_check.moc"
