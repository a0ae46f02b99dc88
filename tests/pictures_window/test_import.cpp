#include "support/MediaFolder.h"

#include "pictures/CollectionEditor.h"
#include "pictures/PictureName.h"
#include "pictures_window/CropFrameWidget.h"
#include "pictures_window/ImportPanel.h"
#include "pictures_window/ImportRow.h"
#include "pictures_window/PicturePrompts.h"
#include "pictures_window/VoiceButtons.h"
#include "platform/WaveWriter.h"
#include "platform/doubles/MicrophoneDoubles.h"
#include "platform/doubles/TestDoubles.h"
#include "speech/WaveCheck.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

// Gives the files and the picture the test chose, as the file dialogs would.
struct ScriptedPrompts final : IPicturePrompts {
    QStringList picturesToAdd(QWidget*) override { return toAdd; }
    QString pictureToUse(QWidget*) override { return toUse; }
    std::optional<NewCollection> newCollection(QWidget*) override { return std::nullopt; }
    std::optional<QString> personalCopy(QWidget*, const QString&) override { return std::nullopt; }
    std::optional<QString> renameTo(QWidget*, NamePart, const QString&) override { return std::nullopt; }
    QStringList toAdd;
    QString toUse;
};

// A picture in four coloured quarters: red, green / blue, yellow.
QImage quarters(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const int w = size.width() / 2, h = size.height() / 2;
    QPainter painter(&image);
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::yellow);
    return image;
}

// Three upright bands, red, green and blue, so that the centred square is the green one.
QImage bands(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int i = 0; i < 3; ++i)
        painter.fillRect(i * size.width() / 3, 0, size.width() / 3 + 1, size.height(), QColor::fromHsv(i * 120, 255, 255));
    return image;
}

