#include "records/RecordsReport.h"

#include "records/RecordsChart.h"
#include "records/RecordsError.h"
#include "records/RecordsModel.h"

#include <QChart>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <memory>

namespace tessarine {

namespace {

constexpr int Resolution = 72; // one unit is one point
constexpr double RowHeight = 16;
// Each column's share of the page's width. The sessions' computer and user, which the window shows
// after these, are left off the portrait page, which has no width for them.
const QList<double> SessionColumns{0.19, 0.07, 0.14, 0.14, 0.14, 0.16, 0.16};
const QList<double> TargetColumns{0.28, 0.14, 0.2, 0.2, 0.18};

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
            throw RuntimeError(RecordsErrorNumber::ExportFailed,
                               QCoreApplication::translate("RecordsReport", "A page cannot be added"));
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
    void table(const QString& title, const QString& continued, const QList<double>& columns, const QStringList& headers,
               const QList<QStringList>& rows)
    {
        newPage();
        heading(title, 14);
        tableRow(columns, headers, true);
        for (const auto& row : rows) {
            if (m_y + RowHeight > m_page.height()) {
                newPage();
                heading(continued, 12);
                tableRow(columns, headers, true);
            }
            tableRow(columns, row, false);
        }
        if (rows.isEmpty())
            paragraph(QCoreApplication::translate("RecordsReport", "No records yet."));
    }

private:
    void setBodyFont(bool bold)
    {
        QFont font = m_painter.font();
        font.setPointSize(9);
        font.setBold(bold);
        m_painter.setFont(font);
    }

    // A header too wide for its column wraps onto a second line; a cell stays on one.
    void tableRow(const QList<double>& columns, const QStringList& cells, bool header)
    {
        setBodyFont(header);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | (header ? Qt::TextWordWrap : 0);
        double height = RowHeight;
        for (qsizetype i = 0; header && i < cells.size() && i < columns.size(); ++i) {
            const QRectF box(0, 0, width() * columns[i] - 4, 1000);
            height = std::max(height, m_painter.boundingRect(box, flags, cells[i]).height() + 4);
        }
        double x = 0;
        for (qsizetype i = 0; i < cells.size() && i < columns.size(); ++i) {
            const double w = width() * columns[i];
            m_painter.drawText(QRectF(x + 2, m_y, w - 4, height), flags, cells[i]);
            x += w;
        }
        m_painter.setPen(header ? Qt::black : Qt::lightGray);
        m_painter.drawLine(QPointF(0, m_y + height), QPointF(width(), m_y + height));
        m_painter.setPen(Qt::black);
        m_y += height;
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
    const QString path = QDir::toNativeSeparators(filePath);
    const auto cannotWrite = [](const QString& text) { return RuntimeError(RecordsErrorNumber::ExportFailed, text); };
    // QPdfWriter says nothing about a file it cannot open, so that is checked first.
    {
        QFile probe(filePath);
        if (!probe.open(QIODevice::WriteOnly))
            //: %1 is a file's path, %2 the system's word on why it cannot be written
            throw cannotWrite(
                QCoreApplication::translate("RecordsReport", "%1 cannot be written: %2").arg(path, probe.errorString()));
    }
    QPdfWriter writer(filePath);
    writer.setResolution(Resolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(42, 42, 42, 42), QPageLayout::Point));
    //: The report's title; %1 is the learner's name
    const QString title = QCoreApplication::translate("RecordsReport", "Records of %1").arg(model.learner());
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Tessarine"));
    QPainter painter;
    if (!painter.begin(&writer))
        //: %1 is a file's path
        throw cannotWrite(
            QCoreApplication::translate("RecordsReport", "%1 cannot be written: the PDF cannot be started").arg(path));

    ReportPainter report(writer, painter);
    report.heading(title, 16);
    report.paragraph(model.summaryText(QDateTime::currentDateTime()));
    report.paragraph(model.ruleText());
    report.paragraph(RecordsModel::promptNote());
    std::unique_ptr<QChart> chart(createRecordsChart(model));
    report.chart(chart.get(), report.width() * 0.7);
    //: The title of the report's sessions table
    report.table(QCoreApplication::translate("RecordsReport", "Sessions"),
                 //: The title of the sessions table on the pages after its first
                 QCoreApplication::translate("RecordsReport", "Sessions (continued)"), SessionColumns,
                 RecordsModel::sessionHeaders(), model.sessionRows());
    //: The title of the report's targets table; a target is what the learner is taught to choose
    report.table(QCoreApplication::translate("RecordsReport", "Targets"),
                 //: The title of the targets table on the pages after its first
                 QCoreApplication::translate("RecordsReport", "Targets (continued)"), TargetColumns,
                 RecordsModel::targetHeaders(), model.targetRows());
    if (!painter.end())
        //: %1 is a file's path
        throw cannotWrite(
            QCoreApplication::translate("RecordsReport", "%1 cannot be written: the PDF cannot be finished").arg(path));
    return report.pages();
}

} // namespace tessarine
