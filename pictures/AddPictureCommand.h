#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace tessarine {

// `tessarine --add-picture FILE --as cup.colour.red [--collection FOLDER]`: converts, crops
// (centred) and saves the picture as the Pictures window does, makes the symbol and the attribute
// card when they are missing, prints each file written, one a line, and answers 0. Answers 2 with
// one line on `err`, having written nothing, for an unreadable picture, a name with fewer than
// three parts or an empty part, or a folder that cannot be written. `arguments` are those after
// "--add-picture"; `defaultCollection` is the collection in use.
int addPictureCommand(const QStringList& arguments, const QString& defaultCollection, QTextStream& out, QTextStream& err);

} // namespace tessarine
