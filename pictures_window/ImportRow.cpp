#include "pictures_window/ImportRow.h"

#include "core/ErrorGuard.h"
#include "pictures/CollectionEditor.h"
#include "pictures/PictureReader.h"
#include "pictures_window/CropFrameWidget.h"
#include "pictures_window/PicturePrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessarine {

namespace {

QComboBox* makeField(const QString& name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    // What the teacher types is a new name, not a new suggestion.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setAccessibleName(name);
    box->setMinimumContentsLength(12);
    return box;
}

void suggest(QComboBox* box, const QStringList& items)
{
    const QSignalBlocker blocker(box);
    const QString typed = box->currentText();
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(typed);
}

QString shownName(const QString& path) { return QFileInfo(path).fileName(); }

} // namespace

ImportRow::ImportRow(CollectionEditor& editor, IMessageBox& messageBox, IPicturePrompts& prompts, QString source,
                     const QImage& preview, QSize picture, QWidget* parent)
    : QFrame(parent)
    , m_editor(editor)
    , m_messageBox(messageBox)
    , m_prompts(prompts)
    , m_source(std::move(source))
{
    setFrameShape(QFrame::StyledPanel);
    setAccessibleName(shownName(m_source));

    m_crop = new CropFrameWidget(messageBox, preview, picture, ImportPlan::aspect(ImportKind::ObjectPicture), this);
    //: The first of a picture's name's three parts: what the picture shows
    cboObject = makeField(tr("Object"), this);
    //: The second of a picture's name's three parts, such as "colour"
    cboCategory = makeField(tr("Category"), this);
    //: The third of a picture's name's three parts, such as "red"
    cboValue = makeField(tr("Value"), this);
    cboKind = new QComboBox(this);
    //: What a picture is saved as: a picture of the object, its symbol, or an attribute's picture
    cboKind->addItems({tr("Object picture"), tr("Symbol"), tr("Attribute picture")});
    //: What the picture is saved as
    cboKind->setAccessibleName(tr("Becomes"));
    lblName = new QLabel(this);
    lblName->setTextFormat(Qt::PlainText);
    lblName->setWordWrap(true);
    //: The file name the picture is saved under
    lblName->setAccessibleName(tr("Name"));
    cmdSave = new QPushButton(tr("Save"), this);
    //: Button: this picture is not added after all
    cmdLeaveOut = new QPushButton(tr("Leave out"), this);

    auto* fields = new QFormLayout;
    auto* lblFile = new QLabel(QDir::toNativeSeparators(m_source), this);
    lblFile->setTextFormat(Qt::PlainText);
    lblFile->setWordWrap(true);
    fields->addRow(lblFile);
    fields->addRow(tr("&Object"), cboObject);
    fields->addRow(tr("&Category"), cboCategory);
    fields->addRow(tr("&Value"), cboValue);
    //: The file name the picture is saved under
    fields->addRow(tr("Name"), lblName);
    //: What the picture is saved as
    fields->addRow(tr("&Becomes"), cboKind);
    fields->addRow(makeOffers());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdLeaveOut);
    buttons->addStretch();
    fields->addRow(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_crop, 1);
    layout->addLayout(fields, 1);

    // A file already named as the exercise names pictures brings its name with it.
    if (const auto named = PictureName::parse(QFileInfo(m_source).completeBaseName()); named.problem().isEmpty()) {
        cboObject->setEditText(named.object);
        cboCategory->setEditText(named.category);
        cboValue->setEditText(named.value);
    }
    refresh();

    const auto guarded = [this](auto handler) { return [this, handler] { runUnguarded(m_messageBox, [&] { handler(); }); }; };
    connect(cboObject, &QComboBox::editTextChanged, this, guarded([this] { showChoice(); }));
    connect(cboCategory, &QComboBox::editTextChanged, this, guarded([this] { categoryChanged(); }));
    connect(cboValue, &QComboBox::editTextChanged, this, guarded([this] { showChoice(); }));
    connect(cboKind, &QComboBox::currentIndexChanged, this, guarded([this] { kindChanged(); }));
    connect(chkMakeSymbol, &QCheckBox::toggled, this, guarded([this] {
                if (chkMakeSymbol->isChecked())
                    m_symbolPicture.clear();
                showChoice();
            }));
    connect(chkMakeCard, &QCheckBox::toggled, this, guarded([this] {
                if (chkMakeCard->isChecked())
                    m_attributePicture.clear();
                showChoice();
            }));
    connect(cmdChooseSymbol, &QPushButton::clicked, this, guarded([this] { cmdChooseSymbol_Click(); }));
    connect(cmdChooseAttribute, &QPushButton::clicked, this, guarded([this] { cmdChooseAttribute_Click(); }));
    connect(cmdSave, &QPushButton::clicked, this, guarded([this] { cmdSave_Click(); }));
    connect(cmdLeaveOut, &QPushButton::clicked, this, guarded([this] { Q_EMIT leftOut(); }));
}

