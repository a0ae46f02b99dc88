#include "support/MediaFolder.h"

#include "collections/Collections.h"
#include "pictures_window/ImportPanel.h"
#include "pictures_window/ObjectTableModel.h"
#include "pictures_window/PicturePrompts.h"
#include "pictures_window/PicturesWindow.h"
#include "pictures_window/ThumbnailCache.h"
#include "pictures_window/VoiceButtons.h"
#include "platform/doubles/MicrophoneDoubles.h"
#include "platform/doubles/TestDoubles.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

// Answers every question as the test says and remembers what was asked.
struct ScriptedPrompts final : IPicturePrompts {
    QStringList picturesToAdd(QWidget*) override { return {}; }
    QString pictureToUse(QWidget*) override { return {}; }
    std::optional<NewCollection> newCollection(QWidget*) override { return made; }
    std::optional<QString> personalCopy(QWidget*, const QString& suggested) override
    {
        asked.append(QStringLiteral("copy as %1").arg(suggested));
        return copyName;
    }
    std::optional<QString> renameTo(QWidget*, NamePart which, const QString& current) override
    {
        const char* const what[] = {"object", "category", "value"};
        asked.append(QStringLiteral("rename %1 %2").arg(QLatin1String(what[int(which)]), current));
        return newName;
    }
    std::optional<NewCollection> made;
    std::optional<QString> copyName;
    std::optional<QString> newName;
    QStringList asked;
};

// The Pictures window on a collection, shown, once its first check is in.
struct Opened {
    Opened(const QString& programFolder, const QString& folder)
        : window(box, sound, microphone, prompts, Collections(programFolder), folder)
    {
        window.show();
        settle();
    }
    void settle() { QTRY_VERIFY_WITH_TIMEOUT(!window.checking() && window.lblChecking->isHidden(), 20000); }
    QStringList files() const
    {
        QStringList names;
        for (qsizetype r = 0; r < window.objects().list().size(); ++r)
            names.append(window.objects().list().row(r).file);
        return names;
    }
    QString findings(const QString& file) const
    {
        const auto& list = window.objects().list();
        return list.indexOf(file) < 0 ? QStringLiteral("(no row)") : list.row(list.indexOf(file)).findings.join(u'\n');
    }
    void choose(const QString& file)
    {
        const int row = static_cast<int>(window.objects().list().indexOf(file));
        const QRect cell = window.tblObjects->visualRect(window.objects().index(row, ObjectTableModel::Name));
        QTest::mouseClick(window.tblObjects->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void rename(const QString& part)
    {
        for (QAction* action : window.cmdRename->menu()->actions())
            if (action->text() == part)
                action->trigger();
    }

    doubles::RecordingMessageBox box;
    doubles::RecordingSoundPlayer sound;
    doubles::SilentMicrophone microphone;
    ScriptedPrompts prompts;
    PicturesWindow window;
};

const QString NoCupSymbol = QStringLiteral("There is no symbol picture for \"cup\".");

} // namespace

class TestPicturesWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsFindingsAndFollowsRenameAndRemove()
    {
        MediaFolder media;
        media.addPictures(QStringLiteral("Images"), {"ball.colour.blue.jpg", "cup.colour.red.jpg", "hat.colour.red.jpg"});
        media.addPictures(QStringLiteral("Symbols"), {"ball.jpg", "hat.jpg"});
        media.addPictures(QStringLiteral("Attributes"), {"colour.blue.jpg", "colour.red.jpg"});
        Opened o(media.path(), media.path());
        QCOMPARE(o.files(), (QStringList{"ball.colour.blue.jpg", "cup.colour.red.jpg", "hat.colour.red.jpg"}));
        QVERIFY2(o.findings(QStringLiteral("cup.colour.red.jpg")).contains(NoCupSymbol),
                 qPrintable(o.findings("cup.colour.red.jpg")));
        QVERIFY(!o.findings(QStringLiteral("ball.colour.blue.jpg")).contains(QStringLiteral("no symbol")));
        // No sounds: told once for the whole collection, not against an object.
        QVERIFY(!o.window.lstCollectionFindings->findItems(QStringLiteral("Sounds"), Qt::MatchStartsWith).isEmpty());
        // The symbol's thumbnail arrives beside the object that has one; the row without shows none.
        const auto& model = o.window.objects();
        QTRY_COMPARE(model.data(model.index(0, ObjectTableModel::Symbol), Qt::DecorationRole).value<QImage>().size(),
                     QSize(8, 8));
        QCOMPARE(model.data(model.index(1, ObjectTableModel::Symbol), Qt::DisplayRole).toString(), QStringLiteral("No symbol"));

