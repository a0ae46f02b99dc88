#include "RecordsFixture.h"

#include "platform/doubles/TestDoubles.h"
#include "records/RecordsModel.h"
#include "records/RecordsPrompts.h"
#include "records/RecordsWindow.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessarine;
using namespace tessarine::testing;

namespace {

class ScriptedPrompts final : public IRecordsPrompts {
public:
    bool confirm(const QString& question) override
    {
        asked.append(question);
        return answer;
    }
    QString saveFileName(const QString& caption, const QString&, const QString&) override
    {
        asked.append(caption);
        return path;
    }
    bool answer = false;
    QString path;
    QStringList asked;
};

int pdfPages(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

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
    doubles::RecordingMessageBox m_box;
    ScriptedPrompts m_prompts;
    std::unique_ptr<RecordsStore> m_store;
    std::unique_ptr<RecordsModel> m_model;
    std::unique_ptr<RecordsWindow> m_window;

    QString file() const { return m_dir.filePath(QStringLiteral("records.sqlite")); }

    void open(const QString& learner)
    {
        m_model = std::make_unique<RecordsModel>(*m_store, learner);
        m_model->reload();
        m_window = std::make_unique<RecordsWindow>(*m_model, m_prompts, m_box);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

private Q_SLOTS:
    void initTestCase()
    {
        doubles::RecordingMessageBox box;
        ScriptedRecorder r(file(), box);
        for (int day = 0; day < 3; ++day) {
            recordSession(r, QStringLiteral("Gil"), QStringLiteral("cup.colour.red.jpg"), 10, 9);
            recordSession(r, QStringLiteral("Gil"), QStringLiteral("ball.colour.blue.jpg"), 10, 8);
        }
        for (int day = 0; day < 120; ++day)
            recordSession(r, QStringLiteral("Hana"), QStringLiteral("cup.colour.red.jpg"), 1, 1);
        QVERIFY(box.shown.isEmpty());
        m_store = std::make_unique<RecordsStore>(file());
        m_store->open();
    }
    void cleanup()
    {
        m_window.reset();
        m_model.reset();
        m_box.shown.clear();
        m_prompts = {};
    }

    void showsSessionsTargetsAndChart()
    {
        open(QStringLiteral("Gil"));
        QCOMPARE(m_window->tblSessions->rowCount(), 6);
        QCOMPARE(rowTexts(m_window->tblSessions, 0).mid(1),
                 (QStringList{QStringLiteral("10"), QStringLiteral("90 %"), QStringLiteral("90 %"), QStringLiteral("0.8 s")}));
        QCOMPARE(rowTexts(m_window->tblSessions, 1)[2], QStringLiteral("80 %"));
        QCOMPARE(m_window->tblTargets->rowCount(), 4);
        QCOMPARE(rowTexts(m_window->tblTargets, 1),
                 (QStringList{QStringLiteral("CUP"), QStringLiteral("Symbol"), QStringLiteral("30"), QStringLiteral("90 %"),
                              QStringLiteral("Yes")}));
        QCOMPARE(rowTexts(m_window->tblTargets, 0).last(), QStringLiteral("No"));

        const auto series = m_window->chartView->chart()->series();
        QCOMPARE(series.size(), 3);
        const auto* symbols = static_cast<QLineSeries*>(series[0]);
        QCOMPARE(symbols->count(), 6);
        QCOMPARE(symbols->at(1), QPointF(2, 80));
        const auto* mastery = static_cast<QLineSeries*>(series[2]);
        QCOMPARE(mastery->at(0).y(), 90.0);
        QCOMPARE(mastery->at(1), QPointF(6, 90));
    }

    void editedRuleJudgesAgainAndIsKept()
    {
        open(QStringLiteral("Gil"));
        m_window->spnPercent->selectAll();
        QTest::keyClicks(m_window->spnPercent, QStringLiteral("80"));
        QTest::keyClick(m_window->spnPercent, Qt::Key_Enter);
        QCOMPARE(rowTexts(m_window->tblTargets, 0).last(), QStringLiteral("Yes"));
        QCOMPARE(static_cast<QLineSeries*>(m_window->chartView->chart()->series()[2])->at(0).y(), 80.0);
        {
            RecordsStore fresh(file());
            fresh.open();
            QCOMPARE(fresh.masteryRule(QStringLiteral("Gil")), MasteryRule(80, 3, 5));
        }
        QTest::keyClick(m_window->spnMinTrials, Qt::Key_Up);
        QCOMPARE(m_store->masteryRule(QStringLiteral("Gil")), MasteryRule(80, 3, 6));
        m_store->setMasteryRule(QStringLiteral("Gil"), {});
        QVERIFY(m_box.shown.isEmpty());
    }

    void exportsCsvAndPrintsTheReport()
    {
        open(QStringLiteral("Gil"));
        m_prompts.path = m_dir.filePath(QStringLiteral("gil.csv"));
        QTest::mouseClick(m_window->cmdExportCsv, Qt::LeftButton);
        QFile csv(m_prompts.path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().count("\r\n"), 1 + 3 * (10 * 2 + 1 * 2) + 3 * (10 * 2 + 2 * 2));

        m_prompts.path = m_dir.filePath(QStringLiteral("gil.pdf"));
        QTest::mouseClick(m_window->cmdReportPdf, Qt::LeftButton);
        QCOMPARE(pdfPages(m_prompts.path), 3); // chart, sessions, targets
        QVERIFY(m_box.shown.isEmpty());

        // Cancelling the file dialog writes nothing.
        m_prompts.path.clear();
        QTest::mouseClick(m_window->cmdReportPdf, Qt::LeftButton);
        QCOMPARE(m_prompts.asked.size(), 3);

        m_prompts.path = m_dir.filePath(QStringLiteral("missing/folder/gil.csv"));
        QTest::mouseClick(m_window->cmdExportCsv, Qt::LeftButton);
        QCOMPARE(m_box.shown.size(), 1);
        QVERIFY2(m_box.shown.first().contains(QStringLiteral("cannot be written")), qPrintable(m_box.shown.first()));
        QVERIFY(m_box.shown.first().endsWith(QStringLiteral("in cmdExportCsv_Click() routine")));
    }

    void longReportContinuesOnMorePages()
    {
        open(QStringLiteral("Hana"));
        QCOMPARE(m_window->tblSessions->rowCount(), 120);
        m_prompts.path = m_dir.filePath(QStringLiteral("hana.pdf"));
        QTest::mouseClick(m_window->cmdReportPdf, Qt::LeftButton);
        // 120 sessions need three pages of the sessions table.
        QCOMPARE(pdfPages(m_prompts.path), 5);
    }

    void deletesTheLearnerOnlyWhenConfirmed()
    {
        open(QStringLiteral("Gil"));
        QSignalSpy deleted(m_window.get(), &RecordsWindow::learnerDeleted);
        QTest::mouseClick(m_window->cmdDeleteLearner, Qt::LeftButton);
        QCOMPARE(m_prompts.asked.size(), 1);
        QVERIFY(m_prompts.asked.first().contains(QStringLiteral("Gil")));
        QVERIFY(m_store->hasLearner(QStringLiteral("Gil")));
        QVERIFY(m_window->isVisible());

        m_prompts.answer = true;
        QTest::mouseClick(m_window->cmdDeleteLearner, Qt::LeftButton);
        QCOMPARE(deleted.size(), 1);
        QVERIFY(!m_store->hasLearner(QStringLiteral("Gil")));
        QVERIFY(m_store->hasLearner(QStringLiteral("Hana")));
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_box.shown.isEmpty());
    }
};

QTEST_MAIN(TestRecordsWindow)
#include "test_records_window.moc"
