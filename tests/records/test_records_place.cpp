#include "platform/doubles/TestDoubles.h"
#include "records/RecordsError.h"
#include "records/RecordsPlace.h"
#include "records/RecordsPlaceBox.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <optional>

using namespace tessarine;

namespace {

// Keeps the server it is given and sends what waits, failing with `failure` when told to, after
// `sentBeforeFailure` sessions are sent.
struct FakePlace final : IRecordsPlace {
    QString server() override { return kept; }
    void setServer(const QString& connection) override
    {
        if (failure)
            throw *failure;
        kept = connection;
        settings.append(connection);
    }
    int unsentSessions() override { return unsent; }
    int sendNow() override
    {
        if (failure) {
            unsent -= sentBeforeFailure;
            throw *failure;
        }
        return std::exchange(unsent, 0);
    }
    QString kept;
    QStringList settings;
    int unsent = 0;
    int sentBeforeFailure = 0;
    std::optional<RuntimeError> failure;
};

const RuntimeError Unreachable(RecordsErrorNumber::CannotOpen, QStringLiteral("The school server cannot be reached"));

// The box as the user opens it over `place`.
struct Opened {
    explicit Opened(FakePlace& place)
        : box(place, messages)
    {
        box.show();
    }
    doubles::RecordingMessageBox messages;
    RecordsPlaceBox box;
    QSignalSpy placeChanged{&box, &RecordsPlaceBox::placeChanged};
    QSignalSpy recordsSent{&box, &RecordsPlaceBox::recordsSent};
};

void choose(QComboBox* combo, RecordsPlaceBox::Place place)
{
    combo->setFocus();
    QTest::keyClick(combo, place == RecordsPlaceBox::SchoolServer ? Qt::Key_Down : Qt::Key_Up);
}

void typeServer(QLineEdit* line, const QString& text)
{
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClicks(line, text);
}

} // namespace

