#include "check/SetSheet.h"

#include "core/ErrorGuard.h"
#include "core/Module1.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramInfo.h"

#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace tessarine::check {

namespace {

constexpr int Dpi = 300;        // of the drawing
constexpr int PictureDpi = 200; // pictures are decoded for this print resolution, enough for cards
constexpr double MarginMm = 12;
constexpr double HeaderMm = 16;
constexpr double ColumnHeadMm = 7;
constexpr double RowMm = 39;
constexpr double FooterMm = 8;

const QColor ErrorColour(190, 0, 0);
const QColor WarningColour(200, 110, 0);
const QColor FineColour(0, 120, 40);
const QColor ErrorTint(253, 236, 236);
const QColor WarningTint(255, 245, 225);
const QColor Grey(110, 110, 110);

double px(double mm) { return mm * Dpi / 25.4; }

QFont sheetFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A picture decoded at the size it is printed at, its aspect ratio kept.
struct Printed {
    QImage image;
    QString error;
};

class PictureSource {
public:
    explicit PictureSource(const QString& folder)
        : m_program(ProgramInfo::withFolder(folder))
    {
    }

    Printed load(const QString& subFolder, const QString& name, QSizeF boxMm)
    {
        const QString path = mediaPath(m_program, subFolder, name);
        QSize box(static_cast<int>(boxMm.width() * PictureDpi / 25.4), static_cast<int>(boxMm.height() * PictureDpi / 25.4));
        const QSize declared = QtPictureLoader::uprightSize(path);
        if (declared.isValid() && !declared.isEmpty()) {
            const QSize fitted = declared.scaled(box, Qt::KeepAspectRatio);
            box = fitted.width() < declared.width() ? fitted : declared;
        }
        Printed printed;
        try {
            printed.image = m_loader.load(path, box);
        } catch (...) {
            printed.error = toRuntimeError(std::current_exception()).shownDescription();
        }
        return printed;
    }

