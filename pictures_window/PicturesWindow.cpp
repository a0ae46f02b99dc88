#include "pictures_window/PicturesWindow.h"

#include "check/CheckResult.h"
#include "core/ErrorGuard.h"
#include "pictures/CollectionEditor.h"
#include "pictures_window/CollectionChecking.h"
#include "pictures_window/ImportPanel.h"
#include "pictures_window/ObjectTableModel.h"
#include "pictures_window/PicturePrompts.h"
#include "pictures_window/ThumbnailCache.h"
#include "pictures_window/VoiceButtons.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace tessarine {

namespace {

// Longest wait of the check for the first screen's thumbnails, in milliseconds.
constexpr int FirstScreenWait = 2000;

bool sameFolder(const QString& a, const QString& b)
{
    return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

// As the "Pictures" drop-down names it: "Program's own pictures", or the collection's folder name.
QString displayName(const Collections& collections, const QString& folder)
{
    for (const Collection& collection : collections.list(folder))
        if (sameFolder(collection.folder, folder))
            return collection.name;
    return QDir(folder).dirName();
}

// "My pictures", or "My pictures 2", ... when that one exists already.
QString freeCopyName()
{
    const QDir root(Collections::personalRoot());
    //: The name suggested for a teacher's own copy of the program's pictures; it becomes a folder's name
    QString name = QCoreApplication::translate("PicturesWindow", "My pictures");
    for (int n = 2; root.exists(name); ++n)
        //: The same when "My pictures" is taken; %1 is 2, 3, ...
        name = QCoreApplication::translate("PicturesWindow", "My pictures %1").arg(n);
    return name;
}

} // namespace

PicturesWindow::PicturesWindow(IMessageBox& messageBox, ISoundPlayer& sound, IMicrophone& microphone, IPicturePrompts& prompts,
                               Collections collections, QString folder, QWidget* parent)
    : QWidget(parent)
    , m_messageBox(messageBox)
    , m_sound(sound)
    , m_microphone(microphone)
    , m_prompts(prompts)
    , m_collections(std::move(collections))
    , m_thumbnails(std::make_unique<ThumbnailCache>())
    , m_model(new ObjectTableModel(*m_thumbnails, this))
    , m_checking(std::make_unique<CollectionChecking>([this](const CollectionChecking::Outcome& outcome) {
        runUnguarded(m_messageBox, [&] {
            if (outcome.error)
                std::rethrow_exception(outcome.error);
            if (sameFolder(outcome.result.folder, m_folder))
                checkFinished(outcome.result);
        });
    }))
{
    makeControls();
    arrange();
    connectControls();
    showCollection(std::move(folder));
}

PicturesWindow::~PicturesWindow()
{
    // Before the editor they work with goes.
    delete m_voice;
    delete m_import;
}

QString PicturesWindow::folder() const { return m_folder; }

bool PicturesWindow::checking() const { return m_checkWaits || m_checking->busy(); }

std::pair<int, int> PicturesWindow::visibleRows() const
{
    const int first = tblObjects->rowAt(0);
    if (first < 0)
        return {0, -1};
    const int last = tblObjects->rowAt(tblObjects->viewport()->height() - 1);
    return {first, last < 0 ? m_model->rowCount() - 1 : last};
}

void PicturesWindow::showCollection(const QString& folder)
{
    m_folder = QDir(folder).absolutePath();
    //: %1 is the collection's name
    lblCollection->setText(tr("Pictures: %1").arg(displayName(m_collections, m_folder)));
    lblCollection->setAccessibleName(lblCollection->text());
    m_model->list(m_folder);
    delete m_import;
    m_editor = std::make_unique<CollectionEditor>(m_folder);
    m_import = new ImportPanel(*m_editor, m_messageBox, m_prompts, this);
    m_importHolder->addWidget(m_import);
    setTabOrder(lstCollectionFindings, m_import);
    connect(m_import, &ImportPanel::saved, this, [this](const QStringList& paths) {
        runUnguarded(m_messageBox, [&] {
            // The object picture just saved is the one chosen, so that the teacher sees its findings.
            for (const QString& path : paths)
                if (QFileInfo(path).dir().dirName() == QLatin1String("Images") && path.endsWith(QLatin1String(".jpg")))
                    m_selectAfterCheck = QFileInfo(path).fileName();
            check();
        });
    });
    // The panel of pictures being added has its own "Add pictures..." and takes drops; where the
    // program's own pictures cannot be written, the window's button and drops first offer a
    // personal copy, and the panel comes with it.
    const bool needsCopy = !Collections::isWritable(m_folder) && sameFolder(m_folder, m_collections.programFolder());
    m_import->setVisible(!needsCopy);
    cmdAddPictures->setVisible(needsCopy);
    currentChanged();
    // The check decodes every picture of the collection: it waits until the first screen's
    // thumbnails are in (or a moment has passed), so that they do not wait for it.
    lblChecking->show();
    if (m_model->rowCount() == 0) {
        check();
        return;
    }
    m_checkWaits = true;
    QTimer::singleShot(FirstScreenWait, this, [this] { runUnguarded(m_messageBox, [this] { startWaitingCheck(); }); });
}

void PicturesWindow::startWaitingCheck()
{
    if (std::exchange(m_checkWaits, false))
        check();
}

void PicturesWindow::check()
{
    m_checkWaits = false;
    lblChecking->show();
    m_checking->start(m_folder);
}

void PicturesWindow::checkFinished(const check::CheckResult& result)
{
    const QModelIndex current = tblObjects->currentIndex();
    const QString currentFile = current.isValid() ? m_model->list().row(current.row()).file : QString();
    const int currentRow = current.isValid() ? current.row() : -1;
    const int scrolled = tblObjects->verticalScrollBar()->value();
    m_model->setResult(result);
    lstCollectionFindings->clear();
    lstCollectionFindings->addItems(m_model->list().collectionFindings());
    if (m_model->list().collectionFindings().isEmpty())
        //: The check found nothing about the collection as a whole
        lstCollectionFindings->addItem(tr("Nothing found."));
    // The same object stays chosen; when it is gone (renamed, removed), the row where it was.
    qsizetype row = m_model->list().indexOf(std::exchange(m_selectAfterCheck, {}));
    const bool newlyNamed = row >= 0;
    if (row < 0)
        row = m_model->list().indexOf(currentFile);
    if (row < 0 && currentRow >= 0)
        row = std::min<qsizetype>(currentRow, m_model->rowCount() - 1);
    tblObjects->verticalScrollBar()->setValue(scrolled);
    if (row >= 0)
        tblObjects->setCurrentIndex(m_model->index(static_cast<int>(row), 0));
    if (newlyNamed)
        tblObjects->scrollTo(tblObjects->currentIndex());
    currentChanged();
    lblChecking->setVisible(m_checking->busy());
    prefetchNearby();
    Q_EMIT checked();
}

void PicturesWindow::currentChanged()
{
    const QModelIndex current = tblObjects->currentIndex();
    const bool chosen = current.isValid();
    cmdRename->setEnabled(chosen);
    cmdRemove->setEnabled(chosen);
    const QString path = chosen ? m_model->list().row(current.row()).path : QString();
    if (!chosen) {
        lblDetails->setText(tr("Choose an object in the list to see its findings."));
    } else {
        const ObjectRow& row = m_model->list().row(current.row());
        lblDetails->setText((row.caption.isEmpty() ? row.file : row.caption + QStringLiteral(" (") + row.file + u')')
                            + QStringLiteral(": ") + ObjectTableModel::findingsText(row));
    }
    // The same object keeps its buttons when the list is brought up to date: a recording under
    // way goes on, and the keyboard focus stays where it was.
    if (m_voice && path == m_voicePath)
        return;
    delete m_voice;
    m_voice = nullptr;
    m_voicePath = path;
    if (!chosen)
        return;
    auto* voice = new VoiceButtons(m_messageBox, m_microphone, m_sound, path, this);
    connect(voice, &VoiceButtons::changed, this, [this] { runUnguarded(m_messageBox, [this] { check(); }); });
    m_voiceHolder->addWidget(voice);
    voice->show();
    // Its buttons come right after the object's own in the Tab order.
    QWidget* before = cmdRemove;
    for (QPushButton* b : voice->findChildren<QPushButton*>()) {
        setTabOrder(before, b);
        before = b;
    }
    setTabOrder(before, lstCollectionFindings);
    m_voice = voice;
}

void PicturesWindow::prefetchNearby()
{
    // The page below the one shown, so that scrolling down finds its thumbnails made.
    const auto [first, last] = visibleRows();
    if (last >= first)
        m_model->prefetch(last + 1, last + 1 + (last - first + 1));
}

bool PicturesWindow::makeWritable()
{
    if (Collections::isWritable(m_folder) || !sameFolder(m_folder, m_collections.programFolder()))
        return true;
    const auto name = m_prompts.personalCopy(this, freeCopyName());
    if (!name || name->trimmed().isEmpty())
        return false;
    const Collection copy = m_collections.create(name->trimmed(), true);
    showCollection(copy.folder);
    Q_EMIT collectionChanged(m_folder);
    return true;
}

void PicturesWindow::cmdNewCollection_Click()
{
    Guard guard(m_messageBox, QStringLiteral("cmdNewCollection_Click"));
    const auto wanted = m_prompts.newCollection(this);
    if (!wanted || wanted->name.trimmed().isEmpty())
        return;
    guard.step([&] {
        const Collection made = m_collections.create(wanted->name.trimmed(), wanted->copyProgramPictures);
        showCollection(made.folder);
        Q_EMIT collectionChanged(m_folder);
    });
}

void PicturesWindow::cmdAddPictures_Click()
{
    Guard guard(m_messageBox, QStringLiteral("cmdAddPictures_Click"));
    guard.step([this] {
        if (!makeWritable())
            return;
        m_import->askForFiles();
    });
}

void PicturesWindow::rename(int part)
{
    Guard guard(m_messageBox, QStringLiteral("cmdRename_Click"));
    const QModelIndex current = tblObjects->currentIndex();
    if (!current.isValid())
        return;
    // A copy: making a personal copy lists the rows again.
    const ObjectRow row = m_model->list().row(current.row());
    const auto which = static_cast<CollectionEditor::Part>(part);
    const QString from = which == CollectionEditor::Part::Object     ? row.object
                         : which == CollectionEditor::Part::Category ? row.category
                                                                     : row.value;
    guard.step([&] {
        if (!makeWritable())
            return;
        const auto to = m_prompts.renameTo(this, which, from);
        if (!to || to->trimmed().isEmpty() || *to == from)
            return;
        m_editor->rename(which, from, to->trimmed(), row.category);
        // The renamed picture stays chosen.
        QStringList parts = QFileInfo(row.file).completeBaseName().split(u'.');
        if (static_cast<int>(which) < parts.size()) {
            parts[static_cast<int>(which)] = to->trimmed();
            m_selectAfterCheck = parts.join(u'.') + QStringLiteral(".jpg");
        }
        check();
    });
}

void PicturesWindow::cmdRemove_Click()
{
    Guard guard(m_messageBox, QStringLiteral("cmdRemove_Click"));
    const QModelIndex current = tblObjects->currentIndex();
    if (!current.isValid())
        return;
    const ObjectRow row = m_model->list().row(current.row());
    guard.step([&] {
        if (!makeWritable())
            return;
        const QString path = QDir(m_folder).filePath(QStringLiteral("Images/") + row.file);
        m_editor->remove(path);
        // Its recording would be left over, read for no picture.
        const QString recording = CollectionEditor::recordingPath(path);
        if (QFileInfo::exists(recording))
            m_editor->remove(recording);
        check();
    });
}

void PicturesWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void PicturesWindow::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    event->acceptProposedAction();
    runUnguarded(m_messageBox, [&] { addDropped(paths); });
}

void PicturesWindow::addDropped(const QStringList& paths)
{
    Guard guard(m_messageBox, QStringLiteral("Form_DragDrop"));
    guard.step([&] {
        if (paths.isEmpty() || !makeWritable())
            return;
        m_import->addFiles(paths);
    });
}

} // namespace tessarine
