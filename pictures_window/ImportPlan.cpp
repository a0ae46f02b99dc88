#include "pictures_window/ImportPlan.h"

#include "pictures/CollectionEditor.h"
#include "pictures/CropFrame.h"
#include "pictures/PictureReader.h"

#include <QImage>

#include <optional>

namespace tessarine {

namespace {

// Read no larger than the saved pictures need: a phone photo decodes at a reduced scale.
QImage readForSaving(const QString& path)
{
    return PictureReader::read(path, CollectionEditor::readingSize(PictureReader::uprightSize(path)));
}

std::optional<QImage> readIfChosen(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    return readForSaving(path);
}

// The crop, given in the whole picture's pixels, on the picture as read for saving.
QRect scaledCrop(const QRect& crop, QSize whole, QSize read)
{
    if (whole == read || whole.isEmpty())
        return crop;
    const double sx = double(read.width()) / whole.width();
    const double sy = double(read.height()) / whole.height();
    const QRectF scaled(crop.x() * sx, crop.y() * sy, crop.width() * sx, crop.height() * sy);
    return scaled.toRect().intersected(QRect(QPoint(0, 0), read));
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
    switch (kind) {
    case ImportKind::Symbol:
        return PictureName::partProblem(name.object, NamePart::Object);
    case ImportKind::Attribute:
        if (const QString why = PictureName::partProblem(name.category, NamePart::Category); !why.isEmpty())
            return why;
        return PictureName::partProblem(name.value, NamePart::Value);
    case ImportKind::ObjectPicture:
        break;
    }
    return name.problem();
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
    const QImage upright = readForSaving(source);
    const QRect part = scaledCrop(crop, picture, upright.size());
    switch (kind) {
    case ImportKind::Symbol:
        written.append(editor.saveSymbol(upright, part, object));
        return;
    case ImportKind::Attribute:
        written.append(editor.saveAttribute(upright, part, category, value));
        return;
    case ImportKind::ObjectPicture:
        break;
    }
    const bool symbolWanted = lacksSymbol(editor) && (makeSymbol || !symbolPicture.isEmpty());
    const bool attributeWanted = lacksAttribute(editor) && (makeCard || !attributePicture.isEmpty());
    const auto symbol = symbolWanted ? readIfChosen(symbolPicture) : std::nullopt;
    const auto attribute = attributeWanted ? readIfChosen(attributePicture) : std::nullopt;

    PictureName parts;
    parts.object = object;
    parts.category = category;
    parts.value = value;
    written.append(editor.saveObject(upright, part, parts));
    if (symbol)
        written.append(editor.saveSymbol(*symbol, centredSquare(symbol->rect()), object));
    else if (symbolWanted)
        written.append(editor.saveSymbol(upright, centredSquare(part), object));
    if (attribute)
        written.append(editor.saveAttribute(*attribute, centredSquare(attribute->rect()), category, value));
    else if (attributeWanted)
        written.append(editor.saveCard(category, value));
}

} // namespace tessarine
