#include "records/RecordsReport.h"

#include "records/RecordsChart.h"
#include "records/RecordsError.h"
#include "records/RecordsModel.h"

#include <QChart>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace tessarine {

namespace {

constexpr int Resolution = 72; // one unit is one point
constexpr double RowHeight = 16;
const double ColumnShares[] = {0.28, 0.14, 0.2, 0.2, 0.18};

class ReportPainter {
public:
    ReportPainter(QPdfWriter& writer, QPainter& painter)
        : m_writer(writer)
        , m_painter(painter)
        , m_page(writer.pageLayout().paintRect(QPageLayout::Point))
    {
    }

    int pages() const { return m_pages; }
    double width() const { return m_page.width(); }

    void newPage()
    {
        if (!m_writer.newPage())
            throw RuntimeError(RecordsErrorNumber::ExportFailed, QStringLiteral("A page cannot be added"));
        ++m_pages;
        m_y = 0;
    }

    void heading(const QString& text, int pointSize)
    {
        QFont font = m_painter.font();
        font.setPointSize(pointSize);
        font.setBold(true);
        m_painter.setFont(font);
        const double height = pointSize * 1.8;
        m_painter.drawText(QRectF(0, m_y, width(), height), Qt::AlignLeft | Qt::AlignVCenter, text);
        m_y += height;
    }

    void paragraph(const QString& text)
    {
        setBodyFont(false);
        const QRectF box(0, m_y, width(), 1000);
        const auto used = m_painter.boundingRect(box, Qt::TextWordWrap, text);
        m_painter.drawText(box, Qt::TextWordWrap, text);
        m_y += used.height() + 6;
    }

    void chart(QChart* chart, double height)
    {
        QGraphicsScene scene;
        scene.addItem(chart);
        chart->resize(width(), height);
        scene.setSceneRect(0, 0, width(), height);
        scene.render(&m_painter, QRectF(0, m_y, width(), height), scene.sceneRect());
        scene.removeItem(chart);
        m_y += height;
    }

    // A table that continues on as many pages as it needs, its header on each.
    void table(const QString& title, const QStringList& headers, const QList<QStringList>& rows)
    {
        newPage();
        heading(title, 14);
        tableRow(headers, true);
        for (const auto& row : rows) {
            if (m_y + RowHeight > m_page.height()) {
                newPage();
                heading(title + QStringLiteral(" (continued)"), 12);
                tableRow(headers, true);
            }
            tableRow(row, false);
        }
        if (rows.isEmpty())
            paragraph(QStringLiteral("No records yet."));
    }

private:
    void setBodyFont(bool bold)
    {
        QFont font = m_painter.font();
        font.setPointSize(9);
        font.setBold(bold);
        m_painter.setFont(font);
    }

    void tableRow(const QStringList& cells, bool header)
    {
        setBodyFont(header);
        double x = 0;
        for (qsizetype i = 0; i < cells.size() && i < qsizetype(std::size(ColumnShares)); ++i) {
            const double w = width() * ColumnShares[i];
            m_painter.drawText(QRectF(x + 2, m_y, w - 4, RowHeight), Qt::AlignLeft | Qt::AlignVCenter, cells[i]);
            x += w;
        }
        m_painter.setPen(header ? Qt::black : Qt::lightGray);
        m_painter.drawLine(QPointF(0, m_y + RowHeight), QPointF(width(), m_y + RowHeight));
        m_painter.setPen(Qt::black);
        m_y += RowHeight;
    }

    QPdfWriter& m_writer;
    QPainter& m_painter;
    QRectF m_page;
    double m_y = 0;
    int m_pages = 1;
};

} // namespace

int writeRecordsReport(const RecordsModel& model, const QString& filePath)
{
    const auto cannotWrite = [&](const QString& why) {
        return RuntimeError(RecordsErrorNumber::ExportFailed,
                            QStringLiteral("%1 cannot be written: %2").arg(QDir::toNativeSeparators(filePath), why));
    };
    // QPdfWriter says nothing about a file it cannot open, so that is checked first.
    {
        QFile probe(filePath);
        if (!probe.open(QIODevice::WriteOnly))
            throw cannotWrite(probe.errorString());
    }
    QPdfWriter writer(filePath);
    writer.setResolution(Resolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(42, 42, 42, 42), QPageLayout::Point));
    writer.setTitle(QStringLiteral("Records of %1").arg(model.learner()));
    writer.setCreator(QStringLiteral("Tessarine"));
    QPainter painter;
    if (!painter.begin(&writer))
        throw cannotWrite(QStringLiteral("the PDF cannot be started"));

    ReportPainter report(writer, painter);
    report.heading(QStringLiteral("Records of %1").arg(model.learner()), 16);
    report.paragraph(QStringLiteral("%1 sessions, printed %2")
                         .arg(model.progress().sessions.size())
                         .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
    report.paragraph(model.ruleText());
    std::unique_ptr<QChart> chart(createRecordsChart(model));
    report.chart(chart.get(), report.width() * 0.7);
    report.table(QStringLiteral("Sessions"), RecordsModel::sessionHeaders(), model.sessionRows());
    report.table(QStringLiteral("Targets"), RecordsModel::targetHeaders(), model.targetRows());
    if (!painter.end())
        throw cannotWrite(QStringLiteral("the PDF cannot be finished"));
    return report.pages();
}

} // namespace tessarine
