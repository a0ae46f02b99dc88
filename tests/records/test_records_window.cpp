#include "RecordsFixture.h"

#include "platform/doubles/TestDoubles.h"
#include "records/RecordsModel.h"
#include "records/RecordsPrompts.h"
#include "records/RecordsWindow.h"

#include <QAccessible>
#include <QChart>
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

// Answers the window's questions in the user's stead: `answer` to every confirmation, `path` (empty
// for a cancelled dialog) for every file.
struct ScriptedPrompts final : IRecordsPrompts {
    bool confirm(const QString& question) override
    {
        asked.append(question);
        return answer;
    }
    QString saveFileName(const QString&, const QString&, const QString&) override { return path; }
    bool answer = false;
    QString path;
    QStringList asked;
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

// What a screen reader, and the eye, get of the labels in `widget`: markup shows as what it makes.
QStringList labelTexts(QWidget* widget)
{
    QStringList texts;
    for (QLabel* label : widget->findChildren<QLabel*>())
        texts.append(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name));
    return texts;
}

} // namespace

class TestRecordsWindow : public QObject {
    Q_OBJECT

    const QString MarkupName = QStringLiteral("<b>Ann</b> & <i>Bo</i>");
    QTemporaryDir m_dir;
    std::unique_ptr<RecordsStore> m_store;

private Q_SLOTS:
    void initTestCase()
    {
        m_store = std::make_unique<RecordsStore>(m_dir.filePath(QStringLiteral("records.sqlite")));
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(m_store->filePath(), box);
        for (int day = 0; day < 3; ++day) {
            recordSession(r, QStringLiteral("Gil"), QStringLiteral("cup.colour.red.jpg"), 10, 9);
            recordSession(r, QStringLiteral("Gil"), QStringLiteral("ball.colour.blue.jpg"), 10, 8);
        }
        for (int day = 0; day < 120; ++day)
            recordSession(r, QStringLiteral("Hana"), QStringLiteral("cup.colour.red.jpg"), 1, 1);
        for (const auto& [learner, sessions] : {std::pair{"One", 1}, {"Six", 6}, {"Forty", 40}, {"Many", 300}}) {
            for (int day = 0; day < sessions; ++day)
                recordSession(r, QString::fromLatin1(learner), QStringLiteral("cup.colour.red.jpg"), 1, day % 2);
        }
        recordSession(r, MarkupName, QStringLiteral("cup.colour.red.jpg"), 1, 1);
        m_store->open();
    }

