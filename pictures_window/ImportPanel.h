#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

class QScrollArea;

namespace tessarine {

class CollectionEditor;
class IMessageBox;
class IPicturePrompts;
class ImportRow;
struct PictureForRow;

// The pictures being added, one row each: the upright preview with its crop frame, the fields
// "Object", "Category" and "Value" with the resulting name, the offers to make what is missing,
// and saving. Takes files from "Add pictures..." and from files or folders dropped on it.
class ImportPanel final : public QWidget {
    Q_OBJECT

public:
    ImportPanel(CollectionEditor& editor, IMessageBox& messageBox, IPicturePrompts& prompts, QWidget* parent = nullptr);
    ~ImportPanel() override;

    // Adds a row per picture file (folders: every picture file in them); unreadable files are told
    // in plain words and add no row.
    void addFiles(const QStringList& paths);
    // "Add pictures...".
    void askForFiles();
    int rowCount() const;

Q_SIGNALS:
    // Files were written into the collection; the findings are to be brought up to date.
    void saved(const QStringList& paths);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void addRow(const PictureForRow& picture, int order);
    void rowSaved(ImportRow* row, const QStringList& paths);
    void removeRow(ImportRow* row);

    CollectionEditor& m_editor;
    IMessageBox& m_messageBox;
    IPicturePrompts& m_prompts;
    QPushButton* cmdAddPictures;
    QLabel* lblEmpty;
    QVBoxLayout* m_rowsLayout;
    QScrollArea* m_scroll;
    // Keeps one whole row in sight while there are rows, however small the window makes the panel.
    void fitRows();
    QList<ImportRow*> m_rows;
    // Rows keep the order in which their files were given, whichever is read first.
    int m_nextOrder = 0;
};

} // namespace tessarine