QString write(const QImage& image, const QString& path)
{
    if (!image.save(path))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// The saved picture is of one colour throughout (within JPEG's error), at its corners and centre.
bool allOf(const QString& path, QColor colour)
{
    const QImage image(path);
    if (image.isNull())
        return false;
    const int w = image.width() - 1, h = image.height() - 1;
    for (const QPoint p : {QPoint(1, 1), QPoint(w - 1, 1), QPoint(1, h - 1), QPoint(w - 1, h - 1), QPoint(w / 2, h / 2)}) {
        const QColor seen = image.pixelColor(p);
        if (std::abs(seen.red() - colour.red()) > 40 || std::abs(seen.green() - colour.green()) > 40
            || std::abs(seen.blue() - colour.blue()) > 40)
            return false;
    }
    return true;
}

QStringList fileNames(const QStringList& paths)
{
    QStringList names;
    for (const QString& path : paths)
        names.append(QDir(QFileInfo(path).dir().dirName()).filePath(QFileInfo(path).fileName()));
    names.sort();
    return names;
}

// The panel on a collection holding cups and balls, shown as the Pictures window shows it.
struct Panel {
    Panel()
    {
        media.addPictures(QStringLiteral("Images"),
                          {QStringLiteral("cup.colour.red.jpg"), QStringLiteral("ball.shape.round.jpg")});
        media.addPictures(QStringLiteral("Symbols"), {QStringLiteral("cup.jpg"), QStringLiteral("ball.jpg")});
        media.addPictures(QStringLiteral("Attributes"), {QStringLiteral("colour.red.jpg"), QStringLiteral("colour.blue.jpg"),
                                                         QStringLiteral("shape.round.jpg")});
        panel.resize(900, 700);
        panel.show();
    }
    QString added(const QString& name) const { return QDir(photos.path()).filePath(name); }
    // The control a screen reader names so (its own accessible name, else its text), in the
    // `row`th row made.
    template <typename Control>
    Control* control(const QString& name, int row = 0) const
    {
        QList<Control*> found;
        for (Control* each : panel.findChildren<Control*>()) {
            const QString own = each->accessibleName();
            if ((own.isEmpty() ? QAccessible::queryAccessibleInterface(each)->text(QAccessible::Name) : own) == name)
                found.append(each);
        }
        return found.value(row);
    }
    int rowsShown() const { return static_cast<int>(panel.findChildren<ImportRow*>().size()); }
    void name(const QString& object, const QString& category, const QString& value, int row = 0) const
    {
        const QStringList parts{object, category, value};
        const QStringList fields{QStringLiteral("Object"), QStringLiteral("Category"), QStringLiteral("Value")};
        for (int i = 0; i < 3; ++i) {
            auto* field = control<QComboBox>(fields[i], row);
            field->lineEdit()->clear();
            QTest::keyClicks(field->lineEdit(), parts[i]);
        }
    }

    MediaFolder media;
    QTemporaryDir photos;
    CollectionEditor editor{media.path()};
    doubles::RecordingMessageBox box;
    ScriptedPrompts prompts;
    ImportPanel panel{editor, box, prompts};
};

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A row per readable picture, its fields suggesting the collection's names, the name they make
    // or what is wrong with it; an unreadable file is told and adds no row.
    void rowsSuggestAndName()
    {
        Panel p;
        p.prompts.toAdd = {write(quarters({40, 30}), p.added(QStringLiteral("IMG_0001.png"))),
                           p.added(QStringLiteral("broken.jpg"))};
        QFile broken(p.prompts.toAdd[1]);
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a picture") > 0);
        broken.close();
        QTest::mouseClick(p.control<QPushButton>(QStringLiteral("Add pictures...")), Qt::LeftButton);

        QTRY_COMPARE(p.box.shown.size(), 1);
        QCOMPARE(p.panel.rowCount(), 1);
        QVERIFY2(p.box.shown[0].contains(QStringLiteral("broken.jpg")), qPrintable(p.box.shown[0]));
        auto* object = p.control<QComboBox>(QStringLiteral("Object"));
        QCOMPARE(object->currentText(), QString());
        QVERIFY(object->findText(QStringLiteral("cup")) >= 0 && object->findText(QStringLiteral("ball")) >= 0);

        p.name(QStringLiteral("lemon"), QStringLiteral("colour"), QStringLiteral("yellow"));
        auto* value = p.control<QComboBox>(QStringLiteral("Value"));
        QCOMPARE(value->itemText(0), QStringLiteral("blue"));
        QCOMPARE(value->itemText(1), QStringLiteral("red"));
        QCOMPARE(value->itemText(2), QStringLiteral("round"));
        QCOMPARE(p.control<QLabel>(QStringLiteral("Name"))->text(), QStringLiteral("lemon.colour.yellow.jpg"));

        p.name(QStringLiteral("lemon"), QStringLiteral("colour"), QString());
        const QString problem = PictureName{QStringLiteral("lemon"), QStringLiteral("colour"), QString()}.problem();
        QVERIFY(!problem.isEmpty());
        QCOMPARE(p.control<QLabel>(QStringLiteral("Name"))->text(), problem);
        QVERIFY(!p.control<QPushButton>(QStringLiteral("Save"))->isEnabled());
    }

    // The keyboard moves and resizes the frame; "Save" writes the framed part (of a photo larger
    // than the saved pictures, so read at a reduced scale), and by default the symbol (a square of
    // the frame) and the card the set lacks, and the row goes.
    void keyboardFrameAndSave()
    {
        Panel p;
        const int side = 1800, step = side / 100;
        p.panel.addFiles({write(quarters({side, side}), p.added(QStringLiteral("lemon.png")))});
        QTRY_COMPARE(p.panel.rowCount(), 1);
        p.name(QStringLiteral("lemon"), QStringLiteral("colour"), QStringLiteral("yellow"));
        auto* frame = p.panel.findChild<CropFrameWidget*>();
        QCOMPARE(frame->accessibleName(), QStringLiteral("Crop frame"));
        const QRect centred = frame->frame().rect();
        QVERIFY((centred.center() - QPoint(side / 2, side / 2)).manhattanLength() <= 2);
        QCOMPARE(centred.width(), side);

        // The mouse: dragged from inside, the frame moves; dragged by a corner, it resizes.
        const double scale = std::min(frame->width(), frame->height()) / double(side);
        const auto onScreen = [&](QPoint pixel) {
            return (QPointF((frame->width() - side * scale) / 2, (frame->height() - side * scale) / 2) + QPointF(pixel) * scale)
                .toPoint();
        };
        QTest::mousePress(frame, Qt::LeftButton, {}, onScreen(centred.center()));
        QTest::mouseMove(frame, onScreen(centred.center()) + QPoint(0, 30));
        QTest::mouseRelease(frame, Qt::LeftButton, {}, onScreen(centred.center()) + QPoint(0, 30));
        QVERIFY(frame->frame().rect().top() > centred.top());
        QCOMPARE(frame->frame().rect().width(), side);
        const QPoint corner = onScreen(frame->frame().rect().bottomRight());
        QTest::mousePress(frame, Qt::LeftButton, {}, corner);
        QTest::mouseMove(frame, corner - QPoint(40, 0));
        QTest::mouseRelease(frame, Qt::LeftButton, {}, corner - QPoint(40, 0));
        QVERIFY(frame->frame().rect().width() < side);

        frame->setFocus();
        for (int i = 0; i < 30; ++i)
            QTest::keyClick(frame, Qt::Key_Minus);
        QVERIFY(frame->frame().rect().width() < side / 2);
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(frame, Qt::Key_Right, Qt::ShiftModifier);
            QTest::keyClick(frame, Qt::Key_Down, Qt::ShiftModifier);
        }
        const QRect moved = frame->frame().rect();
        QCOMPARE(moved.bottomRight(), QPoint(side - 1, side - 1));
        QTest::keyClick(frame, Qt::Key_Left);
        QCOMPARE(frame->frame().rect(), moved.translated(-step, 0));

        QSignalSpy saved(&p.panel, &ImportPanel::saved);
        QTest::mouseClick(p.control<QPushButton>(QStringLiteral("Save")), Qt::LeftButton);
        QCOMPARE(saved.size(), 1);
        const QStringList written = saved[0][0].toStringList();
        QCOMPARE(fileNames(written),
                 (QStringList{QStringLiteral("Attributes/colour.yellow.jpg"), QStringLiteral("Images/lemon.colour.yellow.jpg"),
                              QStringLiteral("Symbols/lemon.jpg")}));
        QVERIFY(p.box.shown.isEmpty());
        for (const QString& path : written) {
            if (!path.contains(QStringLiteral("Attributes")))
                QVERIFY2(allOf(path, Qt::yellow), qPrintable(path));
        }
        const QImage symbol(p.media.subFolder(QStringLiteral("Symbols")) + QStringLiteral("/lemon.jpg"));
        QCOMPARE(symbol.width(), symbol.height());
        QCOMPARE(p.panel.rowCount(), 0);
        QTRY_COMPARE(p.rowsShown(), 0);
    }

    // Offers show only for what is missing; "Choose a picture" takes the centred square of another
    // picture; a row whose symbol and card were just made by another offers them no more.
    void offersOnlyWhatIsMissing()
    {
        Panel p;
        const QString photo = write(quarters({200, 200}), p.added(QStringLiteral("photo.png")));
        p.prompts.toUse = write(bands({300, 100}), p.added(QStringLiteral("green.png")));
        p.panel.addFiles({photo, photo, photo});
        QTRY_COMPARE(p.panel.rowCount(), 3);
        p.name(QStringLiteral("cup"), QStringLiteral("colour"), QStringLiteral("red"), 0);
        for (const int row : {1, 2})
            p.name(QStringLiteral("lemon"), QStringLiteral("colour"), QStringLiteral("yellow"), row);
        const auto offered = [&](int row) {
            return p.control<QCheckBox>(QStringLiteral("Make the symbol from this photo"), row)->isVisibleTo(&p.panel);
        };
        const auto cardOffered = [&](int row) {
            return p.control<QCheckBox>(QStringLiteral("Make a card"), row)->isVisibleTo(&p.panel);
        };
        QVERIFY(!offered(0) && !cardOffered(0));
        QVERIFY(offered(1) && cardOffered(1) && offered(2) && cardOffered(2));

        QTest::mouseClick(p.control<QPushButton>(QStringLiteral("Choose a picture for the symbol"), 1), Qt::LeftButton);
        QTest::mouseClick(p.control<QPushButton>(QStringLiteral("Choose a picture for the attribute"), 1), Qt::LeftButton);
        QVERIFY(!p.control<QCheckBox>(QStringLiteral("Make the symbol from this photo"), 1)->isChecked());
        QSignalSpy saved(&p.panel, &ImportPanel::saved);
        QTest::mouseClick(p.control<QPushButton>(QStringLiteral("Save"), 1), Qt::LeftButton);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(fileNames(saved[0][0].toStringList()),
                 (QStringList{QStringLiteral("Attributes/colour.yellow.jpg"), QStringLiteral("Images/lemon.colour.yellow.jpg"),
                              QStringLiteral("Symbols/lemon.jpg")}));
        const QString folder = p.media.path();
        QVERIFY(allOf(folder + QStringLiteral("/Symbols/lemon.jpg"), Qt::green));
        QVERIFY(allOf(folder + QStringLiteral("/Attributes/colour.yellow.jpg"), Qt::green));
        QCOMPARE(p.panel.rowCount(), 2);
        QTRY_COMPARE(p.rowsShown(), 2);
        QVERIFY(!offered(1) && !cardOffered(1));
        QVERIFY(p.box.shown.isEmpty());
    }

    // A dropped folder gives its picture files, in name order; one without pictures is told.
    void droppingFolders()
    {
        Panel p;
        QDir photos(p.photos.path());
        photos.mkdir(QStringLiteral("phone"));
        photos.mkdir(QStringLiteral("empty"));
        write(quarters({20, 20}), photos.filePath(QStringLiteral("phone/b.JPG")));
        write(quarters({20, 20}), photos.filePath(QStringLiteral("phone/a.png")));
        QFile notes(photos.filePath(QStringLiteral("phone/notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();

        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(photos.filePath(QStringLiteral("phone"))),
                      QUrl::fromLocalFile(photos.filePath(QStringLiteral("empty")))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&p.panel, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&p.panel, &drop);

        QTRY_COMPARE(p.panel.rowCount(), 2);
        QCOMPARE(p.box.shown.size(), 1);
        QVERIFY(p.box.shown[0].contains(QStringLiteral("empty")));
        auto* first = p.control<ImportRow>(QStringLiteral("a.png"));
        auto* second = p.control<ImportRow>(QStringLiteral("b.JPG"));
        QVERIFY(first && second);
        QTRY_VERIFY(first->y() < second->y());
    }

    // Record and Stop write a wave file the sound player can play, Play plays it, Remove moves it
    // away; recording another object ends the one under way; a recording dropped half way leaves the
    // one before as it was; without a microphone "Record" says so.
    void voice()
    {
        MediaFolder media;
        media.addPicture(QStringLiteral("Images"), QStringLiteral("cup.colour.red.jpg"));
        const QString picture = media.subFolder(QStringLiteral("Images")) + QStringLiteral("/cup.colour.red.jpg");
        const QString recording = CollectionEditor::recordingPath(picture);
        doubles::RecordingMessageBox box;
        doubles::SilentMicrophone microphone;
        doubles::RecordingSoundPlayer sound;
        VoiceButtons buttons(box, microphone, sound, picture);
        buttons.show();
        QSignalSpy changed(&buttons, &VoiceButtons::changed);
        const auto button = [&](const QString& name) {
            for (auto* each : buttons.findChildren<QPushButton*>()) {
                if (each->accessibleName() == name)
                    return each;
            }
            return static_cast<QPushButton*>(nullptr);
        };
        QVERIFY(!button(QStringLiteral("Play"))->isEnabled() && !button(QStringLiteral("Remove"))->isEnabled());

        QTest::mouseClick(button(QStringLiteral("Record")), Qt::LeftButton);
        QCOMPARE(button(QStringLiteral("Stop"))->text(), QStringLiteral("Stop"));
        QVERIFY(!QFileInfo::exists(recording));
        QTest::mouseClick(button(QStringLiteral("Stop")), Qt::LeftButton);
        QCOMPARE(microphone.started, QStringList{recording});
        const WaveCheck check = WaveCheck::ofFile(recording);
        QVERIFY2(check.playable(), qPrintable(check.problem()));
        QCOMPARE(check.durationMs(), 100);

        QTest::mouseClick(button(QStringLiteral("Play")), Qt::LeftButton);
        QCOMPARE(sound.played, QStringList{recording});
        QTest::mouseClick(button(QStringLiteral("Remove")), Qt::LeftButton);
        QVERIFY(!QFileInfo::exists(recording));
        QVERIFY(!button(QStringLiteral("Play"))->isEnabled());
        QCOMPARE(changed.size(), 2);

        // Recording another object keeps the recording under way and ends it.
        media.addPicture(QStringLiteral("Images"), QStringLiteral("ball.shape.round.jpg"));
        VoiceButtons other(box, microphone, sound,
                           media.subFolder(QStringLiteral("Images")) + QStringLiteral("/ball.shape.round.jpg"));
        QTest::mouseClick(button(QStringLiteral("Record")), Qt::LeftButton);
        QTest::mouseClick(other.findChildren<QPushButton*>().value(0), Qt::LeftButton);
        QVERIFY(WaveCheck::ofFile(recording).playable());
        QCOMPARE(button(QStringLiteral("Record"))->text(), QStringLiteral("Record"));
        QCOMPARE(other.findChildren<QPushButton*>().value(0)->text(), QStringLiteral("Stop"));
        QVERIFY(box.shown.isEmpty());

        {
            WaveWriter dropped(recording, 22050, 1, 16);
            dropped.device().write(QByteArray(100, '\0'));
        }
        QCOMPARE(WaveCheck::ofFile(recording).durationMs(), 100);

        microphone.present = false;
        VoiceButtons without(box, microphone, sound, picture);
        auto* record = without.findChildren<QPushButton*>().value(0);
        QCOMPARE(record->text(), QStringLiteral("No microphone"));
        QVERIFY(!record->isEnabled());
        QVERIFY(record->accessibleDescription().contains(QStringLiteral("No microphone")));
    }
};

QTEST_MAIN(TestImport)
#include "test_import.moc"
