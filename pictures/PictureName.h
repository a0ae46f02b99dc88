#pragma once

#include <QString>

namespace tessarine {

// Which of a name's three parts a text is about.
enum class NamePart { Object, Category, Value };

// The three parts that name an object picture: `cup.colour.red` for a red cup. The symbol key is
// the object, the attribute card is `category.value`.
struct PictureName {
    QString object;
    QString category;
    QString value;
    // How many parts the parsed text had; parse() keeps the first three.
    int parts = 3;

    // Splits "cup.colour.red"; parts are trimmed. Missing or extra parts leave problem() non-empty.
    static PictureName parse(const QString& dotted);
    // "cup.colour.red".
    QString base() const;
    // Plain words on why these parts make no usable name (a part empty, or holding a full stop, a
    // slash or a character a file name cannot carry); empty when the name is usable.
    QString problem() const;
    // The same for one part alone, `which` saying which part it is.
    static QString partProblem(const QString& part, NamePart which);
};

} // namespace tessarine
