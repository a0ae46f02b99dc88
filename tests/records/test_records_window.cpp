#include "RecordsFixture.h"

#include "platform/doubles/TestDoubles.h"
#include "records/RecordsModel.h"
#include "records/RecordsPrompts.h"
#include "records/RecordsWindow.h"
#include "translations/Translations.h"

#include <QAccessible>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

// Says yes to every question and gives `path` (empty for a cancelled dialog) for every file.
struct ScriptedPrompts final : IRecordsPrompts {
    bool confirm(const QString&) override { return true; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return path; }
    QString path;
};

// A learner's Records window as the user opens it.
template <typename Prompts = ScriptedPrompts>
struct Opened {
    Opened(RecordsStore& store, const QString& learner)
        : model(store, learner)
    {
        window.show();
    }
    doubles::RecordingMessageBox box;
    Prompts prompts;
    RecordsModel model;
    RecordsWindow window{model, prompts, box};
};

QStringList rowTexts(const QTableWidget* table, int row)
{
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c)
        texts.append(table->item(row, c) ? table->item(row, c)->text() : QString());
    return texts;
}

// The numbers under the chart as the user sees them, left to right, each with its box in the
// chart's coordinates; labels hidden for want of room are not seen.
QList<QPair<QString, QRectF>> sessionLabels(QChart* chart)
{
    const QString title = chart->axes(Qt::Horizontal).value(0)->titleText();
    QList<QPair<QString, QRectF>> labels;
    for (QGraphicsItem* item : chart->scene()->items()) {
        auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item);
        if (!text || !text->isVisible() || text->toPlainText() == title)
            continue;
        const QRectF box = chart->mapRectFromScene(text->sceneBoundingRect());
        if (box.top() >= chart->plotArea().bottom())
            labels.append({text->toPlainText(), box});
    }
    std::sort(labels.begin(), labels.end(), [](const auto& a, const auto& b) { return a.second.left() < b.second.left(); });
    return labels;
}

const std::pair<const char*, int> ChartLearners[] = {{"One", 1}, {"Six", 6}, {"Forty", 40}, {"Many", 300}};

} // namespace

class TestRecordsWindow : public QObject {
    Q_OBJECT

    const QString MarkupName = QStringLiteral("<b>Ann</b> & <i>Bo</i>");
    QTemporaryDir m_dir;
    std::unique_ptr<RecordsStore> m_store;
    // The English plural forms ("1 session").
    std::unique_ptr<Translations> m_english;

private Q_SLOTS:
    void initTestCase()
    {
        m_english = std::make_unique<Translations>(QLocale(QLocale::English));
        m_store = std::make_unique<RecordsStore>(m_dir.filePath(QStringLiteral("records.sqlite")));
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(m_store->filePath(), box);
        for (int day = 0; day < 3; ++day) {
            recordSession(r, QStringLiteral("Gil"), QStringLiteral("cup.colour.red.jpg"), 10, 9);
            recordSession(r, QStringLiteral("Gil"), QStringLiteral("ball.colour.blue.jpg"), 10, 8);
        }
        for (int day = 0; day < 120; ++day)
            recordSession(r, QStringLiteral("Hana"), QStringLiteral("cup.colour.red.jpg"), 1, 1);
        for (const auto& [learner, sessions] : ChartLearners)
            for (int day = 0; day < sessions; ++day)
                recordSession(r, QString::fromLatin1(learner), QStringLiteral("cup.colour.red.jpg"), 1, day % 2);
        recordSession(r, MarkupName, QStringLiteral("cup.colour.red.jpg"), 1, 1);
        m_store->open();
    }

