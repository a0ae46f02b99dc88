#include "records/RecordsChart.h"

#include "records/RecordsModel.h"

#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

namespace tessarine {

namespace {

// Session numbers are whole, so the axis ticks step by a whole number of sessions from the first:
// 1, 2, 3 ... for a few sessions, then 1, 3, 5 ... or 1, 6, 11 ... so that no more than
// MaxSessionLabels labels share the axis. A tick between two sessions would be labelled with a
// rounded number that stands under no point.
constexpr int MaxSessionLabels = 10;

int sessionStep(qsizetype sessions)
{
    for (int step = 1;; step *= 10) {
        for (const int multiple : {1, 2, 5}) {
            if ((sessions - 1) / (step * multiple) + 1 <= MaxSessionLabels)
                return step * multiple;
        }
    }
}

QValueAxis* sessionAxis(qsizetype sessions, QObject* parent)
{
    auto* axis = new QValueAxis(parent);
    //: The title of the chart's horizontal axis, numbered by session
    axis->setTitleText(QCoreApplication::translate("RecordsChart", "Session"));
    // One session gets half a session's room on either side, so that its point is not on an edge
    // of a range that has no width.
    if (sessions <= 1)
        axis->setRange(0.5, 1.5);
    else
        axis->setRange(1, static_cast<double>(sessions));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(1);
    axis->setTickInterval(sessionStep(sessions));
    axis->setMinorTickCount(0);
    axis->setLabelFormat(QStringLiteral("%d"));
    return axis;
}

} // namespace

QChart* createRecordsChart(const RecordsModel& model)
{
    auto* chart = new QChart;
    chart->setTitle(QCoreApplication::translate("RecordsChart", "First try right, per session"));
    // Numbers under and beside the chart in the forms of the tables.
    if (model.format().isLocalized()) {
        chart->setLocale(model.format().locale());
        chart->setLocalizeNumbers(true);
    }
    auto* x = sessionAxis(model.progress().sessions.size(), chart);

    auto* symbols = new QLineSeries(chart);
    //: The name of a line in the chart's legend: symbols right at the first try
    symbols->setName(QCoreApplication::translate("RecordsChart", "Symbols"));
    symbols->replace(model.symbolSeries());
    symbols->setPen(QPen(QColor(0x1f, 0x5f, 0xbf), 2));
    auto* attributes = new QLineSeries(chart);
    //: The name of a line in the chart's legend: attributes right at the first try
    attributes->setName(QCoreApplication::translate("RecordsChart", "Attributes"));
    attributes->replace(model.attributeSeries());
    // Solid and dotted, so that the two rows stay apart on a black-and-white print.
    QPen dotted(QColor(0xd0, 0x5a, 0x00), 2);
    dotted.setStyle(Qt::DotLine);
    attributes->setPen(dotted);
    // Both rows together: the first tries answered alone, and those answered with the answer
    // shown. Thicker and marked at each session, so that they stand apart from the rows' lines in
    // print too.
    auto* independent = new QLineSeries(chart);
    //: The name of a line in the chart's legend: first tries right without a prompt
    independent->setName(QCoreApplication::translate("RecordsChart", "Independent right"));
    independent->replace(model.independentSeries());
    independent->setPen(QPen(QColor(0x5b, 0x2a, 0x86), 3));
    independent->setPointsVisible(true);
    auto* prompted = new QLineSeries(chart);
    //: The name of a line in the chart's legend: first tries right with the answer shown as a prompt
    prompted->setName(QCoreApplication::translate("RecordsChart", "Prompted right"));
    prompted->replace(model.promptedSeries());
    QPen dashDotted(QColor(0x8a, 0x1c, 0x4a), 3);
    dashDotted.setStyle(Qt::DashDotLine);
    prompted->setPen(dashDotted);
    prompted->setPointsVisible(true);
    auto* mastery = new QLineSeries(chart);
    //: The name of the mastery line in the chart's legend; %1 is the rule's percent
    mastery->setName(
        QCoreApplication::translate("RecordsChart", "Mastery (%1 %)").arg(model.format().number(model.rule().percent())));
    mastery->append(x->min(), model.rule().percent());
    mastery->append(x->max(), model.rule().percent());
    QPen dashed(Qt::darkGreen);
    dashed.setStyle(Qt::DashLine);
    dashed.setWidthF(1.5);
    mastery->setPen(dashed);

    // Five lines: listed beside the chart, where none of their names is cut short, even on a page.
    chart->legend()->setAlignment(Qt::AlignRight);
    auto* y = new QValueAxis(chart);
    y->setTitleText(QStringLiteral("%"));
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (auto* series : {symbols, attributes, mastery, independent, prompted}) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    return chart;
}

} // namespace tessarine
