#include "pictures_window/PicturePrompts.h"

#include "pictures/PictureReader.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessarine {

namespace {

QString pictureFilter()
{
    //: A file dialog's filter; %1 is the list of patterns such as *.jpg
    return QCoreApplication::translate("PicturePrompts", "Pictures (%1)").arg(PictureReader::nameFilters().join(u' '));
}

std::optional<QString> askText(QWidget* parent, const QString& title, const QString& question, const QString& suggested)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, question, QLineEdit::Normal, suggested, &ok).trimmed();
    if (!ok || text.isEmpty())
        return std::nullopt;
    return text;
}

} // namespace

QStringList QtPicturePrompts::picturesToAdd(QWidget* parent)
{
    return QFileDialog::getOpenFileNames(parent, QCoreApplication::translate("PicturePrompts", "Add pictures"), QDir::homePath(),
                                         pictureFilter());
}

QString QtPicturePrompts::pictureToUse(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("PicturePrompts", "Choose a picture"),
                                        QDir::homePath(), pictureFilter());
}

std::optional<IPicturePrompts::NewCollection> QtPicturePrompts::newCollection(QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("PicturePrompts", "New collection"));
    auto* name = new QLineEdit(&dialog);
    //: A new collection with no pictures in it
    auto* empty = new QRadioButton(QCoreApplication::translate("PicturePrompts", "Empty"), &dialog);
    auto* copy = new QRadioButton(QCoreApplication::translate("PicturePrompts", "A copy of the program's sample pictures"),
                                  &dialog);
    empty->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    // No collection without a name.
    buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    QObject::connect(name, &QLineEdit::textChanged, buttons, [buttons](const QString& text) {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout;
    //: The new collection's name
    form->addRow(QCoreApplication::translate("PicturePrompts", "&Name:"), name);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(empty);
    layout->addWidget(copy);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return NewCollection{name->text().trimmed(), copy->isChecked()};
}

std::optional<QString> QtPicturePrompts::personalCopy(QWidget* parent, const QString& suggestedName)
{
    //: The title of the question
    return askText(parent, QCoreApplication::translate("PicturePrompts", "Pictures"),
                   QCoreApplication::translate("PicturePrompts",
                                               "The program's own pictures cannot be changed on this computer.\n"
                                               "Make a personal copy of them to change instead, named:"),
                   suggestedName);
}

std::optional<QString> QtPicturePrompts::renameTo(QWidget* parent, NamePart which, const QString& current)
{
    // In the order of NamePart.
    static const char* const questions[] = {QT_TRANSLATE_NOOP("PicturePrompts", "New name of the object \"%1\":"),
                                            QT_TRANSLATE_NOOP("PicturePrompts", "New name of the category \"%1\":"),
                                            QT_TRANSLATE_NOOP("PicturePrompts", "New name of the value \"%1\":")};
    //: The title of the question
    return askText(parent, QCoreApplication::translate("PicturePrompts", "Rename"),
                   QCoreApplication::translate("PicturePrompts", questions[int(which)]).arg(current), current);
}

} // namespace tessarine
