#include "pictures_window/PicturesWindow.h"

#include "core/ErrorGuard.h"
#include "pictures/CollectionEditor.h"
#include "pictures_window/ObjectTableModel.h"
#include "pictures_window/ThumbnailCache.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

// The Pictures window's controls, where they stand and what they lead to.

namespace tessarine {

namespace {

// Named without the dots that say a button asks for more, as a translation may write them too.
QPushButton* button(const QString& text, QWidget* parent)
{
    auto* made = new QPushButton(text, parent);
    made->setAccessibleName(QString(text).remove(QStringLiteral("...")).remove(QChar(0x2026)));
    return made;
}

} // namespace

void PicturesWindow::makeControls()
{
    //: The window's title
    setWindowTitle(tr("Pictures"));
    setAcceptDrops(true);

    lblCollection = new QLabel(this);
    cmdNewCollection = button(tr("New collection"), this);
    //: Button that opens a file dialog
    cmdAddPictures = button(tr("Add pictures..."), this);
    lblChecking = new QLabel(tr("Checking the pictures..."), this);
    lblChecking->setAccessibleName(tr("Checking the pictures"));

    lblDetails = new QLabel(this);
    lblDetails->setWordWrap(true);
    lblDetails->setTextFormat(Qt::PlainText);
    lblDetails->setAccessibleName(tr("Findings of the chosen object"));
    //: Button with a menu: rename the object, the category or the value
    cmdRename = button(tr("Rename..."), this);
    auto* renameMenu = new QMenu(cmdRename);
    renameMenu->setAccessibleName(tr("Rename"));
    const std::pair<QString, CollectionEditor::Part> renames[] = {
        //: In the "Rename..." menu: the object, the first of a name's three parts
        {tr("Object..."), CollectionEditor::Part::Object},
        //: In the "Rename..." menu: the category, the second of a name's three parts
        {tr("Category..."), CollectionEditor::Part::Category},
        //: In the "Rename..." menu: the value, the third of a name's three parts
        {tr("Value..."), CollectionEditor::Part::Value}};
    for (const auto& [text, part] : renames)
        connect(renameMenu->addAction(text), &QAction::triggered, this,
                [this, part] { runUnguarded(m_messageBox, [&] { rename(static_cast<int>(part)); }); });
    cmdRename->setMenu(renameMenu);
    //: Button: the chosen object picture goes to the trash
    cmdRemove = button(tr("Remove"), this);
    // Told apart from the recording's "Remove" beside it.
    cmdRemove->setAccessibleName(tr("Remove the picture"));
    cmdRemove->setToolTip(tr("Moves the object picture and its recording to the trash"));

    lblCollectionFindings = new QLabel(tr("Findings about the whole collection:"), this);
    lstCollectionFindings = new QListWidget(this);
    lstCollectionFindings->setWordWrap(true);
    lstCollectionFindings->setMaximumHeight(110);
    lblCollectionFindings->setBuddy(lstCollectionFindings);
    lstCollectionFindings->setAccessibleName(tr("Findings about the whole collection"));

    makeObjectTable();
}

void PicturesWindow::makeObjectTable()
{
    tblObjects = new QTableView(this);
    //: The list of the collection's object pictures
    tblObjects->setAccessibleName(tr("Objects"));
    tblObjects->setModel(m_model);
    tblObjects->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblObjects->setSelectionMode(QAbstractItemView::SingleSelection);
    tblObjects->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblObjects->setTabKeyNavigation(false); // Tab leaves the list for the buttons below it
    tblObjects->setWordWrap(true);
    tblObjects->setTextElideMode(Qt::ElideRight);
    tblObjects->setIconSize(QSize(ThumbnailCache::Side, ThumbnailCache::Side / 2));
    tblObjects->verticalHeader()->hide();
    // Fixed heights and widths: the view never measures all rows, so a long list opens at once.
    tblObjects->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblObjects->verticalHeader()->setDefaultSectionSize(ThumbnailCache::Side / 2 + 8);
    tblObjects->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblObjects->horizontalHeader()->setStretchLastSection(true);
    tblObjects->setColumnWidth(ObjectTableModel::Picture, ThumbnailCache::Side + 12);
    // As wide as a symbol, or as the column's words where a language makes them wider.
    for (const int column : {int(ObjectTableModel::Symbol), int(ObjectTableModel::Attribute)}) {
        const QString header = m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int words = std::max(tblObjects->fontMetrics().horizontalAdvance(ObjectTableModel::missingText(column)),
                                   tblObjects->horizontalHeader()->fontMetrics().horizontalAdvance(header));
        tblObjects->setColumnWidth(column, std::max(ThumbnailCache::Side / 2 + 12, words + 16));
    }
    tblObjects->setColumnWidth(ObjectTableModel::Name, 200);
}

void PicturesWindow::arrange()
{
    auto* top = new QHBoxLayout;
    top->addWidget(lblCollection, 1);
    top->addWidget(lblChecking);
    top->addWidget(cmdNewCollection);
    top->addWidget(cmdAddPictures);
    auto* actions = new QHBoxLayout;
    actions->addWidget(cmdRename);
    actions->addWidget(cmdRemove);
    m_voiceHolder = new QVBoxLayout;
    actions->addLayout(m_voiceHolder);
    actions->addStretch(1);
    m_importHolder = new QVBoxLayout;
    // The collection above, the pictures being added below; the teacher moves the line between.
    auto* collection = new QWidget;
    auto* collectionLayout = new QVBoxLayout(collection);
    collectionLayout->setContentsMargins(0, 0, 0, 0);
    collectionLayout->addWidget(tblObjects, 1);
    collectionLayout->addWidget(lblDetails);
    collectionLayout->addLayout(actions);
    collectionLayout->addWidget(lblCollectionFindings);
    collectionLayout->addWidget(lstCollectionFindings);
    auto* adding = new QWidget;
    adding->setLayout(m_importHolder);
    m_importHolder->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(collection);
    splitter->addWidget(adding);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    resize(960, 720);

    // Tab goes from the collection's buttons to the list, the chosen object's buttons, the
    // collection's findings and the pictures being added.
    setTabOrder(cmdNewCollection, cmdAddPictures);
    setTabOrder(cmdAddPictures, tblObjects);
    setTabOrder(tblObjects, cmdRename);
    setTabOrder(cmdRename, cmdRemove);
    setTabOrder(cmdRemove, lstCollectionFindings);
}

void PicturesWindow::connectControls()
{
    connect(cmdNewCollection, &QPushButton::clicked, this,
            [this] { runUnguarded(m_messageBox, [this] { cmdNewCollection_Click(); }); });
    connect(cmdAddPictures, &QPushButton::clicked, this,
            [this] { runUnguarded(m_messageBox, [this] { cmdAddPictures_Click(); }); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] { runUnguarded(m_messageBox, [this] { cmdRemove_Click(); }); });
    connect(tblObjects->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { runUnguarded(m_messageBox, [this] { currentChanged(); }); });
    connect(tblObjects->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { runUnguarded(m_messageBox, [this] { prefetchNearby(); }); });
    // What is on screen first; once it is all in, the page below.
    connect(m_thumbnails.get(), &ThumbnailCache::ready, this, [this] {
        if (m_thumbnails->pending() == 0)
            runUnguarded(m_messageBox, [this] {
                startWaitingCheck();
                prefetchNearby();
            });
    });
}

} // namespace tessarine