class TestRecordsPlace : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choosesTheServerAndBack()
    {
        FakePlace place;
        Opened opened(place);
        RecordsPlaceBox& box = opened.box;
        QCOMPARE(box.cboPlace->currentText(), QStringLiteral("This computer"));
        QVERIFY(!box.txtServer->isEnabled() && !box.cmdUseServer->isEnabled());
        QVERIFY(!box.lblUnsent->isVisible() && !box.cmdSendNow->isVisible());
        // What a screen reader calls them; the combo is named by the label it has, the box's title.
        const auto nameOf = [](QWidget* control) {
            return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        };
        QCOMPARE((QStringList{nameOf(box.txtServer), nameOf(box.cmdUseServer), nameOf(box.cmdSendNow)}),
                 (QStringList{"Server", "Use this server", "Send now"}));
        const auto labels = QAccessible::queryAccessibleInterface(box.cboPlace)->relations(QAccessible::Label);
        QVERIFY(!labels.isEmpty() && labels.first().first->text(QAccessible::Name) == QStringLiteral("Records kept on"));

        // Choosing the server saves nothing until it is used; an empty one is refused with a word.
        choose(box.cboPlace, RecordsPlaceBox::SchoolServer);
        QVERIFY(box.txtServer->isEnabled() && box.cmdUseServer->isEnabled());
        QVERIFY(place.settings.isEmpty());
        typeServer(box.txtServer, QStringLiteral("   "));
        QTest::mouseClick(box.cmdUseServer, Qt::LeftButton);
        QCOMPARE(opened.messages.shown.size(), 1);
        QVERIFY2(opened.messages.shown[0].contains(QStringLiteral("connection string"))
                     && opened.messages.shown[0].contains(QStringLiteral("cmdUseServer_Click")),
                 qPrintable(opened.messages.shown[0]));
        QVERIFY(place.settings.isEmpty() && opened.placeChanged.isEmpty());

        typeServer(box.txtServer, QStringLiteral(" host=db.school dbname=tessarine user=teacher "));
        QTest::mouseClick(box.cmdUseServer, Qt::LeftButton);
        QCOMPARE(place.settings, QStringList{QStringLiteral("host=db.school dbname=tessarine user=teacher")});
        QCOMPARE(opened.placeChanged.size(), 1);

        // A place that cannot be left is reported, and the combo goes on saying where the records are.
        place.failure = Unreachable;
        choose(box.cboPlace, RecordsPlaceBox::ThisComputer);
        QCOMPARE(opened.messages.shown.size(), 2);
        QCOMPARE(box.cboPlace->currentIndex(), int(RecordsPlaceBox::SchoolServer));
        QVERIFY(box.cmdUseServer->isEnabled());
        QCOMPARE(opened.placeChanged.size(), 1);

        place.failure.reset();
        choose(box.cboPlace, RecordsPlaceBox::ThisComputer);
        QCOMPARE(place.settings.last(), QString());
        QCOMPARE(opened.placeChanged.size(), 2);
        QVERIFY(!box.txtServer->isEnabled());
        // Choosing this computer again changes nothing.
        choose(box.cboPlace, RecordsPlaceBox::ThisComputer);
        QCOMPARE(std::pair(place.settings.size(), opened.placeChanged.size()), std::pair(qsizetype(2), qsizetype(2)));
    }

    void sendsWhatWaits()
    {
        // Sessions wait, but there is no server to send them to yet.
        FakePlace place;
        place.unsent = 3;
        Opened opened(place);
        RecordsPlaceBox& box = opened.box;
        QVERIFY(box.lblUnsent->isVisible() && !box.cmdSendNow->isVisible());
        QVERIFY2(box.lblUnsent->text().startsWith(QStringLiteral("3 session"))
                     && box.lblUnsent->text().endsWith(QStringLiteral("wait to be sent to the school server.")),
                 qPrintable(box.lblUnsent->text()));
        choose(box.cboPlace, RecordsPlaceBox::SchoolServer);
        typeServer(box.txtServer, QStringLiteral("service=school"));
        QTest::keyClick(box.txtServer, Qt::Key_Return);
        QCOMPARE(place.kept, QStringLiteral("service=school"));
        QVERIFY(box.cmdSendNow->isVisible() && box.cmdSendNow->isEnabled());

        // The server fails after taking one: that one is shown as sent, the rest still wait.
        place.failure = Unreachable;
        place.sentBeforeFailure = 1;
        QTest::mouseClick(box.cmdSendNow, Qt::LeftButton);
        QCOMPARE(opened.messages.shown.size(), 1);
        QVERIFY2(opened.messages.shown[0].contains(QStringLiteral("cmdSendNow_Click")), qPrintable(opened.messages.shown[0]));
        QVERIFY(box.lblUnsent->text().startsWith(QStringLiteral("2 session")));
        QCOMPARE(opened.recordsSent.size(), 1);
        QCOMPARE(opened.recordsSent[0][0].toInt(), 1);
        // Failing before any is sent, the count stays and nothing is reloaded.
        place.sentBeforeFailure = 0;
        QTest::mouseClick(box.cmdSendNow, Qt::LeftButton);
        QCOMPARE(opened.messages.shown.size(), 2);
        QVERIFY(box.lblUnsent->text().startsWith(QStringLiteral("2 session")));
        QVERIFY(box.cmdSendNow->isVisible() && box.cmdSendNow->isEnabled());
        QCOMPARE(opened.recordsSent.size(), 1);

        place.failure.reset();
        QTest::mouseClick(box.cmdSendNow, Qt::LeftButton);
        QCOMPARE(opened.recordsSent.size(), 2);
        QCOMPARE(opened.recordsSent[1][0].toInt(), 2);
        QVERIFY(!box.lblUnsent->isVisible() && !box.cmdSendNow->isVisible());
        QCOMPARE(opened.messages.shown.size(), 2);
    }
};

QTEST_MAIN(TestRecordsPlace)
#include "test_records_place.moc"
