#pragma once

#include "pictures/PictureName.h"

#include <QRect>
#include <QString>
#include <QStringList>

namespace tessarine {

class CollectionEditor;

// What a picture being added becomes.
enum class ImportKind { ObjectPicture, Symbol, Attribute };

// What the teacher chose for one picture being added, and what saving it writes: the picture under
// its name, cropped, and for an object picture whatever the set still lacks, a symbol (from this
// photo or from another picture) and an attribute card (made, or another picture).
struct ImportPlan {
    QString source; // the teacher's file, never changed
    PictureName name;
    ImportKind kind = ImportKind::ObjectPicture;
    QSize picture; // the whole upright picture's size
    QRect crop;    // in its pixels

    bool makeSymbol = true;   // from a square of this photo's frame
    QString symbolPicture;    // or from this picture, when chosen
    bool makeCard = true;     // a card made for the value
    QString attributePicture; // or this picture, when chosen

    // Width over height of the box the picture will fill.
    static double aspect(ImportKind kind);
    // The file the choice makes, "cup.colour.red.jpg" ("cup.jpg" for a symbol, "colour.red.jpg" for an
    // attribute picture), or the problem with the name in plain words.
    QString fileName() const;
    QString problem() const;
    // Whether the set lacks the object's symbol or its attribute card, so that saving offers it.
    bool lacksSymbol(const CollectionEditor& editor) const;
    bool lacksAttribute(const CollectionEditor& editor) const;

    // Writes the choice into the collection, adding each path written to `written` as it goes, so
    // that a failure half way still tells what was written. Every picture is read before anything is
    // written: an unreadable one writes nothing. Throws RuntimeError with plain words.
    void save(CollectionEditor& editor, QStringList& written) const;
};

// The largest square centred in `area`.
QRect centredSquare(const QRect& area);

} // namespace tessarine