        // Every control is named for a screen reader; Tab walks the window in reading order, and the
        // arrow keys choose an object.
        for (QWidget* control : o.window.findChildren<QWidget*>())
            if (control->focusPolicy() != Qt::NoFocus && control->isVisible())
                QVERIFY2(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                         control->metaObject()->className());
        o.window.cmdNewCollection->setFocus();
        QStringList reached;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.append(QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name));
        }
        // "Play" and the recording's "Remove" wait for a recording.
        QCOMPARE(reached,
                 (QStringList{"Objects", "Rename", "Remove the picture", "Record", "Findings about the whole collection"}));
        o.window.tblObjects->setFocus();
        QTest::keyClick(o.window.tblObjects, Qt::Key_Down);
        QVERIFY2(o.window.lblDetails->text().contains(QStringLiteral("cup.colour.red.jpg")),
                 qPrintable(o.window.lblDetails->text()));

        // Renaming the cup to "hat" would take the hat's file: reported, and nothing changes.
        o.choose(QStringLiteral("cup.colour.red.jpg"));
        QVERIFY(o.window.lblDetails->text().contains(NoCupSymbol));
        o.prompts.newName = QStringLiteral("hat");
        o.rename(QStringLiteral("Object..."));
        o.settle();
        QCOMPARE(o.box.shown.size(), 1);
        QVERIFY2(o.box.shown[0].contains(QStringLiteral("cmdRename_Click")), qPrintable(o.box.shown[0]));
        QCOMPARE(o.files(), (QStringList{"ball.colour.blue.jpg", "cup.colour.red.jpg", "hat.colour.red.jpg"}));
        // Renamed "ball", it has the ball's symbol: the finding goes and the list follows.
        o.prompts.newName = QStringLiteral("ball");
        o.rename(QStringLiteral("Object..."));
        o.settle();
        QCOMPARE(o.prompts.asked, (QStringList{"rename object cup", "rename object cup"}));
        QCOMPARE(o.files(), (QStringList{"ball.colour.blue.jpg", "ball.colour.red.jpg", "hat.colour.red.jpg"}));
        QVERIFY(!o.findings(QStringLiteral("ball.colour.red.jpg")).contains(QStringLiteral("no symbol")));
        QVERIFY(o.window.lblDetails->text().contains(QStringLiteral("ball.colour.red.jpg")));

        // A recording under way goes on while the findings are brought up to date (here after the
        // panel of pictures being added saved some).
        QPushButton* record = nullptr;
        for (auto* b : o.window.findChild<VoiceButtons*>()->findChildren<QPushButton*>())
            if (b->accessibleName() == QStringLiteral("Record"))
                record = b;
        QVERIFY(record);
        QTest::mouseClick(record, Qt::LeftButton);
        QVERIFY(o.microphone.recording());
        Q_EMIT o.window.findChild<ImportPanel*>()->saved({});
        o.settle();
        QVERIFY(o.microphone.recording());
        QTest::mouseClick(record, Qt::LeftButton);
        QVERIFY(!o.microphone.recording());

        // "Remove" takes the chosen picture to the trash, and the list follows.
        QTest::mouseClick(o.window.cmdRemove, Qt::LeftButton);
        o.settle();
        QCOMPARE(o.files(), (QStringList{"ball.colour.blue.jpg", "hat.colour.red.jpg"}));
        QCOMPARE(o.box.shown.size(), 1);

        // "New collection" makes an empty one and shows it; the options window is told.
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        QSignalSpy changed(&o.window, &PicturesWindow::collectionChanged);
        o.prompts.made = IPicturePrompts::NewCollection{QStringLiteral("Class 3"), false};
        QTest::mouseClick(o.window.cmdNewCollection, Qt::LeftButton);
        o.settle();
        QCOMPARE(o.window.folder(), data.filePath(QStringLiteral("Corvaldi-Tessarine/collections/Class 3")));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(o.files(), QStringList());
        QCOMPARE(o.box.shown.size(), 1);
    }

    // Needs an ordinary user: root writes into any folder.
    void readOnlyProgramFolderLeadsToPersonalCopy()
    {
        MediaFolder program;
        program.addPictures(QStringLiteral("Images"), {"cup.colour.red.jpg"});
        program.addPictures(QStringLiteral("Symbols"), {"cup.jpg"});
        program.addPictures(QStringLiteral("Attributes"), {"colour.red.jpg"});
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther;
        for (const char* sub : {"Images", "Symbols", "Attributes", "Sounds", ""})
            QFile::setPermissions(program.subFolder(QString::fromLatin1(sub)), readOnly);
        // Writable again at the end, so that the temporary folder can go.
        const auto restore = qScopeGuard([&] {
            for (const char* sub : {"", "Images", "Symbols", "Attributes", "Sounds"})
                QFile::setPermissions(program.subFolder(QString::fromLatin1(sub)), readOnly | QFileDevice::WriteOwner);
        });
        if (Collections::isWritable(program.path()))
            QSKIP("run as an ordinary user: this user may write into read-only folders");

        Opened o(program.path(), program.path());
        QSignalSpy changed(&o.window, &PicturesWindow::collectionChanged);
        o.prompts.newName = QStringLiteral("blue");
        o.choose(QStringLiteral("cup.colour.red.jpg"));
        o.rename(QStringLiteral("Value..."));
        QCOMPARE(o.prompts.asked, QStringList{"copy as My pictures"});
        QCOMPARE(changed.count(), 0); // declined: nothing is copied, nothing renamed

        o.prompts.copyName = QStringLiteral("Class 2");
        o.rename(QStringLiteral("Value..."));
        o.settle();
        const QString copy = QDir(Collections::personalRoot()).filePath(QStringLiteral("Class 2"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), copy);
        QCOMPARE(o.window.folder(), copy);
        QCOMPARE(o.files(), QStringList{"cup.colour.blue.jpg"});
        QVERIFY(QFileInfo::exists(copy + QStringLiteral("/Attributes/colour.blue.jpg")));
        QVERIFY(QFileInfo::exists(program.subFolder(QStringLiteral("Images")) + QStringLiteral("/cup.colour.red.jpg")));
        QCOMPARE(o.box.shown, QStringList());
    }

    void thumbnailsKeptOnDiskUntilThePictureChanges()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("photo.jpg"));
        const QString disk = dir.filePath(QStringLiteral("cache"));
        const auto write = [&](QSize size) {
            QFile file(picture);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(jpegBytes(size));
        };
        const auto thumbnailOf = [&](ThumbnailCache& cache) {
            QSignalSpy ready(&cache, &ThumbnailCache::ready);
            if (cache.thumbnail(picture).isNull())
                [&] { QTRY_COMPARE(ready.count(), 1); }();
            return cache.thumbnail(picture);
        };
        write({800, 600});
        {
            ThumbnailCache first(disk);
            QCOMPARE(thumbnailOf(first).size(), QSize(160, 120));
            QCOMPARE(first.decoded(), 1);
        }
        QCOMPARE(QDir(disk).entryList(QDir::Files).size(), 1);
        ThumbnailCache again(disk);
        QCOMPARE(thumbnailOf(again).size(), QSize(160, 120));
        QCOMPARE(again.decoded(), 0); // taken from the disk

        write({600, 800});
        QCOMPARE(thumbnailOf(again).size(), QSize(120, 160));
        QCOMPARE(again.decoded(), 1);

        qputenv("XDG_CACHE_HOME", dir.path().toUtf8());
        QCOMPARE(ThumbnailCache::defaultFolder(), dir.filePath(QStringLiteral("Corvaldi-Tessarine/thumbnails")));
        qunsetenv("XDG_CACHE_HOME");
        QCOMPARE(ThumbnailCache::defaultFolder(), QDir::home().filePath(QStringLiteral(".cache/Corvaldi-Tessarine/thumbnails")));
    }
};

QTEST_MAIN(TestPicturesWindow)
#include "test_pictures_window.moc"
