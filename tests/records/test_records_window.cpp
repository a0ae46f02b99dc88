#include "RecordsFixture.h"

#include "platform/doubles/TestDoubles.h"
#include "records/RecordsModel.h"
#include "records/RecordsPrompts.h"
#include "records/RecordsWindow.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
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

} // namespace

class TestRecordsWindow : public QObject {
    Q_OBJECT

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
