#include "core/Module1.h"
#include "media/MediaCatalogue.h"
#include "platform/doubles/TestDoubles.h"
#include "support/MediaFolder.h"

#include <QDir>
#include <QtTest>

using namespace tessarine;
using testing::MediaFolder;

namespace {

QStringList listed(const NameTable& names, int count)
{
    QStringList result;
    for (int i = 1; i <= count; ++i)
        result << names[i];
    return result;
}

} // namespace

class TestMedia : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void foldersWithAndWithoutPictures()
    {
        MediaFolder folder;
        folder.addFile(QStringLiteral("Images"), QStringLiteral("cup.colour.red.jpg"), {});
        folder.addFile(QStringLiteral("Images"), QStringLiteral("Pen.Colour.Blue.JPG"), {});
        folder.addFile(QStringLiteral("Images"), QStringLiteral("box.size.big.Jpg"), {});
        folder.addFile(QStringLiteral("Images"), QStringLiteral(".hidden.colour.red.jpg"), {});
        folder.addFile(QStringLiteral("Images"), QStringLiteral("photo.colour.red.jpeg"), {});
        folder.addFile(QStringLiteral("Images"), QStringLiteral("notes.txt"), {});
        QDir(folder.subFolder(QStringLiteral("Images"))).mkdir(QStringLiteral("folder.colour.red.jpg"));
        folder.addFile(QStringLiteral("Symbols"), QStringLiteral("cup.jpg"), {});
        // "Attributes" stays empty; "Symbols" gets one file.
        doubles::TestPlatform platform(folder.path());
        Module1 module(platform.messageBox, platform.random);

        CaricaImmagini(module, platform.listing, platform.program);
        CaricaSimboli(module, platform.listing, platform.program);
        CaricaAttributi(module, platform.listing, platform.program);

        QCOMPARE(module.NumImmagini, 3);
        QCOMPARE(listed(module.ElencoImmagini, 3),
                 QStringList({"Pen.Colour.Blue.JPG", "box.size.big.Jpg", "cup.colour.red.jpg"}));
        QCOMPARE(module.NumSimboli, 1);
        QCOMPARE(module.ElencoSimboli[1], QStringLiteral("cup.jpg"));
        // An empty folder leaves one empty name.
        QCOMPARE(module.NumAttributi, 1);
        QCOMPARE(module.ElencoAttributi[1], QString());
        for (const NameTable* names : {&module.ElencoImmagini, &module.ElencoSimboli, &module.ElencoAttributi})
            QCOMPARE((*names)[0], QString());
        QVERIFY(platform.messageBox.shown.isEmpty());
        QCOMPARE(platform.program.folder, folder.path());
    }

    void missingFolderIsAnEmptyList()
    {
        doubles::TestPlatform platform(QStringLiteral("/nonexistent/program"));
        Module1 module(platform.messageBox, platform.random);
        CaricaImmagini(module, platform.listing, platform.program);
        QCOMPARE(module.NumImmagini, 1);
        QCOMPARE(module.ElencoImmagini[1], QString());
        QVERIFY(platform.messageBox.shown.isEmpty());
    }

    void listingThatCannotStartIsReported()
    {
        doubles::TestPlatform platform(QStringLiteral("/program"));
        doubles::ScriptedListing listing;
        listing.failFirst = true;
        Module1 module(platform.messageBox, platform.random);
        CaricaSimboli(module, listing, platform.program);
        QCOMPARE(listing.patterns, QStringList({"/program/Symbols/*.jpg"}));
        QCOMPARE(module.NumSimboli, 1);
        QCOMPARE(module.ElencoSimboli[1], QString());
        QCOMPARE(platform.messageBox.shown, QStringList({"Error \"Folder cannot be read\" in CaricaSimboli() routine"}));

        // Names stay in the order the listing gives them; a reload overwrites from position 1.
        listing.failFirst = false;
        listing.names = {"b.jpg", "a.jpg", "c.jpg"};
        CaricaSimboli(module, listing, platform.program);
        QCOMPARE(listed(module.ElencoSimboli, module.NumSimboli), listing.names);
        listing.names = {"z.jpg"};
        CaricaSimboli(module, listing, platform.program);
        QCOMPARE(module.NumSimboli, 1);
        QCOMPARE(module.ElencoSimboli[1], QStringLiteral("z.jpg"));
        QCOMPARE(module.ElencoSimboli[2], QStringLiteral("a.jpg"));
    }

    void thousandPicturesAtMost_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<int>("reports");
        QTest::newRow("exactly 1000") << 1000 << 0;
        QTest::newRow("1001") << 1001 << 1;
        QTest::newRow("1003") << 1003 << 3;
    }
    void thousandPicturesAtMost()
    {
        QFETCH(int, files);
        QFETCH(int, reports);
        MediaFolder folder;
        for (int i = 0; i < files; ++i)
            folder.addFile(QStringLiteral("Attributes"), QStringLiteral("number.n%1.jpg").arg(i, 4, 10, QLatin1Char('0')), {});
        doubles::TestPlatform platform(folder.path());
        Module1 module(platform.messageBox, platform.random);

        CaricaAttributi(module, platform.listing, platform.program);

        // Every position from 1 to the count holds a name, so a draw can never land on an empty one.
        QCOMPARE(module.NumAttributi, 1000);
        QCOMPARE(module.ElencoAttributi[1], QStringLiteral("number.n0000.jpg"));
        QCOMPARE(module.ElencoAttributi[1000], QStringLiteral("number.n0999.jpg"));
        QCOMPARE(module.ElencoAttributi[0], QString());
        const QString report = QStringLiteral("Error \"Position out of range\" in CaricaAttributi() routine");
        QCOMPARE(platform.messageBox.shown, QStringList(reports, report));
    }
};

QTEST_GUILESS_MAIN(TestMedia)
#include "test_media.moc"