    void showsJudgesExportsAndDeletes()
    {
        doubles::RecordingMessageBox box;
        ScriptedPrompts prompts;
        RecordsModel model(*m_store, QStringLiteral("Gil"));
        RecordsWindow window(model, prompts, box);
        window.show();
        QCOMPARE(window.tblSessions->rowCount(), 6);
        QCOMPARE(rowTexts(window.tblSessions, 0).mid(1), (QStringList{"10", "90 %", "90 %", "0.8 s"}));
        QCOMPARE(rowTexts(window.tblTargets, 1), (QStringList{"CUP", "Symbol", "30", "90 %", "Yes"}));
        QCOMPARE(rowTexts(window.tblTargets, 0).last(), QStringLiteral("No"));
        const auto series = window.chartView->chart()->series();
        QCOMPARE(series.size(), 3);
        QCOMPARE(static_cast<QLineSeries*>(series[0])->at(1), QPointF(2, 80));

        // At 80 % the ball is mastered too, and the mastery line moves; the rule is kept with Gil's
        // records only.
        window.spnPercent->selectAll();
        QTest::keyClicks(window.spnPercent, QStringLiteral("80"));
        QTest::keyClick(window.spnPercent, Qt::Key_Enter);
        QCOMPARE(rowTexts(window.tblTargets, 0).last(), QStringLiteral("Yes"));
        QCOMPARE(static_cast<QLineSeries*>(window.chartView->chart()->series()[2])->at(0).y(), 80.0);
        QCOMPARE(m_store->masteryRule(QStringLiteral("Gil")), MasteryRule(80, 3, 5));
        QCOMPARE(m_store->masteryRule(QStringLiteral("Hana")), MasteryRule());

        prompts.path = m_dir.filePath(QStringLiteral("gil.csv"));
        QTest::mouseClick(window.cmdExportCsv, Qt::LeftButton);
        QFile csv(prompts.path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        // The header, then a line per click: two a set, and two more for each set first answered wrong.
        QCOMPARE(csv.readAll().count("\r\n"), 1 + 3 * (10 * 2 + 1 * 2) + 3 * (10 * 2 + 2 * 2));
        // A cancelled dialog writes and says nothing; a folder that is not there is reported.
        prompts.path.clear();
        QTest::mouseClick(window.cmdExportCsv, Qt::LeftButton);
        prompts.path = m_dir.filePath(QStringLiteral("missing/folder/gil.csv"));
        QTest::mouseClick(window.cmdExportCsv, Qt::LeftButton);
        QCOMPARE(box.shown.size(), 1);
        QVERIFY2(box.shown.first().contains(QStringLiteral("cannot be written")), qPrintable(box.shown.first()));

        // Deleting asks first, and a "no" keeps everything.
        QTest::mouseClick(window.cmdDeleteLearner, Qt::LeftButton);
        QVERIFY(prompts.asked.value(0).contains(QStringLiteral("Gil")));
        QVERIFY(m_store->hasLearner(QStringLiteral("Gil")));
        prompts.answer = true;
        QTest::mouseClick(window.cmdDeleteLearner, Qt::LeftButton);
        QVERIFY(!m_store->hasLearner(QStringLiteral("Gil")));
        QVERIFY(!window.isVisible());
    }

    // Every number under the chart is a whole session number standing under that session's
    // points, the first session always among them; many sessions get fewer labels, never crowded.
    void chartLabelsStandUnderTheirSessions_data()
    {
        QTest::addColumn<QString>("learner");
        QTest::addColumn<int>("sessions");
        QTest::newRow("one") << "One" << 1;
        QTest::newRow("six") << "Six" << 6;
        QTest::newRow("forty") << "Forty" << 40;
        QTest::newRow("three hundred") << "Many" << 300;
    }
    void chartLabelsStandUnderTheirSessions()
    {
        QFETCH(QString, learner);
        QFETCH(int, sessions);
        doubles::RecordingMessageBox box;
        ScriptedPrompts prompts;
        RecordsModel model(*m_store, learner);
        RecordsWindow window(model, prompts, box);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QChart* chart = window.chartView->chart();
        QTRY_VERIFY(!sessionLabels(chart).isEmpty());
        const auto labels = sessionLabels(chart);
        auto* symbols = chart->series().value(0);
        QStringList shown;
        for (qsizetype i = 0; i < labels.size(); ++i) {
            const auto& [text, where] = labels[i];
            shown.append(text);
            bool whole = false;
            const int session = text.toInt(&whole);
            QVERIFY2(whole && session >= 1 && session <= sessions, qPrintable(text));
            QVERIFY2(std::abs(where.center().x() - chart->mapToPosition(QPointF(session, 50), symbols).x()) < 1.5,
                     qPrintable(QStringLiteral("%1 is not under session %1").arg(text)));
            if (i > 0)
                QVERIFY2(labels[i - 1].second.right() <= where.left(), qPrintable(labels[i - 1].first + " runs into " + text));
        }
        QCOMPARE(shown.value(0), QStringLiteral("1"));
        if (sessions <= 6)
            QCOMPARE(int(shown.size()), sessions);
        else
            QVERIFY2(shown.size() >= 4 && shown.size() <= 10, qPrintable(shown.join(u' ')));
    }

    // A name is shown as it was typed, in the window and in the question before deleting.
    void namesAreShownAsTyped()
    {
        doubles::RecordingMessageBox box;
        QtRecordsPrompts prompts;
        RecordsModel model(*m_store, MarkupName);
        RecordsWindow window(model, prompts, box);
        window.show();
        QCOMPARE(QAccessible::queryAccessibleInterface(window.lblLearner)->text(QAccessible::Name), "Learner: " + MarkupName);

        QStringList asked;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = labelTexts(question);
                // Enter takes the default answer, "No".
                QTest::keyClick(question, Qt::Key_Return);
            }
        });
        answer.start(20);
        QTest::mouseClick(window.cmdDeleteLearner, Qt::LeftButton);
        answer.stop();
        QVERIFY2(asked.contains("Delete " + MarkupName + " and all of their records? This cannot be undone."),
                 qPrintable(asked.join(u'|')));
        QVERIFY(m_store->hasLearner(MarkupName));
    }

    void reportPrintsChartSessionsOnMorePagesAndTargets()
    {
        doubles::RecordingMessageBox box;
        ScriptedPrompts prompts;
        RecordsModel model(*m_store, QStringLiteral("Hana"));
        RecordsWindow window(model, prompts, box);
        window.show();
        prompts.path = m_dir.filePath(QStringLiteral("hana.pdf"));
        QTest::mouseClick(window.cmdReportPdf, Qt::LeftButton);
        QFile pdf(prompts.path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        // The chart, 120 sessions on three pages, the targets.
        QCOMPARE(QString::fromLatin1(pdf.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 5);
    }
};

QTEST_MAIN(TestRecordsWindow)
#include "test_records_window.moc"
