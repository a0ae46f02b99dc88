#pragma once

#include "pictures_window/ImportPlan.h"

#include <QFrame>
#include <QImage>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tessarine {

class CollectionEditor;
class CropFrameWidget;
class IMessageBox;
class IPicturePrompts;

// One picture being added: its preview with the crop frame, the fields "Object", "Category" and
// "Value" suggesting what the collection has, the name they make, what the picture becomes, the
// offers to make the symbol and the attribute card the set lacks, and "Save".
class ImportRow final : public QFrame {
    Q_OBJECT

public:
    // `preview` is the upright picture scaled down; `picture` the size of the whole upright picture.
    ImportRow(CollectionEditor& editor, IMessageBox& messageBox, IPicturePrompts& prompts, QString source, const QImage& preview,
              QSize picture, QWidget* parent = nullptr);

    // Suggestions and offers again, from the collection as it is now.
    void refresh();
    ImportPlan plan() const;

Q_SIGNALS:
    // The picture was saved (or as much of it as could be): the row is done.
    void saved(const QStringList& paths);
    // "Leave out": the teacher does not want this picture after all.
    void leftOut();

private:
    QWidget* makeOffers();
    void kindChanged();
    void categoryChanged();
    void showChoice();
    QString chosenPicture(const QString& procedure);
    void cmdChooseSymbol_Click();
    void cmdChooseAttribute_Click();
    void cmdSave_Click();

    CollectionEditor& m_editor;
    IMessageBox& m_messageBox;
    IPicturePrompts& m_prompts;
    QString m_source;
    QString m_symbolPicture;
    QString m_attributePicture;

    CropFrameWidget* m_crop;
    QComboBox* cboObject;
    QComboBox* cboCategory;
    QComboBox* cboValue;
    QComboBox* cboKind;
    QLabel* lblName;
    QGroupBox* fraSymbol;
    QCheckBox* chkMakeSymbol;
    QPushButton* cmdChooseSymbol;
    QGroupBox* fraAttribute;
    QCheckBox* chkMakeCard;
    QPushButton* cmdChooseAttribute;
    QPushButton* cmdSave;
    QPushButton* cmdLeaveOut;
};

} // namespace tessarine
