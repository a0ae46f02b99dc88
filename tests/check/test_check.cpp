#include "check/MediaChecker.h"
#include "core/Module1.h"
#include "exercise/PictureDecoder.h"
#include "exercise/SetComposer.h"
#include "media/MediaCatalogue.h"
#include "platform/doubles/TestDoubles.h"
#include "support/MediaFolder.h"
#include "translations/Translations.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <optional>

using namespace tessarine;
using namespace tessarine::check;
using testing::MediaFolder;

// A program folder to write: pictures by name, sounds as playable wave files, and other files.
struct Media {
    QStringList images, symbols, attributes;
    QList<QPair<QString, QByteArray>> files = {}; // "Sub/name" with raw content; null content removes the folder
    QStringList sounds{QStringLiteral("ok.wav"), QStringLiteral("error.wav")};
};
Q_DECLARE_METATYPE(Media)

namespace {

// The exercise window as far as the composer sees it.
struct FakeView final : IExerciseView {
    void setObjectPicture(const QImage&, const QString&) override {}
    void setCaption(const QString& text) override { caption = text; }
    void setAnswerPicture(Row row, int index, const QImage&, const QString& name) override { names[{row, index}] = name; }
    void clearAnswerPicture(Row row, int index) override { names.remove({row, index}); }
    QString tag(Row row, int index) const override { return tags.value({row, index}); }
    void setTag(Row row, int index, const QString& text) override { tags[{row, index}] = text; }
    void setAttributeRowVisible(bool) override {}
    // The picture marked as the right answer of a row, or the empty text.
    QString right(Row row) const { return names.value({row, tag(row, 0) == "OK" ? 0 : tag(row, 1) == "OK" ? 1 : -1}); }

    QString caption;
    QMap<std::pair<Row, int>, QString> names, tags;
};

// What the real composer did with one object under one set of options, over several sets.
struct Observed {
    int failures = 0;
    QSet<int> errorNumbers;
    int messagesWithoutAttributeDistractor = -1; // of the first set, when the attribute distractor is off
    bool rightAnswersMissing = false;
    FakeView last; // the last set shown
};

// A playable wave file: PCM, mono, 8 kHz, 16 bit, two samples.
const QByteArray Wave("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0data\x04\0\0\0\0\0\0\0",
                      48);

// Names made from `pattern` with the numbers `first` to `last`, four digits wide.
QStringList numbered(const char* pattern, int first, int last)
{
    QStringList names;
    for (int i = first; i <= last; ++i)
        names.append(QString::fromLatin1(pattern).arg(i, 4, 10, QLatin1Char('0')));
    return names;
}

void fill(MediaFolder& folder, const Media& media)
{
    folder.addPictures(QStringLiteral("Images"), media.images);
    folder.addPictures(QStringLiteral("Symbols"), media.symbols);
    folder.addPictures(QStringLiteral("Attributes"), media.attributes);
    for (const QString& sound : media.sounds)
        folder.addFile(QStringLiteral("Sounds"), sound, Wave);
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
    FakeView view;
    PictureDecoder decoder(platform.pictures);
    SetComposer composer(module, decoder, platform.program, view);
    for (int set = 0; set < sets; ++set) {
        platform.messageBox.shown.clear();
        try {
            composer.cmdCambia_Click();
        } catch (const RuntimeError& error) {
            ++seen.failures;
            seen.errorNumbers.insert(error.number());
            continue;
        }
        seen.last = view;
        seen.rightAnswersMissing |= view.right(Row::Symbols).isEmpty() || view.right(Row::Attributes).isEmpty();
        if (!options.attributeDistractor && seen.messagesWithoutAttributeDistractor < 0)
            seen.messagesWithoutAttributeDistractor = static_cast<int>(platform.messageBox.shown.size());
    }
    return seen;
}

QStringList codesOf(const CheckResult& result)
{
    QStringList codes;
    for (const Finding& finding : result.findings)
        codes.append(QStringLiteral("%1 %2/%3").arg(finding.code, finding.folder, finding.file));
    return codes;
}

// The checker's exit status (-1 when it crashed or hung) and what it printed on its standard output.
std::pair<int, QByteArray> runChecker(const QStringList& arguments,
                                      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TESSARINE_CHECK_EXE), arguments);
    const bool ended = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, process.readAllStandardOutput()};
}

