#include "records/RecordsWindow.h"

#include "core/ErrorGuard.h"
#include "records/RecordsChart.h"
#include "records/RecordsModel.h"
#include "records/RecordsPlaceBox.h"
#include "records/RecordsPrompts.h"
#include "records/RecordsReport.h"

#include <QChart>
#include <QChartView>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tessarine {

namespace {

QTableWidget* makeTable(const QStringList& headers, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setVisible(false);
    table->setWordWrap(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void fill(QTableWidget* table, const QList<QStringList>& rows)
{
    table->setUpdatesEnabled(false);
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size() && c < table->columnCount(); ++c)
            table->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    }
    // Widths from the header and the first rows: measuring every one of 500 rows would slow the
    // opening, and the rows of a column are alike.
    const auto& metrics = table->fontMetrics();
    for (int c = 0; c < table->columnCount(); ++c) {
        int width = table->horizontalHeader()->fontMetrics().horizontalAdvance(table->horizontalHeaderItem(c)->text());
        for (int r = 0; r < std::min<qsizetype>(rows.size(), 100); ++r)
            width = std::max(width, metrics.horizontalAdvance(rows[r].value(c)));
        table->setColumnWidth(c, width + 16);
    }
    table->setUpdatesEnabled(true);
}

QSpinBox* makeSpinBox(int minimum, int maximum, int value, const QString& suffix, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setSuffix(suffix);
    return box;
}

} // namespace

