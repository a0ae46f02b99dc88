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
    // Only ".jpg" files in any letter case, in the listing's order, and at most a thousand: every
    // position from 1 to the count holds a name, so a draw can never land on an empty one, and each
    // picture beyond is reported once. An empty or missing folder leaves one empty name, silently.
    void foldersWithAndWithoutPictures()
    {
        MediaFolder folder;
        for (const char* name : {"cup.colour.red.jpg", "Pen.Colour.Blue.JPG", "box.size.big.Jpg", ".hidden.colour.red.jpg",
                                 "photo.colour.red.jpeg", "notes.txt"})
            folder.addFile(QStringLiteral("Images"), QString::fromLatin1(name), {});
        QDir(folder.subFolder(QStringLiteral("Images"))).mkdir(QStringLiteral("folder.colour.red.jpg"));
        for (int i = 0; i < 1003; ++i)
            folder.addFile(QStringLiteral("Attributes"), QStringLiteral("number.n%1.jpg").arg(i, 4, 10, QLatin1Char('0')), {});
        doubles::TestPlatform platform(folder.path());
        Module1 module(platform.messageBox, platform.random);

        CaricaImmagini(module, platform.listing, platform.program);
        CaricaSimboli(module, platform.listing, platform.program);
        CaricaAttributi(module, platform.listing, platform.program);

        QCOMPARE(listed(module.ElencoImmagini, module.NumImmagini),
                 QStringList({"Pen.Colour.Blue.JPG", "box.size.big.Jpg", "cup.colour.red.jpg"}));
        QCOMPARE(listed(module.ElencoSimboli, module.NumSimboli), QStringList{QString()});
        QCOMPARE(module.NumAttributi, 1000);
        QCOMPARE(module.ElencoAttributi[1000], QStringLiteral("number.n0999.jpg"));
        const QString report = QStringLiteral("Error \"Position out of range\" in CaricaAttributi() routine");
        QCOMPARE(platform.messageBox.shown, QStringList(3, report));

        doubles::TestPlatform nowhere(QStringLiteral("/nonexistent/program"));
        CaricaAttributi(module, nowhere.listing, nowhere.program);
        QCOMPARE(listed(module.ElencoAttributi, module.NumAttributi), QStringList{QString()});
        QCOMPARE(platform.messageBox.shown.size(), 3);

        // Names keep the listing's order; a folder that cannot be listed is reported, and its list
        // read again holds one empty name, whatever it held before.
        doubles::ScriptedListing listing;
        listing.names = {"b.jpg", "a.jpg", "c.jpg"};
        CaricaSimboli(module, listing, platform.program);
        QCOMPARE(listed(module.ElencoSimboli, module.NumSimboli), listing.names);
        listing.failFirst = true;
        CaricaSimboli(module, listing, platform.program);
        QCOMPARE(listed(module.ElencoSimboli, module.NumSimboli), QStringList{QString()});
        QCOMPARE(platform.messageBox.shown.sliced(3),
                 QStringList({"Error \"Folder cannot be read\" in CaricaSimboli() routine"}));
    }
};

QTEST_GUILESS_MAIN(TestMedia)
#include "test_media.moc"