    void showsJudgesExportsAndDeletes()
    {
        Opened gil(*m_store, QStringLiteral("Gil"));
        RecordsWindow& window = gil.window;
        QCOMPARE(window.tblSessions->rowCount(), 6);
        // Each session says where and by whom it was recorded.
        QCOMPARE(rowTexts(window.tblSessions, 0).mid(1),
                 (QStringList{"10", "90 %", "90 %", "0.8 s", "18 of 20", "-", SessionOrigin::here().computer,
                              SessionOrigin::here().desktopUser}));
        QCOMPARE(rowTexts(window.tblTargets, 1), (QStringList{"CUP", "Symbol", "30", "90 %", "Yes"}));
        QCOMPARE(rowTexts(window.tblTargets, 0).last(), QStringLiteral("No"));
        QVERIFY(window.lblPromptNote->isVisible() && window.lblPromptNote->text().startsWith(QStringLiteral("Mastery")));
        const auto series = window.chartView->chart()->series();
        QCOMPARE(series.size(), 5);
        QCOMPARE(static_cast<QLineSeries*>(series[0])->at(1), QPointF(2, 80));
        // Without prompts every first try is an independent one, and the prompted line has no point.
        QCOMPARE(std::tuple(series[3]->name(), static_cast<QLineSeries*>(series[3])->at(1)),
                 std::tuple(QStringLiteral("Independent right"), QPointF(2, 80)));
        QCOMPARE(std::tuple(series[4]->name(), static_cast<QLineSeries*>(series[4])->count()),
                 std::tuple(QStringLiteral("Prompted right"), 0));

        // At 80 % the ball is mastered too, and the mastery line moves; the rule is kept with Gil's records only.
        window.spnPercent->selectAll();
        QTest::keyClicks(window.spnPercent, QStringLiteral("80"));
        QTest::keyClick(window.spnPercent, Qt::Key_Enter);
        QCOMPARE(rowTexts(window.tblTargets, 0).last(), QStringLiteral("Yes"));
        QCOMPARE(static_cast<QLineSeries*>(window.chartView->chart()->series()[2])->at(0).y(), 80.0);
        QCOMPARE(m_store->masteryRule(QStringLiteral("Gil")), MasteryRule(80, 3, 5));
        QCOMPARE(m_store->masteryRule(QStringLiteral("Hana")), MasteryRule());

        gil.prompts.path = m_dir.filePath(QStringLiteral("gil.csv"));
        QTest::mouseClick(window.cmdExportCsv, Qt::LeftButton);
        QFile csv(gil.prompts.path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        // The header, then a line per click: two a set, and two more for each set first answered wrong.
        QCOMPARE(csv.readAll().count("\r\n"), 1 + 3 * (10 * 2 + 1 * 2) + 3 * (10 * 2 + 2 * 2));
        // A cancelled dialog writes and says nothing; a folder that is not there is reported.
        gil.prompts.path.clear();
        QTest::mouseClick(window.cmdExportCsv, Qt::LeftButton);
        gil.prompts.path = m_dir.filePath(QStringLiteral("missing/folder/gil.csv"));
        QTest::mouseClick(window.cmdExportCsv, Qt::LeftButton);
        QCOMPARE(gil.box.shown.size(), 1);
        QVERIFY2(gil.box.shown.first().contains(QStringLiteral("cannot be written")), qPrintable(gil.box.shown.first()));

        QTest::mouseClick(window.cmdDeleteLearner, Qt::LeftButton);
        QVERIFY(!m_store->hasLearner(QStringLiteral("Gil")));
        QVERIFY(!window.isVisible());
    }

    // Every number under the chart is a whole session number standing under that session's
    // points, the first session always among them; many sessions get fewer labels, never crowded.
    void chartLabelsStandUnderTheirSessions_data()
    {
        QTest::addColumn<int>("sessions");
        for (const auto& [learner, sessions] : ChartLearners)
            QTest::newRow(learner) << sessions;
    }
    void chartLabelsStandUnderTheirSessions()
    {
        QFETCH(int, sessions);
        Opened learner(*m_store, QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(QTest::qWaitForWindowExposed(&learner.window));
        QChart* chart = learner.window.chartView->chart();
        QTRY_VERIFY(!sessionLabels(chart).isEmpty());
        const auto labels = sessionLabels(chart);
        QStringList shown;
        for (qsizetype i = 0; i < labels.size(); ++i) {
            const auto& [text, where] = labels[i];
            shown.append(text);
            const int session = text.toInt();
            QVERIFY2(QString::number(session) == text && session >= 1 && session <= sessions, qPrintable(text));
            QVERIFY2(std::abs(where.center().x() - chart->mapToPosition(QPointF(session, 50), chart->series()[0]).x()) < 1.5,
                     qPrintable(text + " is not under its session"));
            QVERIFY2(i == 0 || labels[i - 1].second.right() <= where.left(), qPrintable(text + " runs into the one before"));
        }
        QCOMPARE(shown.value(0), QStringLiteral("1"));
        QVERIFY2(sessions <= 6 ? shown.size() == sessions : shown.size() >= 4 && shown.size() <= 10,
                 qPrintable(shown.join(u' ')));
    }

    // A name is shown as it was typed, in the window and in the question before deleting.
    void namesAreShownAsTyped()
    {
        Opened<QtRecordsPrompts> markup(*m_store, MarkupName);
        // What a screen reader, and the eye, get: markup shows as what it makes.
        const auto seen = [](QLabel* label) { return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name); };
        QCOMPARE(seen(markup.window.lblLearner), "Learner: " + MarkupName);
        QStringList asked;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                for (QLabel* label : question->findChildren<QLabel*>())
                    asked.append(seen(label));
                QTest::keyClick(question, Qt::Key_Return); // the default answer, "No"
            }
        });
        answer.start(20);
        QTest::mouseClick(markup.window.cmdDeleteLearner, Qt::LeftButton);
        answer.stop();
        QVERIFY2(asked.contains("Delete " + MarkupName + " and all of their records? This cannot be undone."),
                 qPrintable(asked.join(u'|')));
        QVERIFY(m_store->hasLearner(MarkupName));
    }

    // In Italian the tables and the report write dates and decimals the Italian way; the CSV stays
    // byte for byte the one written in English, for the programs that read it.
    void datesAndNumbersFollowTheLanguageButNotInTheCsv()
    {
        // Hana's first session, after Gil's six.
        const QDateTime started = QDateTime(QDate(2026, 3, 8), QTime(9, 30), Qt::UTC).toLocalTime();
        const auto exported = [this](Opened<>& learner, const QString& name) {
            learner.prompts.path = m_dir.filePath(name);
            QTest::mouseClick(learner.window.cmdExportCsv, Qt::LeftButton);
            QFile csv(learner.prompts.path);
            return csv.open(QIODevice::ReadOnly) ? csv.readAll() : QByteArray();
        };
        QByteArray english;
        {
            Opened hana(*m_store, QStringLiteral("Hana"));
            QCOMPARE(rowTexts(hana.window.tblSessions, 0).mid(0, 5),
                     (QStringList{started.toString(QStringLiteral("yyyy-MM-dd HH:mm")), "1", "100 %", "100 %", "0.8 s"}));
            english = exported(hana, QStringLiteral("hana-en.csv"));
            QCOMPARE(RecordsModel(*m_store, QStringLiteral("One")).summaryText(started),
                     "1 session, printed " + started.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        }
        QVERIFY(english.contains(started.toString(Qt::ISODate).toLatin1()));

        const QLocale before;
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        Opened hana(*m_store, QStringLiteral("Hana"));
        QCOMPARE(rowTexts(hana.window.tblSessions, 0).mid(0, 5),
                 (QStringList{started.toString(QStringLiteral("dd/MM/yy HH:mm")), "1", "100 %", "100 %", "0,8 s"}));
        QCOMPARE(hana.model.summaryText(started), "120 sessions, printed " + started.toString(QStringLiteral("dd/MM/yy HH:mm")));
        QCOMPARE(exported(hana, QStringLiteral("hana-it.csv")), english);
    }

    void reportPrintsChartSessionsOnMorePagesAndTargets()
    {
        Opened hana(*m_store, QStringLiteral("Hana"));
        hana.prompts.path = m_dir.filePath(QStringLiteral("hana.pdf"));
        QTest::mouseClick(hana.window.cmdReportPdf, Qt::LeftButton);
        QFile pdf(hana.prompts.path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        // The chart, 120 sessions on three pages, the targets.
        QCOMPARE(QString::fromLatin1(pdf.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 5);
    }
};

QTEST_MAIN(TestRecordsWindow)
#include "test_records_window.moc"
