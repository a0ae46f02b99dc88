#pragma once

#include <QString>

namespace tessarine {

// The three parts that name an object picture: `cup.colour.red` for a red cup. The symbol key is
// the object, the attribute card is `category.value`.
struct PictureName {
    QString object;
    QString category;
    QString value;

    // Splits "cup.colour.red"; parts are trimmed. Missing or extra parts leave problem() non-empty.
    static PictureName parse(const QString& dotted);
    // "cup.colour.red".
    QString base() const;
    // Plain words on why these parts make no usable name (a part empty, or holding a full stop, a
    // slash or a character a file name cannot carry); empty when the name is usable.
    QString problem() const;
};

} // namespace tessarine