QWidget* ImportRow::makeOffers()
{
    auto* offers = new QWidget(this);
    auto* layout = new QVBoxLayout(offers);
    layout->setContentsMargins(0, 0, 0, 0);

    fraSymbol = new QGroupBox(offers);
    chkMakeSymbol = new QCheckBox(tr("Make the symbol from this photo"), fraSymbol);
    chkMakeSymbol->setChecked(true);
    //: Button: a picture from a file becomes the symbol
    cmdChooseSymbol = new QPushButton(tr("Choose a picture"), fraSymbol);
    cmdChooseSymbol->setAccessibleName(tr("Choose a picture for the symbol"));
    auto* symbolLayout = new QVBoxLayout(fraSymbol);
    symbolLayout->addWidget(chkMakeSymbol);
    symbolLayout->addWidget(cmdChooseSymbol, 0, Qt::AlignLeft);

    fraAttribute = new QGroupBox(offers);
    //: An attribute card: a swatch of the colour, or the value's word written large
    chkMakeCard = new QCheckBox(tr("Make a card"), fraAttribute);
    chkMakeCard->setChecked(true);
    //: Button: a picture from a file becomes the attribute's picture
    cmdChooseAttribute = new QPushButton(tr("Choose a picture"), fraAttribute);
    cmdChooseAttribute->setAccessibleName(tr("Choose a picture for the attribute"));
    auto* attributeLayout = new QVBoxLayout(fraAttribute);
    attributeLayout->addWidget(chkMakeCard);
    attributeLayout->addWidget(cmdChooseAttribute, 0, Qt::AlignLeft);

    layout->addWidget(fraSymbol);
    layout->addWidget(fraAttribute);
    return offers;
}

void ImportRow::refresh()
{
    suggest(cboObject, m_editor.objects());
    suggest(cboCategory, m_editor.categories());
    suggest(cboValue, m_editor.values(cboCategory->currentText().trimmed()));
    showChoice();
}

void ImportRow::categoryChanged()
{
    suggest(cboValue, m_editor.values(cboCategory->currentText().trimmed()));
    showChoice();
}

void ImportRow::kindChanged()
{
    const ImportKind kind = plan().kind;
    m_crop->setAspect(ImportPlan::aspect(kind));
    cboObject->setEnabled(kind != ImportKind::Attribute);
    cboCategory->setEnabled(kind != ImportKind::Symbol);
    cboValue->setEnabled(kind != ImportKind::Symbol);
    showChoice();
}

ImportPlan ImportRow::plan() const
{
    ImportPlan plan;
    plan.source = m_source;
    plan.name.object = cboObject->currentText().trimmed();
    plan.name.category = cboCategory->currentText().trimmed();
    plan.name.value = cboValue->currentText().trimmed();
    plan.kind = static_cast<ImportKind>(cboKind->currentIndex());
    plan.picture = m_crop->frame().picture();
    plan.crop = m_crop->frame().rect();
    plan.makeSymbol = chkMakeSymbol->isChecked();
    plan.symbolPicture = m_symbolPicture;
    plan.makeCard = chkMakeCard->isChecked();
    plan.attributePicture = m_attributePicture;
    return plan;
}

// What the fields make: the name or its problem, which offers apply, whether it can be saved.
void ImportRow::showChoice()
{
    const ImportPlan now = plan();
    lblName->setText(now.fileName());
    cmdSave->setEnabled(now.problem().isEmpty());

    const bool symbolMissing = now.lacksSymbol(m_editor);
    fraSymbol->setVisible(symbolMissing);
    if (symbolMissing) {
        fraSymbol->setTitle(m_symbolPicture.isEmpty()
                                //: %1 is the object
                                ? tr("There is no symbol for \"%1\" yet").arg(now.name.object)
                                //: %1 is the object, %2 the file chosen for its symbol
                                : tr("There is no symbol for \"%1\" yet: it will be made from %2")
                                      .arg(now.name.object, shownName(m_symbolPicture)));
    }
    const bool attributeMissing = now.lacksAttribute(m_editor);
    fraAttribute->setVisible(attributeMissing);
    if (attributeMissing) {
        fraAttribute->setTitle(m_attributePicture.isEmpty()
                                   //: %1 is the category, %2 the value ("colour red")
                                   ? tr("There is no attribute card for \"%1 %2\" yet").arg(now.name.category, now.name.value)
                                   //: %1 is the category, %2 the value ("colour red"), %3 the file chosen for its card
                                   : tr("There is no attribute card for \"%1 %2\" yet: it will be %3")
                                         .arg(now.name.category, now.name.value, shownName(m_attributePicture)));
    }
}

// A picture chosen for the symbol or the attribute, read at once so that one that cannot be read is
// told now rather than at saving.
QString ImportRow::chosenPicture(const QString& procedure)
{
    const QString path = m_prompts.pictureToUse(this);
    if (path.isEmpty())
        return {};
    Guard guard(m_messageBox, procedure);
    return guard.step([&] { PictureReader::read(path, QSize(64, 64)); }) ? path : QString();
}

void ImportRow::cmdChooseSymbol_Click()
{
    const QString path = chosenPicture(QStringLiteral("cmdChooseSymbol_Click"));
    if (path.isEmpty())
        return;
    m_symbolPicture = path;
    {
        const QSignalBlocker blocker(chkMakeSymbol);
        chkMakeSymbol->setChecked(false);
    }
    showChoice();
}

void ImportRow::cmdChooseAttribute_Click()
{
    const QString path = chosenPicture(QStringLiteral("cmdChooseAttribute_Click"));
    if (path.isEmpty())
        return;
    m_attributePicture = path;
    {
        const QSignalBlocker blocker(chkMakeCard);
        chkMakeCard->setChecked(false);
    }
    showChoice();
}

void ImportRow::cmdSave_Click()
{
    Guard guard(m_messageBox, QStringLiteral("cmdSave_Click"));
    QStringList written;
    guard.step([&] { plan().save(m_editor, written); });
    // Once the picture itself is written the row is done, even when a symbol or card failed:
    // saving it again would only add a second copy.
    if (!written.isEmpty())
        Q_EMIT saved(written);
}

} // namespace tessarine
