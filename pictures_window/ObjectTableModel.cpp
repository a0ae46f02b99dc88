#include "pictures_window/ObjectTableModel.h"

#include "pictures_window/ThumbnailCache.h"

#include <QColor>
#include <QPainter>

namespace tessarine {

namespace {

QImage placeholder(bool unreadable)
{
    QImage image(ThumbnailCache::Side / 2, ThumbnailCache::Side / 2, QImage::Format_RGB32);
    image.fill(unreadable ? QColor(0xe0, 0xb0, 0xb0) : QColor(0xdd, 0xdd, 0xdd));
    return image;
}

// A thumbnail fits its cell whole: the object picture's cell is twice as wide as it is high, the
// answers' cells are square. The view draws a picture decoration at its own size, cut off at the cell.
QImage fitted(const QImage& thumbnail, int column)
{
    const int height = ThumbnailCache::Side / 2;
    const QSize cell(column == ObjectTableModel::Picture ? ThumbnailCache::Side : height, height);
    if (thumbnail.width() <= cell.width() && thumbnail.height() <= cell.height())
        return thumbnail;
    return thumbnail.scaled(cell, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

ObjectTableModel::ObjectTableModel(ThumbnailCache& thumbnails, QObject* parent)
    : QAbstractTableModel(parent)
    , m_thumbnails(thumbnails)
{
    connect(&m_thumbnails, &ThumbnailCache::ready, this, &ObjectTableModel::arrived);
}

void ObjectTableModel::list(const QString& folder)
{
    beginResetModel();
    m_list.list(folder);
    reindex();
    endResetModel();
}

void ObjectTableModel::setResult(const check::CheckResult& result)
{
    beginResetModel();
    m_list.setResult(result);
    reindex();
    endResetModel();
}

void ObjectTableModel::reindex()
{
    m_cells.clear();
    for (int r = 0; r < m_list.size(); ++r)
        for (const int c : {Picture, Symbol, Attribute}) {
            const QModelIndex cell = createIndex(r, c);
            const QString path = thumbnailPath(cell);
            if (!path.isEmpty())
                m_cells.insert(path, cell);
        }
}

void ObjectTableModel::arrived(const QString& path)
{
    for (auto it = m_cells.constFind(path); it != m_cells.constEnd() && it.key() == path; ++it)
        Q_EMIT dataChanged(*it, *it, {Qt::DecorationRole});
}

void ObjectTableModel::prefetch(int first, int last)
{
    QStringList paths;
    for (int r = std::max(first, 0); r <= last && r < m_list.size(); ++r)
        for (const int c : {Picture, Symbol, Attribute})
            if (const QString path = thumbnailPath(createIndex(r, c)); !path.isEmpty())
                paths.append(path);
    m_thumbnails.prefetch(paths);
}

QString ObjectTableModel::thumbnailPath(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= m_list.size())
        return {};
    const ObjectRow& row = m_list.row(index.row());
    switch (index.column()) {
    case Picture:
        return row.path;
    case Symbol:
        return row.symbolPath;
    case Attribute:
        return row.attributePath;
    default:
        return {};
    }
}

int ObjectTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(m_list.size()); }

int ObjectTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString ObjectTableModel::findingsText(const ObjectRow& row)
{
    if (!row.checked)
        //: Shown for an object until the collection's check has looked at it
        return tr("Checking...");
    if (row.works)
        return tr("Works under every option.");
    if (row.findings.isEmpty())
        return tr("Some sets do not work under every option.");
    return row.findings.join(u'\n');
}

QVariant ObjectTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_list.size())
        return {};
    const ObjectRow& row = m_list.row(index.row());
    const int column = index.column();
    if (column == Name && role == Qt::DisplayRole)
        return row.caption.isEmpty() ? row.file : row.caption + u'\n' + row.file;
    if (column == Findings && (role == Qt::DisplayRole || role == Qt::ToolTipRole))
        return findingsText(row);
    if (column == Findings && role == Qt::ForegroundRole && row.checked && !row.works)
        return QColor(0xa0, 0x10, 0x10);
    if (column > Attribute)
        return {};
    const QString path = thumbnailPath(index);
    if (role == Qt::DecorationRole && !path.isEmpty()) {
        const QImage image = m_thumbnails.thumbnail(path);
        return image.isNull() ? placeholder(m_thumbnails.failed(path)) : fitted(image, column);
    }
    if (role == Qt::DisplayRole && path.isEmpty() && row.checked)
        return missingText(column);
    if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole) {
        const QString file = path.section(u'/', -1);
        switch (column) {
        case Picture:
            //: %1 is the object picture's file
            return path.isEmpty() ? tr("Picture: none") : tr("Picture: %1").arg(file);
        case Symbol:
            //: %1 is the symbol's file
            return path.isEmpty() ? tr("Symbol: none") : tr("Symbol: %1").arg(file);
        default:
            //: %1 is the attribute picture's file
            return path.isEmpty() ? tr("Attribute: none") : tr("Attribute: %1").arg(file);
        }
    }
    return {};
}

QVariant ObjectTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Picture:
        //: Column header: the object's picture
        return tr("Picture");
    case Symbol:
        //: Column header: the object's symbol
        return tr("Symbol");
    case Attribute:
        //: Column header: the picture of the object's attribute (its colour, say)
        return tr("Attribute");
    case Name:
        //: Column header
        return tr("Caption and file");
    default:
        //: Column header: what the check found
        return tr("Findings");
    }
}

QString ObjectTableModel::missingText(int column) { return column == Symbol ? tr("No symbol") : tr("No attribute"); }

} // namespace tessarine
