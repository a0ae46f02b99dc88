#pragma once

#include "pictures_window/ObjectList.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QImage>

namespace tessarine {

class ThumbnailCache;

// The list of objects for a view: one row per object picture with the thumbnails of the picture,
// its symbol and its attribute, its name and caption, and its findings. Thumbnails are asked for
// only as the view shows the rows; a grey box stands in until they arrive.
class ObjectTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Picture, Symbol, Attribute, Name, Findings, ColumnCount };

    explicit ObjectTableModel(ThumbnailCache& thumbnails, QObject* parent = nullptr);

    const ObjectList& list() const { return m_list; }
    void list(const QString& folder);
    void setResult(const check::CheckResult& result);
    // Queues the thumbnails of rows [first, last] after what is on screen.
    void prefetch(int first, int last);
    // The path a thumbnail cell shows, empty for none.
    QString thumbnailPath(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // "Works under every option." or the findings, one a line; "Checking..." before the check.
    static QString findingsText(const ObjectRow& row);
    // What the symbol or attribute column says where the picture is missing.
    static QString missingText(int column);

private:
    void reindex();
    void arrived(const QString& path);

    ThumbnailCache& m_thumbnails;
    ObjectList m_list;
    QMultiHash<QString, QModelIndex> m_cells; // thumbnail cells by the path they show
};

} // namespace tessarine
