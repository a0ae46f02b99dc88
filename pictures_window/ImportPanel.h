#pragma once

#include <QStringList>
#include <QWidget>

namespace tessarine {

class CollectionEditor;
class IMessageBox;
class IPicturePrompts;

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
};

} // namespace tessarine