    // Symbols and attributes recur on many rows: one decoded picture each, which the PDF then
    // also stores once.
    const Printed& loadShared(const QString& subFolder, const QString& name, QSizeF boxMm)
    {
        const QString key = subFolder + u'/' + name;
        auto found = m_shared.find(key);
        if (found == m_shared.end())
            found = m_shared.insert(key, load(subFolder, name, boxMm));
        return *found;
    }

private:
    ProgramInfo m_program;
    QtPictureLoader m_loader;
    QHash<QString, Printed> m_shared;
};

void drawPicture(QPainter& painter, const QRectF& box, const Printed& printed, const QString& missingText, bool problem)
{
    painter.save();
    if (!printed.image.isNull() && printed.error.isEmpty()) {
        const QSizeF size = QSizeF(printed.image.size()).scaled(box.size(), Qt::KeepAspectRatio);
        const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2, size.width(),
                            size.height());
        painter.drawImage(target, printed.image);
        painter.setPen(QPen(problem ? ErrorColour : QColor(180, 180, 180), px(problem ? 0.6 : 0.2)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(target);
    } else {
        painter.setPen(QPen(ErrorColour, px(0.5), Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.setFont(sheetFont(8, true));
        painter.drawText(box.adjusted(px(1), px(1), -px(1), -px(1)), Qt::AlignCenter | Qt::TextWordWrap,
                         printed.error.isEmpty() ? missingText
                                                 //: in a picture's place on the printed sheet
                                                 : QCoreApplication::translate("SetSheet", "cannot be loaded"));
    }
    painter.restore();
}

struct Columns {
    QRectF picture, caption, symbol, attribute;
};

Columns columnsOf(const QRectF& row)
{
    const double gap = px(3);
    const double pictureW = px(58), answerW = px(34);
    const double captionW = row.width() - pictureW - 2 * answerW - 3 * gap;
    QRectF picture(row.left(), row.top(), pictureW, row.height());
    QRectF caption(picture.right() + gap, row.top(), captionW, row.height());
    QRectF symbol(caption.right() + gap, row.top(), answerW, row.height());
    QRectF attribute(symbol.right() + gap, row.top(), answerW, row.height());
    return {picture, caption, symbol, attribute};
}

void drawAnswer(QPainter& painter, const QRectF& column, PictureSource& pictures, const QString& subFolder, const QString& name,
                const QString& missingText, bool problem)
{
    const QRectF box(column.left() + px(2), column.top() + px(2), column.width() - px(4), column.width() - px(4));
    if (name.isEmpty())
        drawPicture(painter, box, Printed{}, missingText, true);
    else
        drawPicture(painter, box, pictures.loadShared(subFolder, name, box.size() * 25.4 / Dpi), missingText, problem);
    painter.setFont(sheetFont(6.5));
    painter.setPen(name.isEmpty() ? ErrorColour : Grey);
    painter.drawText(QRectF(column.left(), box.bottom() + px(0.5), column.width(), column.bottom() - box.bottom()),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWrapAnywhere, name.isEmpty() ? missingText : name);
}

void drawRow(QPainter& painter, const QRectF& row, const ObjectReport& object, const CheckResult& result, PictureSource& pictures)
{
    const QList<Finding> findings = result.findingsFor(Folder::Images, object.file);
    bool errors = false;
    for (const Finding& finding : findings)
        errors = errors || finding.severity == Severity::Error;
    const bool trouble = errors || !object.worksEverywhere();

    painter.save();
    if (!findings.isEmpty() || trouble) {
        painter.fillRect(row, trouble ? ErrorTint : WarningTint);
        painter.fillRect(QRectF(row.left(), row.top(), px(1.5), row.height()), trouble ? ErrorColour : WarningColour);
    }
    painter.setPen(QPen(QColor(200, 200, 200), px(0.2)));
    painter.drawLine(row.bottomLeft(), row.bottomRight());

    const Columns columns = columnsOf(row.adjusted(px(3), px(1.5), -px(1), -px(1.5)));
    drawPicture(painter, columns.picture, pictures.load(Folder::Images, object.file, columns.picture.size() * 25.4 / Dpi),
                QString(), !object.pictureError.isEmpty());

    // The caption as the exercise shows it, the file name, then what was found.
    QRectF text = columns.caption;
    painter.setPen(Qt::black);
    painter.setFont(sheetFont(15, true));
    const QRectF captionRect(text.left(), text.top(), text.width(), px(8));
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(object.caption, Qt::ElideRight, static_cast<int>(text.width())));
    painter.setFont(sheetFont(7));
    painter.setPen(Grey);
    const QRectF nameRect(text.left(), captionRect.bottom(), text.width(), px(4));
    painter.drawText(nameRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, object.file);
    double y = nameRect.bottom() + px(1);
    painter.setFont(sheetFont(7));
    if (findings.isEmpty()) {
        painter.setPen(trouble ? ErrorColour : FineColour);
        painter.drawText(QRectF(text.left(), y, text.width(), text.bottom() - y), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         trouble ? QCoreApplication::translate(
                             "SetSheet", "Can stop when a picture that cannot be loaded is drawn as the wrong choice.")
                                 : QCoreApplication::translate("SetSheet", "Works with every option."));
    }
    for (const Finding& finding : findings) {
        QString line = finding.problem;
        if (!finding.when.always())
            line = QCoreApplication::translate("SetSheet", "%1 (%2.)", "%1 is a finding, %2 the options under which it holds")
                       .arg(line, describe(finding.when));
        painter.setPen(finding.severity == Severity::Error ? ErrorColour : WarningColour);
        const QRectF room(text.left(), y, text.width(), text.bottom() - y);
        if (room.height() < px(3))
            break;
        const QRectF used = painter.boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
        painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
        y = used.bottom() + px(0.8);
    }

    drawAnswer(painter, columns.symbol, pictures, Folder::Symbols, object.symbol,
               //: in the place of a missing symbol picture on the printed sheet
               QCoreApplication::translate("SetSheet", "no symbol"), !object.symbolPictureError.isEmpty());
    drawAnswer(painter, columns.attribute, pictures, Folder::Attributes, object.attribute,
               //: in the place of a missing attribute picture on the printed sheet
               QCoreApplication::translate("SetSheet", "no attribute"), !object.attributePictureError.isEmpty());
    painter.restore();
}

} // namespace

QString writeSetSheet(const CheckResult& result, const QString& pdfPath)
{
    QPdfWriter writer(pdfPath);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
    writer.setResolution(Dpi);
    writer.setTitle(
        QCoreApplication::translate("SetSheet", "Tessarine sets in %1", "the PDF's title; %1 is a folder").arg(result.folder));
    writer.setCreator(QStringLiteral("tessarine-check"));

    QPainter painter;
    if (!painter.begin(&writer))
        return QCoreApplication::translate("SetSheet", "The file %1 cannot be written.").arg(pdfPath);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    PictureSource pictures(result.folder);
    const qsizetype rows = result.objects.size();
    const int pages = std::max<int>(1, static_cast<int>((rows + SheetRowsPerPage - 1) / SheetRowsPerPage));
    const double width = writer.width();
    const double height = writer.height();
    int otherFindings = 0;
    for (const Finding& finding : result.findings)
        otherFindings += finding.folder != Folder::Images || finding.file.isEmpty() ? 1 : 0;

    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.setPen(Qt::black);
        painter.setFont(sheetFont(15, true));
        painter.drawText(QRectF(0, 0, width, px(8)), Qt::AlignLeft | Qt::AlignTop,
                         QCoreApplication::translate("SetSheet", "Tessarine: every set"));
        painter.setFont(sheetFont(8));
        painter.setPen(Grey);
        const QString subtitle = QStringLiteral("%1    %2, %3, %4")
                                     .arg(result.folder,
                                          QCoreApplication::translate("SetSheet", "%n object picture(s)", nullptr, result.images),
                                          QCoreApplication::translate("SetSheet", "%n symbol(s)", nullptr, result.symbols),
                                          QCoreApplication::translate("SetSheet", "%n attribute(s)", nullptr, result.attributes));
        painter.drawText(QRectF(0, px(8), width, px(4.5)), Qt::AlignLeft | Qt::AlignTop,
                         painter.fontMetrics().elidedText(subtitle, Qt::ElideMiddle, static_cast<int>(width)));
        if (page == 0 && otherFindings > 0) {
            painter.setPen(ErrorColour);
            painter.drawText(QRectF(0, px(12), width, px(4)), Qt::AlignLeft | Qt::AlignTop,
                             QCoreApplication::translate("SetSheet",
                                                         "%n more finding(s) about folders, symbols, attributes or sounds: "
                                                         "run tessarine-check for the details.",
                                                         nullptr, otherFindings));
        }

        const double headTop = px(HeaderMm);
        const Columns heads = columnsOf(QRectF(px(3), headTop, width - px(4), px(ColumnHeadMm)));
        painter.setFont(sheetFont(9, true));
        painter.setPen(Qt::black);
        const auto head = Qt::AlignLeft | Qt::AlignVCenter;
        //: column header of the printed sheet
        painter.drawText(heads.picture, head, QCoreApplication::translate("SetSheet", "Picture"));
        //: column header of the printed sheet
        painter.drawText(heads.caption, head, QCoreApplication::translate("SetSheet", "Caption and findings"));
        //: column header of the printed sheet
        painter.drawText(heads.symbol, Qt::AlignHCenter | Qt::AlignVCenter, QCoreApplication::translate("SetSheet", "Symbol"));
        //: column header of the printed sheet
        painter.drawText(heads.attribute, Qt::AlignHCenter | Qt::AlignVCenter,
                         QCoreApplication::translate("SetSheet", "Attribute"));
        painter.setPen(QPen(Qt::black, px(0.4)));
        painter.drawLine(QPointF(0, headTop + px(ColumnHeadMm)), QPointF(width, headTop + px(ColumnHeadMm)));

        const double rowsTop = headTop + px(ColumnHeadMm);
        if (rows == 0) {
            painter.setFont(sheetFont(11));
            painter.setPen(ErrorColour);
            painter.drawText(QRectF(0, rowsTop + px(5), width, px(20)), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             QCoreApplication::translate("SetSheet", "There are no object pictures in the Images folder."));
        }
        for (int i = 0; i < SheetRowsPerPage; ++i) {
            const qsizetype index = qsizetype(page) * SheetRowsPerPage + i;
            if (index >= rows)
                break;
            drawRow(painter, QRectF(0, rowsTop + i * px(RowMm), width, px(RowMm)), result.objects.at(index), result, pictures);
        }

        painter.setFont(sheetFont(8));
        painter.setPen(Grey);
        const QRectF footer(0, height - px(FooterMm) + px(3), width, px(FooterMm) - px(3));
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom,
                         QCoreApplication::translate("SetSheet", "Made by tessarine-check"));
        painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom,
                         QCoreApplication::translate("SetSheet", "Page %1 of %2").arg(page + 1).arg(pages));
    }
    if (!painter.end())
        return QCoreApplication::translate("SetSheet", "The file %1 cannot be written.").arg(pdfPath);
    return {};
}

} // namespace tessarine::check
