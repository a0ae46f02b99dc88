#include "records/RecordsChart.h"

#include "records/RecordsModel.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

namespace tessarine {

QChart* createRecordsChart(const RecordsModel& model)
{
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("First try right, per session"));
    const auto sessions = static_cast<double>(std::max<qsizetype>(1, model.progress().sessions.size()));

    auto* symbols = new QLineSeries(chart);
    symbols->setName(QStringLiteral("Symbols"));
    symbols->replace(model.symbolSeries());
    symbols->setPen(QPen(QColor(0x1f, 0x5f, 0xbf), 2));
    auto* attributes = new QLineSeries(chart);
    attributes->setName(QStringLiteral("Attributes"));
    attributes->replace(model.attributeSeries());
    // Solid and dotted, so that the two rows stay apart on a black-and-white print.
    QPen dotted(QColor(0xd0, 0x5a, 0x00), 2);
    dotted.setStyle(Qt::DotLine);
    attributes->setPen(dotted);
    auto* mastery = new QLineSeries(chart);
    mastery->setName(QStringLiteral("Mastery (%1 %)").arg(model.rule().percent()));
    mastery->append(1, model.rule().percent());
    mastery->append(sessions, model.rule().percent());
    QPen dashed(Qt::darkGreen);
    dashed.setStyle(Qt::DashLine);
    dashed.setWidthF(1.5);
    mastery->setPen(dashed);

    auto* x = new QValueAxis(chart);
    x->setTitleText(QStringLiteral("Session"));
    x->setRange(1, sessions);
    x->setLabelFormat(QStringLiteral("%d"));
    auto* y = new QValueAxis(chart);
    y->setTitleText(QStringLiteral("%"));
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (auto* series : {symbols, attributes, mastery}) {
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    return chart;
}

} // namespace tessarine