RecordsWindow::RecordsWindow(RecordsModel& model, IRecordsPrompts& prompts, IMessageBox& messageBox, IRecordsPlace* place,
                             QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_model(model)
    , m_prompts(prompts)
    , m_messageBox(messageBox)
{
    //: The window's title; %1 is the learner's name
    setWindowTitle(tr("Records of %1").arg(model.learner()));
    // Wide enough for every column of both tables, where the screen allows.
    const QSize wanted(1280, 720);
    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(screen ? wanted.boundedTo(screen->availableGeometry().size()) : wanted);

    //: %1 is the learner's name
    lblLearner = new QLabel(tr("Learner: %1").arg(model.learner()), this);
    // A learner's name is shown as typed, never taken for markup.
    lblLearner->setTextFormat(Qt::PlainText);
    tblSessions = makeTable(RecordsModel::sessionHeaders(), this);
    //: The sessions table's name, as a screen reader says it
    tblSessions->setAccessibleName(tr("Sessions"));
    tblTargets = makeTable(RecordsModel::targetHeaders(), this);
    //: The targets table's name, as a screen reader says it; a target is what the learner is taught to choose
    tblTargets->setAccessibleName(tr("Targets"));
    chartView = new QChartView(this);
    // The chart's numbers are the tables' too, where a screen reader can read them.
    chartView->setAccessibleName(tr("Chart of first try right, per session"));
    chartView->setAccessibleDescription(
        tr("Per session, the percent right at the first try of symbols and attributes answered without a "
           "prompt, of all first tries answered without a prompt (independent) and of all answered with "
           "one (prompted), and the mastery line; the same numbers are in the Sessions table"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(240);

    const auto& rule = model.rule();
    spnPercent = makeSpinBox(1, 100, rule.percent(), QStringLiteral(" %"), this);
    spnSessions = makeSpinBox(1, 100, rule.sessions(), QString(), this);
    spnMinTrials = makeSpinBox(1, 1000, rule.minTrials(), QString(), this);
    //: The title of the box that sets when a target counts as mastered
    auto* ruleBox = new QGroupBox(tr("Mastery rule"), this);
    auto* ruleForm = new QFormLayout(ruleBox);
    //: The label of a percent: a target is mastered when at least this much of it is right at the first try
    ruleForm->addRow(tr("Right at the first try, at least"), spnPercent);
    //: The label of a number of sessions in a row in which the percent must be reached
    ruleForm->addRow(tr("In consecutive sessions"), spnSessions);
    //: The label of the fewest trials a session must have to count
    ruleForm->addRow(tr("Trials a session, at least"), spnMinTrials);
    lblPromptNote = new QLabel(RecordsModel::promptNote(), ruleBox);
    lblPromptNote->setWordWrap(true);
    ruleForm->addRow(lblPromptNote);

    //: A button: saves every answer of the learner in a CSV file
    cmdExportCsv = new QPushButton(tr("Export CSV"), this);
    //: A button: saves a printable report of the learner in a PDF file
    cmdReportPdf = new QPushButton(tr("Report PDF"), this);
    //: A button: removes the learner and all of their records
    cmdDeleteLearner = new QPushButton(tr("Delete learner"), this);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdExportCsv);
    buttons->addWidget(cmdReportPdf);
    buttons->addStretch();
    buttons->addWidget(cmdDeleteLearner);

    auto* top = new QHBoxLayout;
    top->addWidget(chartView, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(ruleBox);
    side->addLayout(buttons);
    top->addLayout(side);

    auto* tables = new QSplitter(Qt::Horizontal, this);
    //: The title of the sessions table
    auto* sessionsBox = new QGroupBox(tr("Sessions"), tables);
    (new QVBoxLayout(sessionsBox))->addWidget(tblSessions);
    //: The title of the targets table; a target is what the learner is taught to choose
    auto* targetsBox = new QGroupBox(tr("Targets"), tables);
    (new QVBoxLayout(targetsBox))->addWidget(tblTargets);
    tables->addWidget(sessionsBox);
    tables->addWidget(targetsBox);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblLearner);
    layout->addLayout(top, 1);
    layout->addWidget(tables, 1);
    // A strip of its own under the tables: the side column has no height to spare on a small screen.
    if (place) {
        placeBox = new RecordsPlaceBox(*place, messageBox, this);
        layout->addWidget(placeBox);
        connect(placeBox, &RecordsPlaceBox::placeChanged, this, &RecordsWindow::placeChanged);
        connect(placeBox, &RecordsPlaceBox::recordsSent, this, &RecordsWindow::recordsSent);
    }

    for (auto* box : {spnPercent, spnSessions, spnMinTrials})
        connect(box, &QSpinBox::valueChanged, this, [this] { runUnguarded(m_messageBox, [this] { ruleChanged(); }); });
    connect(cmdExportCsv, &QPushButton::clicked, this, [this] { runUnguarded(m_messageBox, [this] { cmdExportCsv_Click(); }); });
    connect(cmdReportPdf, &QPushButton::clicked, this, [this] { runUnguarded(m_messageBox, [this] { cmdReportPdf_Click(); }); });
    connect(cmdDeleteLearner, &QPushButton::clicked, this,
            [this] { runUnguarded(m_messageBox, [this] { cmdDeleteLearner_Click(); }); });

    showModel();
    // Each table gets the width its columns need, in proportion when the window is narrower.
    const auto columnsWidth = [](const QTableWidget* table) {
        int width = 0;
        for (int c = 0; c < table->columnCount(); ++c)
            width += table->columnWidth(c);
        return width;
    };
    tables->setSizes({columnsWidth(tblSessions), columnsWidth(tblTargets)});
}

void RecordsWindow::showModel()
{
    fill(tblSessions, m_model.sessionRows());
    fill(tblTargets, m_model.targetRows());
    showChart();
}

void RecordsWindow::showChart()
{
    auto* old = chartView->chart();
    chartView->setChart(createRecordsChart(m_model));
    // The view releases the chart it showed before without deleting it.
    delete old;
}

void RecordsWindow::ruleChanged()
{
    Guard guard(m_messageBox, QStringLiteral("ruleChanged"));
    if (guard.step([this] { m_model.setRule({spnPercent->value(), spnSessions->value(), spnMinTrials->value()}); })) {
        fill(tblTargets, m_model.targetRows());
        showChart();
    }
}

void RecordsWindow::cmdExportCsv_Click()
{
    Guard guard(m_messageBox, QStringLiteral("cmdExportCsv_Click"));
    //: The title of the file dialog that saves the CSV file
    const auto path = m_prompts.saveFileName(tr("Export CSV"), m_model.suggestedFileName(QStringLiteral("csv")),
                                             //: A file dialog's filter; keep "(*.csv)" as it is
                                             tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        guard.step([&] { m_model.exportCsv(path); });
}

void RecordsWindow::cmdReportPdf_Click()
{
    Guard guard(m_messageBox, QStringLiteral("cmdReportPdf_Click"));
    //: The title of the file dialog that saves the PDF report
    const auto path = m_prompts.saveFileName(tr("Report PDF"), m_model.suggestedFileName(QStringLiteral("pdf")),
                                             //: A file dialog's filter; keep "(*.pdf)" as it is
                                             tr("PDF files (*.pdf)"));
    if (!path.isEmpty())
        guard.step([&] { writeRecordsReport(m_model, path); });
}

void RecordsWindow::cmdDeleteLearner_Click()
{
    const auto learner = m_model.learner();
    //: %1 is the learner's name
    if (!m_prompts.confirm(tr("Delete %1 and all of their records? This cannot be undone.").arg(learner)))
        return;
    Guard guard(m_messageBox, QStringLiteral("cmdDeleteLearner_Click"));
    if (guard.step([this] { m_model.deleteLearner(); })) {
        showModel();
        Q_EMIT learnerDeleted(learner);
        close();
    }
}

} // namespace tessarine