const QStringList HealthyImages{"cup.colour.red.jpg", "cup.colour.blue.jpg", "pen.colour.red.jpg", "pen.size.big.jpg",
                                "Pen.Size.SMALL.2.jpg"};
const QStringList HealthySymbols{"cup.jpg", "PEN.jpg"};
const QStringList HealthyAttributes{"colour.red.jpg", "colour.blue.jpg", "size.big.jpg", "size.small.jpg"};

} // namespace

class TestCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Counted texts take their English forms from the English catalogue.
    void initTestCase() { m_english.emplace(QLocale(QLocale::English)); }

    // The checker's verdict for every object picture under every combination of options is what
    // the real composer does, and a picture without findings is one whose every set is complete.
    void verdictsAgreeWithTheComposer_data()
    {
        QTest::addColumn<Media>("folder");
        // Findings that must be there ("code Folder/file"), or, after "!", must not.
        QTest::addColumn<QStringList>("expected");

        const QByteArray truncated = testing::jpegBytes({64, 64}).left(700);
        // Letter case and parts after the value ("Pen.Size.SMALL.2.jpg", "PEN.jpg") are no fault.
        QTest::newRow("healthy") << Media{HealthyImages, HealthySymbols, HealthyAttributes} << QStringList{};
        QTest::newRow("too few or empty parts")
            << Media{{"cup.jpg", "pen.colour.jpg", "cup.colour.red.jpg", "cup..red.jpg"},
                     HealthySymbols,
                     {"colour.red.jpg", "colour.jpg", "size.big.jpg"}}
            << QStringList{"name-too-few-parts Images/cup.jpg", "name-too-few-parts Images/pen.colour.jpg",
                           "name-empty-part Images/cup..red.jpg"};
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
        QTest::newRow("pictures that cannot be loaded")
            << Media{{"cup.colour.red.jpg", "pen.colour.blue.jpg", "pen.size.big.jpg"},
                     {"cup.jpg", "pen.jpg"},
                     {"colour.red.jpg", "colour.green.jpg", "size.big.jpg", "size.small.jpg"},
                     {{"Images/box.colour.red.jpg", truncated},
                      {"Symbols/box.jpg", QByteArray("")},
                      {"Attributes/colour.blue.jpg", QByteArray("not a picture")}}}
            << QStringList{"picture-unreadable Images/box.colour.red.jpg", "picture-unreadable Symbols/box.jpg",
                           "picture-unreadable Attributes/colour.blue.jpg", "attribute-unreadable Images/pen.colour.blue.jpg"};
        QTest::newRow("only unreadable distractors")
            << Media{{"cup.colour.red.jpg"},
                     {"cup.jpg"},
                     {"colour.red.jpg"},
                     {{"Symbols/pen.jpg", QByteArray("x")}, {"Attributes/colour.blue.jpg", QByteArray("x")}}}
            << QStringList{"distractor-unreadable Images/cup.colour.red.jpg", "picture-unreadable Symbols/pen.jpg"};
        QTest::newRow("answer folders empty or missing")
            << Media{{"cup.colour.red.jpg"}, {}, {}, {{"Attributes", QByteArray()}, {"Sounds", QByteArray()}}, {}}
            << QStringList{"folder-empty Symbols/", "folder-missing Attributes/", "folder-missing Sounds/"};
        // The set stops at the object picture: the draw after it is never reached.
        QTest::newRow("stops before the draw")
            << Media{{"pen.colour.red.jpg"}, {"cup.jpg"}, HealthyAttributes, {{"Images/cup.colour.red.jpg", truncated}}}
            << QStringList{"picture-unreadable Images/cup.colour.red.jpg", "!no-symbol-distractor Images/cup.colour.red.jpg",
                           "no-symbol Images/pen.colour.red.jpg"};
        QTest::newRow("one usable distractor in a thousand")
            << Media{{"cup.colour.red.jpg"}, numbered("cup.%1.jpg", 1, 999) << "pen.jpg", HealthyAttributes}
            << QStringList{"no-symbol-distractor Images/cup.colour.red.jpg"};
    }
    void verdictsAgreeWithTheComposer()
    {
#ifdef __SANITIZE_ADDRESS__
        // Hundreds of thousands of draws: hours under the sanitizers, where the rest covers the same code.
        QSKIP("The comparison with the composer runs in the plain build");
#endif
        QFETCH(Media, folder);
        QFETCH(QStringList, expected);
        MediaFolder media;
        fill(media, folder);
        const CheckResult result = checkProgramFolder(media.path());

        const QStringList codes = codesOf(result);
        for (const QString& code : expected)
            QVERIFY2(codes.contains(code) != code.startsWith(u'!'), qPrintable(code + " in: " + codes.join(u',')));
        QCOMPARE(result.exitCode(), expected.isEmpty() ? 0 : 1);
        QCOMPARE(result.objects.size(), QDir(media.subFolder(QStringLiteral("Images"))).entryList(QDir::Files).size());

        // One usable name in a pool of a thousand: (1 - 1/1000)^10000 per set.
        if (QByteArray(QTest::currentDataTag()) == "one usable distractor in a thousand") {
            for (const SetVerdict& v : result.objects.first().sets)
                QVERIFY(v.options.symbolDistractor ? v.outcome == Outcome::MayFail && qAbs(v.chance - 4.517e-5) < 0.01e-5
                                                   : v.outcome == Outcome::Works);
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
                // A chance too small to show in a hundred sets is only known by its figure.
                const bool failuresAsTold = verdict.outcome == Outcome::Works ? seen.failures == 0
                                            : verdict.outcome == Outcome::Fails
                                                ? seen.failures == sets
                                                : seen.failures < sets && (verdict.chance < 0.05 || seen.failures > 0);
                QVERIFY2(failuresAsTold && (seen.errorNumbers.isEmpty() || seen.errorNumbers == QSet<int>{verdict.errorNumber}),
                         qPrintable(where));
                // The caption showing the extension as the value ("PEN JPG") is trouble the learner sees.
                troubleSeen = troubleSeen || seen.failures > 0 || seen.rightAnswersMissing
                              || seen.messagesWithoutAttributeDistractor > 0
                              || seen.last.caption.endsWith(u' ' + QFileInfo(object.file).suffix().toUpper());
                if (seen.failures == sets)
                    continue;
                QCOMPARE(seen.last.caption, object.caption);
                QCOMPARE(seen.last.right(Row::Symbols), object.symbol);
                QCOMPARE(seen.last.right(Row::Attributes), object.attribute);
                if (seen.messagesWithoutAttributeDistractor >= 0)
                    QCOMPARE(seen.messagesWithoutAttributeDistractor, object.reportsPerSet);
            }
            // No false alarm, nothing missed: findings on a picture exactly when its sets go wrong
            // (a set that only may fail is blamed on the unreadable distractor, not on the object).
            const bool onlyMayFail = std::ranges::none_of(object.sets, [](const auto& v) { return v.outcome == Outcome::Fails; })
                                     && !object.worksEverywhere() && object.symbol.size() && object.attribute.size();
            const bool answerFolderGone = result.symbols == 0 || result.attributes == 0;
            if (!onlyMayFail && !answerFolderGone)
                QVERIFY2(troubleSeen == !object.problems.isEmpty(), qPrintable(object.file + u' ' + object.problems.join(u',')));
        }
    }

    // Files the listing never returns, letter-case twins, missing sounds, and fixes that fit the
    // folder; nothing else (not the Finder's "._" file, not the text file, not ok.wav in capitals).
    void findingsAndTheirFixes()
    {
        MediaFolder media;
        const QByteArray jpeg = testing::jpegBytes({8, 8});
        fill(media, Media{{"cup.colour.red.jpg", "cup.colour.blue.jpg", "pen.colour.red.jpg", "box.color.red.jpg",
                           "car.colour.rde.jpg", "cup.jpg"},
                          {"cup.jpg", "Cup.jpg", "box.jpg", "car.jpg"},
                          HealthyAttributes,
                          {{"Images/ball.colour.red.png", jpeg},
                           {"Images/.ball.colour.blue.jpg", jpeg},
                           {"Images/._cup.colour.red.jpg", "resource fork"},
                           {"Images/notes.txt", "not a picture"},
                           {"Images/Cup.Colour.Red.WAV", Wave},
                           {"Symbols/pen", jpeg},
                           {"Symbols/cup.JPEG", jpeg},
                           {"Symbols/box.jpg ", jpeg},
                           {"Sounds/broken.wav", "RIFF"}},
                          {"OK.WAV"}});
        QDir(media.subFolder(QStringLiteral("Images"))).mkdir(QStringLiteral("animals"));
        media.addFile(QStringLiteral("Images/animals"), QStringLiteral("cat.colour.red.jpg"), jpeg);
        const CheckResult result = checkProgramFolder(media.path());

        // Code, folder, file, and a text its problem, effect and fix tell.
        const QList<std::array<const char*, 4>> expected = {
            {"wrong-extension", "Images", "ball.colour.red.png", "It is a JPEG picture: rename it to ball.colour.red.jpg."},
            {"hidden-file", "Images", ".ball.colour.blue.jpg", ""},
            {"subfolder", "Images", "animals", ""},
            {"case-duplicate", "Symbols", "cup.jpg", "only Cup.jpg"},
            {"sound-missing", "Sounds", "error.wav", ""},
            {"sound-unplayable", "Sounds", "broken.wav", ""},
            {"wrong-extension", "Symbols", "pen", "It is a JPEG picture: rename it to pen.jpg."},
            {"no-symbol", "Images", "pen.colour.red.jpg", "Symbols/pen is there"},
            {"wrong-extension", "Symbols", "cup.JPEG", "There is already a cup.jpg"},
            {"wrong-extension", "Symbols", "box.jpg ", "a blank"},
            // The cup's colours are taken: the example is another name made of the folder's attributes.
            {"name-too-few-parts", "Images", "cup.jpg", "Rename it to symbol.category.value.jpg, for example cup.size.big.jpg."},
            {"no-attribute", "Images", "box.color.red.jpg", "a spelling slip for \"colour\""},
            {"category-without-attributes", "Images", "box.color.red.jpg", ""},
            {"no-attribute", "Images", "car.colour.rde.jpg", "a spelling slip for \"red\""}};
        const QStringList codes = codesOf(result);
        for (const auto& [code, folder, file, text] : expected) {
            const qsizetype at = codes.indexOf(QStringLiteral("%1 %2/%3").arg(code, folder, file));
            QVERIFY2(at >= 0, qPrintable(codes.join(u',')));
            const Finding& finding = result.findings.at(at);
            const QString told = finding.problem + u' ' + finding.effect + u' ' + finding.fix;
            QVERIFY2(told.contains(QString::fromUtf8(text)), qPrintable(told));
        }
        QCOMPARE(result.findings.size(), expected.size());
        // A recording beside a picture is listed.
        for (const ObjectReport& object : result.objects)
            QCOMPARE(object.recording, object.file == QStringLiteral("cup.colour.red.jpg") ? "Cup.Colour.Red.WAV" : "");
    }

    void overAThousandPictures()
    {
        MediaFolder media;
        fill(media, Media{numbered("cup.colour.red.%1.jpg", 0, 1000), HealthySymbols, HealthyAttributes});
        const CheckResult result = checkProgramFolder(media.path());
        QVERIFY(result.objects.size() == 1000 && codesOf(result) == QStringList{"too-many-pictures Images/"});
        const Finding& finding = result.findings.first();
        QVERIFY2(finding.related == QStringList{"cup.colour.red.1000.jpg"} && finding.effect.contains("1 picture is never shown"),
                 qPrintable(finding.effect));
    }

    // The command line as a teacher, a script or a tool uses it: exit status, text and JSON.
    void commandLine()
    {
        MediaFolder healthy, cups;
        fill(healthy, Media{HealthyImages, HealthySymbols, HealthyAttributes});
        auto [status, out] = runChecker({healthy.path()});
        QVERIFY2(status == 0 && out.contains("All 5 sets work with every option"), out);
        std::tie(status, out) = runChecker({healthy.path() + QStringLiteral("/nowhere")});
        QVERIFY2(status == 2 && out.contains("There is no folder"), out);

        fill(cups, Media{{"cup.jpg", "pen.colour.red.jpg"}, HealthySymbols, {"colour.red.jpg", "colour.blue.jpg"}});
        std::tie(status, out) = runChecker({QStringLiteral("--json"), cups.path()});
        QCOMPARE(status, 1);
        const QJsonObject root = QJsonDocument::fromJson(out).object();
        QCOMPARE(root["schema"].toString(), QStringLiteral("tessarine-check/1"));
        QCOMPARE(root["counts"]["images"].toInt(), 2);
        const QJsonValue cup = root["objects"][0];
        QCOMPARE(cup["file"].toString() + '|' + cup["caption"].toString(), QStringLiteral("cup.jpg|CUP "));
        QVERIFY(cup["attribute"].isNull());
        QCOMPARE(cup["reportsPerSet"].toInt(), 6);
        // By the options' index; the same-category attribute distractor's draw never ends for no value.
        QCOMPARE(cup["sets"][2]["result"].toString() + cup["sets"][3]["result"].toString(), QStringLiteral("worksfails"));
        QCOMPARE(cup["sets"][3]["error"]["number"].toInt(), 550);
        const QJsonValue finding = root["findings"][0];
        QCOMPARE((QStringList{finding["code"].toString(), finding["folder"].toString(), finding["file"].toString(),
                              finding["severity"].toString()}),
                 (QStringList{"name-too-few-parts", "Images", "cup.jpg", "error"}));
        for (const char* key : {"problem", "effect", "fix"})
            QVERIFY(!finding[QLatin1String(key)].toString().isEmpty());
        QVERIFY(finding["related"].isArray() && finding["when"].isObject());
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
        fill(media, Media{numbered("cup.colour.red.%1.jpg", 1, objects - 1), {"cup.jpg"}, {"colour.red.jpg", "colour.blue.jpg"}});
        // A photo-sized picture, which the sheet must not embed at full size.
        if (objects > 0)
            media.addPicture(QStringLiteral("Images"), QStringLiteral("zz.big.photo.jpg"), {1600, 1200});

        const QString pdf = media.path() + QStringLiteral("/sets.pdf");
        const auto [status, out] = runChecker({QStringLiteral("--sheet"), pdf, media.path()});
        // A picture without a symbol, or no pictures at all.
        QVERIFY2(status == 1 && out.contains(objects > 0 ? "Images/zz.big.photo.jpg" : "Images/")
                     && out.contains("Sheet written to"),
                 out);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString bytes = QString::fromLatin1(file.readAll());
        // Pages as the page objects say, not as the writer claims.
        QCOMPARE(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))), pages);
        QCOMPARE(bytes.count(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 595(\\.0+)? 842(\\.0+)?\\]"))), pages);
        QCOMPARE(bytes.contains(QStringLiteral("/Subtype /Image")), objects > 0);
        QVERIFY2(bytes.size() < 1'000'000, qPrintable(QString::number(bytes.size())));
        QCOMPARE(runChecker({QStringLiteral("--sheet"), media.path() + QStringLiteral("/no/such/x.pdf"), media.path()}).first, 2);
    }

    // A teacher working in Italian is told about the same files as in English, and a script still
    // reads English from --json, with or without a sheet beside it.
    void italianFindingsNameTheSameFiles()
    {
        MediaFolder media;
        const QByteArray jpeg = testing::jpegBytes({8, 8});
        fill(media,
             Media{
                 {"cup.colour.red.jpg", "pen.colour.red.jpg", "cup.jpg"},
                 {"cup.jpg"},
                 {"colour.red.jpg"},
                 {{"Images/box.colour.red.jpg", "not a picture"}, {"Images/Cup.Colour.Red.jpg", jpeg}, {"Symbols/pen.png", jpeg}},
                 {"ok.wav"}});
        const CheckResult english = checkProgramFolder(media.path());
        CheckResult italian;
        {
            const Translations inItalian{QLocale(QLocale::Italian, QLocale::Italy)};
            italian = checkProgramFolder(media.path());
        }
        QVERIFY2(english.findings.size() >= 6, qPrintable(codesOf(english).join(u',')));
        QCOMPARE(codesOf(italian), codesOf(english));
        for (qsizetype i = 0; i < english.findings.size(); ++i) {
            const Finding &en = english.findings.at(i), &it = italian.findings.at(i);
            QCOMPARE(it.related, en.related);
            QVERIFY(it.severity == en.severity && it.when.symbolDistractor == en.when.symbolDistractor
                    && it.when.attributeDistractor == en.when.attributeDistractor
                    && it.when.sameCategory == en.when.sameCategory);
        }

        QProcessEnvironment inItalian = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
            inItalian.insert(QString::fromLatin1(variable), QStringLiteral("it_IT.UTF-8"));
        inItalian.insert(QStringLiteral("LANGUAGE"), QStringLiteral("it"));
        const QString pdf = media.path() + QStringLiteral("/sets.pdf");
        for (const QStringList& extra : {QStringList{}, QStringList{QStringLiteral("--sheet"), pdf}}) {
            const auto [status, out] = runChecker(QStringList{QStringLiteral("--json")} + extra + QStringList{media.path()},
                                                  inItalian);
            QCOMPARE(status, 1);
            const QJsonArray findings = QJsonDocument::fromJson(out).object()[QStringLiteral("findings")].toArray();
            QCOMPARE(findings.size(), english.findings.size());
            for (qsizetype i = 0; i < findings.size(); ++i) {
                const Finding& en = english.findings.at(i);
                const QJsonValue told = findings.at(i);
                QCOMPARE(told["problem"].toString() + told["effect"].toString() + told["fix"].toString(),
                         en.problem + en.effect + en.fix);
            }
        }
        QVERIFY(QFileInfo(pdf).size() > 0);

        // Fails until the Italian catalogue is filled in: the words, unlike the files, are Italian.
        for (qsizetype i = 0; i < english.findings.size(); ++i) {
            const Finding &en = english.findings.at(i), &it = italian.findings.at(i);
            QVERIFY2(it.problem != en.problem && it.effect != en.effect && it.fix != en.fix,
                     qPrintable(QStringLiteral("Italian catalogue not filled yet (expected to fail until then): %1 %2/%3 "
                                               "is told in English: %4")
                                    .arg(en.code, en.folder, en.file, it.problem)));
        }
    }

private:
    std::optional<Translations> m_english;
};

QTEST_MAIN(TestCheck)
#include "test_check.moc"
