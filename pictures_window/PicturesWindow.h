#pragma once

#include "collections/Collections.h"

#include <QWidget>

#include <memory>
#include <utility>

class QLabel;
class QListWidget;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace tessarine {

namespace check {
struct CheckResult;
}

class CollectionEditor;
class IMessageBox;
class IMicrophone;
class IPicturePrompts;
class ISoundPlayer;
class ImportPanel;
class ObjectTableModel;
class ThumbnailCache;
class CollectionChecking;

// The Pictures window: the chosen collection as a list of objects (each object picture with its
// symbol and attribute beside it and the checker's findings in plain words, kept up to date as the
// teacher works), the pictures being added, "New collection" and "Add pictures...".
class PicturesWindow final : public QWidget {
    Q_OBJECT

public:
    PicturesWindow(IMessageBox& messageBox, ISoundPlayer& sound, IMicrophone& microphone, IPicturePrompts& prompts,
                   Collections collections, QString folder, QWidget* parent = nullptr);
    ~PicturesWindow() override;

    QString folder() const;

    // What the window shows, for tests and the benchmark.
    const ObjectTableModel& objects() const { return *m_model; }
    ThumbnailCache& thumbnails() { return *m_thumbnails; }
    bool checking() const;
    // Rows [first, last] of the list that the view shows now (first > last when none).
    std::pair<int, int> visibleRows() const;

    void cmdNewCollection_Click();
    void cmdAddPictures_Click();
    void cmdRemove_Click();

    QLabel* lblCollection;
    QPushButton* cmdNewCollection;
    QPushButton* cmdAddPictures;
    QLabel* lblChecking;
    QTableView* tblObjects;
    QLabel* lblDetails;
    QPushButton* cmdRename;
    QPushButton* cmdRemove;
    QLabel* lblCollectionFindings;
    QListWidget* lstCollectionFindings;

Q_SIGNALS:
    // The window now shows another collection (a new one, or a personal copy of the program's
    // pictures); the options window's "Pictures" follows it.
    void collectionChanged(const QString& folder);
    // The findings shown are those of the collection as it is now.
    void checked();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The controls, their places and their connections (PicturesWindowControls.cpp).
    void makeControls();
    void makeObjectTable();
    void arrange();
    void connectControls();
    void rename(int part);
    void showCollection(const QString& folder);
    bool makeWritable();
    void check();
    void startWaitingCheck();
    void checkFinished(const check::CheckResult& result);
    void currentChanged();
    void prefetchNearby();
    void addDropped(const QStringList& paths);

    IMessageBox& m_messageBox;
    ISoundPlayer& m_sound;
    IMicrophone& m_microphone;
    IPicturePrompts& m_prompts;
    Collections m_collections;
    QString m_folder;
    std::unique_ptr<ThumbnailCache> m_thumbnails;
    ObjectTableModel* m_model;
    std::unique_ptr<CollectionChecking> m_checking;
    std::unique_ptr<CollectionEditor> m_editor;
    QVBoxLayout* m_importHolder;
    ImportPanel* m_import = nullptr;
    QVBoxLayout* m_voiceHolder;
    QWidget* m_voice = nullptr;
    QString m_voicePath; // the object picture m_voice records for
    QString m_selectAfterCheck;
    bool m_checkWaits = false;
};

} // namespace tessarine
