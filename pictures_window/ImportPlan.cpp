#include "pictures_window/ImportPlan.h"

#include "pictures/CollectionEditor.h"
#include "pictures/CropFrame.h"
#include "pictures/PictureReader.h"

#include <QImage>

#include <optional>

namespace tessarine {

namespace {

// Only the parts a kind uses are checked: the others stand in with a part that is always usable.
const QString Usable = QStringLiteral("x");

PictureName usedParts(const PictureName& name, ImportKind kind)
{
    switch (kind) {
    case ImportKind::Symbol:
        return {name.object, Usable, Usable};
    case ImportKind::Attribute:
        return {Usable, name.category, name.value};
    case ImportKind::ObjectPicture:
        break;
    }
    return name;
}

std::optional<QImage> readIfChosen(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    return PictureReader::read(path);
}

} // namespace

QRect centredSquare(const QRect& area)
{
    const int side = std::min(area.width(), area.height());
    return {area.x() + (area.width() - side) / 2, area.y() + (area.height() - side) / 2, side, side};
}

double ImportPlan::aspect(ImportKind kind)
{
    return kind == ImportKind::ObjectPicture ? CropFrame::objectAspect() : CropFrame::SquareAspect;
}

QString ImportPlan::problem() const
{
    return usedParts(name, kind).problem();
}

QString ImportPlan::fileName() const
{
    if (const QString why = problem(); !why.isEmpty())
        return why;
    switch (kind) {
    case ImportKind::Symbol:
        return name.object.trimmed() + QStringLiteral(".jpg");
    case ImportKind::Attribute:
        return QStringLiteral("%1.%2.jpg").arg(name.category.trimmed(), name.value.trimmed());
    case ImportKind::ObjectPicture:
        break;
    }
    return name.base() + QStringLiteral(".jpg");
}

bool ImportPlan::lacksSymbol(const CollectionEditor& editor) const
{
    return kind == ImportKind::ObjectPicture && problem().isEmpty() && !editor.hasSymbol(name.object.trimmed());
}

bool ImportPlan::lacksAttribute(const CollectionEditor& editor) const
{
    return kind == ImportKind::ObjectPicture && problem().isEmpty()
           && !editor.hasAttribute(name.category.trimmed(), name.value.trimmed());
}

void ImportPlan::save(CollectionEditor& editor, QStringList& written) const
{
    const QString object = name.object.trimmed();
    const QString category = name.category.trimmed();
    const QString value = name.value.trimmed();
    const QImage upright = PictureReader::read(source);
    switch (kind) {
    case ImportKind::Symbol:
        written.append(editor.saveSymbol(upright, crop, object));
        return;
    case ImportKind::Attribute:
        written.append(editor.saveAttribute(upright, crop, category, value));
        return;
    case ImportKind::ObjectPicture:
        break;
    }
    const bool symbolWanted = lacksSymbol(editor) && (makeSymbol || !symbolPicture.isEmpty());
    const bool attributeWanted = lacksAttribute(editor) && (makeCard || !attributePicture.isEmpty());
    const auto symbol = symbolWanted ? readIfChosen(symbolPicture) : std::nullopt;
    const auto attribute = attributeWanted ? readIfChosen(attributePicture) : std::nullopt;

    written.append(editor.saveObject(upright, crop, {object, category, value}));
    if (symbol)
        written.append(editor.saveSymbol(*symbol, centredSquare(symbol->rect()), object));
    else if (symbolWanted)
        written.append(editor.saveSymbol(upright, centredSquare(crop), object));
    if (attribute)
        written.append(editor.saveAttribute(*attribute, centredSquare(attribute->rect()), category, value));
    else if (attributeWanted)
        written.append(editor.saveCard(category, value));
}

} // namespace tessarine
