#include "pictures_window/PicturePrompts.h"

#include "pictures/PictureReader.h"

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

QString pictureFilter() { return QStringLiteral("Pictures (%1)").arg(PictureReader::nameFilters().join(u' ')); }

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
    return QFileDialog::getOpenFileNames(parent, QStringLiteral("Add pictures"), QDir::homePath(), pictureFilter());
}

QString QtPicturePrompts::pictureToUse(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Choose a picture"), QDir::homePath(), pictureFilter());
}

std::optional<IPicturePrompts::NewCollection> QtPicturePrompts::newCollection(QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("New collection"));
    auto* name = new QLineEdit(&dialog);
    auto* empty = new QRadioButton(QStringLiteral("Empty"), &dialog);
    auto* copy = new QRadioButton(QStringLiteral("A copy of the program's sample pictures"), &dialog);
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
    form->addRow(QStringLiteral("&Name:"), name);
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
    return askText(parent, QStringLiteral("Pictures"),
                   QStringLiteral("The program's own pictures cannot be changed on this computer.\n"
                                  "Make a personal copy of them to change instead, named:"),
                   suggestedName);
}

std::optional<QString> QtPicturePrompts::renameTo(QWidget* parent, const QString& what, const QString& current)
{
    return askText(parent, QStringLiteral("Rename"), QStringLiteral("New name of the %1 \"%2\":").arg(what, current), current);
}

} // namespace tessarine
