#include "pictures_window/ImportPanel.h"

#include "core/ErrorGuard.h"
#include "core/MessageBox.h"
#include "pictures/PictureReader.h"
#include "pictures_window/ImportRow.h"
#include "pictures_window/PicturePrompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <algorithm>

namespace tessarine {

// A picture read on a worker thread for its row: the preview and the whole picture's size, or why
// it cannot be read.
struct PictureForRow {
    QString path;
    QImage preview;
    QSize size;
    QString problem;
};

namespace {

const QSize PreviewBound(640, 640);
constexpr const char* OrderProperty = "importOrder";

PictureForRow readForRow(const QString& path)
{
    PictureForRow picture{path, {}, {}, {}};
    try {
        // The crop frame is in the whole picture's pixels, but only the preview is decoded here:
        // saving reads the picture again, so twenty photos are never held at full size.
        picture.size = PictureReader::uprightSize(path);
        picture.preview = PictureReader::read(path, PreviewBound);
    } catch (const RuntimeError& error) {
        picture.problem = error.description();
    } catch (const std::exception&) {
        picture.problem = QCoreApplication::translate("ImportPanel", "%1 cannot be read.").arg(QDir::toNativeSeparators(path));
    }
    return picture;
}

// Files as given; folders give the picture files directly inside them, by name.
QStringList pictureFiles(const QStringList& paths, QStringList& emptyFolders)
{
    QStringList files;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            files.append(path);
            continue;
        }
        QStringList inside;
        const auto entries = QDir(path).entryInfoList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& entry : entries) {
            if (PictureReader::hasPictureSuffix(entry.fileName()))
                inside.append(entry.absoluteFilePath());
        }
        if (inside.isEmpty())
            emptyFolders.append(QDir::toNativeSeparators(path));
        files.append(inside);
    }
    return files;
}

} // namespace

ImportPanel::ImportPanel(CollectionEditor& editor, IMessageBox& messageBox, IPicturePrompts& prompts, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_messageBox(messageBox)
    , m_prompts(prompts)
{
    setAcceptDrops(true);
    setAccessibleName(tr("Pictures being added"));

    //: Button that opens a file dialog
    cmdAddPictures = new QPushButton(tr("Add pictures..."), this);
    lblEmpty = new QLabel(tr("Add pictures, or drop pictures or folders of them here."), this);
    lblEmpty->setWordWrap(true);

    auto* rows = new QWidget;
    m_rowsLayout = new QVBoxLayout(rows);
    m_rowsLayout->addStretch();
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(rows);
    m_scroll->setAccessibleName(tr("Pictures being added"));

    auto* top = new QHBoxLayout;
    top->addWidget(cmdAddPictures, 0, Qt::AlignLeft);
    top->addWidget(lblEmpty, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_scroll, 1);

    connect(cmdAddPictures, &QPushButton::clicked, this, [this] { runUnguarded(m_messageBox, [this] { askForFiles(); }); });
}

ImportPanel::~ImportPanel() = default;

int ImportPanel::rowCount() const { return static_cast<int>(m_rows.size()); }

void ImportPanel::askForFiles() { addFiles(m_prompts.picturesToAdd(this)); }

void ImportPanel::addFiles(const QStringList& paths)
{
    QStringList emptyFolders;
    const QStringList files = pictureFiles(paths, emptyFolders);
    if (!emptyFolders.isEmpty())
        //: %1 is one folder or several, separated by commas
        m_messageBox.showCritical(tr("There are no pictures in %1.").arg(emptyFolders.join(QStringLiteral(", "))));
    if (files.isEmpty())
        return;

    const int firstOrder = m_nextOrder;
    m_nextOrder += static_cast<int>(files.size());
    // The watcher is the panel's child: a panel closed before the pictures are read takes no rows.
    auto* watcher = new QFutureWatcher<PictureForRow>(this);
    connect(watcher, &QFutureWatcher<PictureForRow>::resultReadyAt, this, [this, watcher, firstOrder](int index) {
        runUnguarded(m_messageBox, [&] {
            const PictureForRow picture = watcher->resultAt(index);
            if (picture.problem.isEmpty())
                addRow(picture, firstOrder + index);
        });
    });
    // Pictures that cannot be read are told together, once the batch is read, not one box each.
    connect(watcher, &QFutureWatcher<PictureForRow>::finished, this, [this, watcher] {
        runUnguarded(m_messageBox, [&] {
            QStringList problems;
            for (const PictureForRow& picture : watcher->future().results()) {
                if (!picture.problem.isEmpty())
                    problems.append(picture.problem);
            }
            watcher->deleteLater();
            if (!problems.isEmpty())
                //: %1 is one line for each picture, saying why
                m_messageBox.showCritical(tr("These pictures cannot be added:\n%1").arg(problems.join(QLatin1Char('\n'))));
        });
    });
    watcher->setFuture(QtConcurrent::mapped(files, readForRow));
}

void ImportPanel::addRow(const PictureForRow& picture, int order)
{
    auto* row = new ImportRow(m_editor, m_messageBox, m_prompts, picture.path, picture.preview, picture.size);
    row->setProperty(OrderProperty, order);
    int position = 0;
    while (position < m_rows.size() && m_rows[position]->property(OrderProperty).toInt() < order)
        ++position;
    m_rows.insert(position, row);
    m_rowsLayout->insertWidget(position, row);
    // Shown now, not when the layout next gets round to it, so that the row counted is one seen.
    row->show();
    lblEmpty->hide();
    fitRows();
    connect(row, &ImportRow::saved, this, [this, row](const QStringList& paths) { rowSaved(row, paths); });
    connect(row, &ImportRow::leftOut, this, [this, row] { removeRow(row); });
}

void ImportPanel::rowSaved(ImportRow* row, const QStringList& paths)
{
    removeRow(row);
    // What was just saved is now in the collection: the other rows suggest it and no longer offer
    // a symbol or card that now exists.
    for (ImportRow* other : std::as_const(m_rows))
        other->refresh();
    Q_EMIT saved(paths);
}

void ImportPanel::removeRow(ImportRow* row)
{
    m_rows.removeOne(row);
    row->hide();
    // The row's own button is still being clicked when this runs.
    row->deleteLater();
    lblEmpty->setVisible(m_rows.isEmpty());
    fitRows();
}

void ImportPanel::fitRows()
{
    int tallest = 0;
    for (const ImportRow* row : std::as_const(m_rows))
        tallest = std::max(tallest, row->sizeHint().height());
    const QMargins margins = m_rowsLayout->contentsMargins();
    m_scroll->setMinimumHeight(tallest == 0 ? 0 : tallest + margins.top() + margins.bottom() + 2 * m_scroll->frameWidth());
}

void ImportPanel::dragEnterEvent(QDragEnterEvent* event)
{
    runUnguarded(m_messageBox, [&] {
        const auto urls = event->mimeData()->urls();
        if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
            event->acceptProposedAction();
    });
}

void ImportPanel::dropEvent(QDropEvent* event)
{
    runUnguarded(m_messageBox, [&] {
        QStringList paths;
        for (const QUrl& url : event->mimeData()->urls()) {
            if (url.isLocalFile())
                paths.append(url.toLocalFile());
        }
        if (paths.isEmpty())
            return;
        event->acceptProposedAction();
        addFiles(paths);
    });
}

} // namespace tessarine
