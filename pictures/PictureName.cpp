#include "pictures/PictureName.h"

#include <QCoreApplication>
#include <QStringList>

namespace tessarine {

namespace {

// Characters that Windows, whose users share collections with ours, refuses in a file name, and
// the two separators; the full stop would move the parts the exercise reads.
bool unfitForFileName(QChar c)
{
    static const QString refused = QStringLiteral(".\\/:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7f || refused.contains(c);
}

// Each part has its own sentences: the part's word changes the rest of the sentence in other
// languages. In the order of NamePart.
struct PartTexts {
    const char* empty;
    const char* fullStop;
    const char* badCharacter;
};
const PartTexts Texts[] = {
    {QT_TRANSLATE_NOOP("PictureName", "The object is empty."),
     //: %1 is the object as typed
     QT_TRANSLATE_NOOP("PictureName", "The object \"%1\" holds a full stop; full stops only separate the parts."),
     //: %1 is the object as typed
     QT_TRANSLATE_NOOP("PictureName", "The object \"%1\" holds a character a file name cannot carry.")},
    {QT_TRANSLATE_NOOP("PictureName", "The category is empty."),
     //: %1 is the category as typed
     QT_TRANSLATE_NOOP("PictureName", "The category \"%1\" holds a full stop; full stops only separate the parts."),
     //: %1 is the category as typed
     QT_TRANSLATE_NOOP("PictureName", "The category \"%1\" holds a character a file name cannot carry.")},
    {QT_TRANSLATE_NOOP("PictureName", "The value is empty."),
     //: %1 is the value as typed
     QT_TRANSLATE_NOOP("PictureName", "The value \"%1\" holds a full stop; full stops only separate the parts."),
     //: %1 is the value as typed
     QT_TRANSLATE_NOOP("PictureName", "The value \"%1\" holds a character a file name cannot carry.")},
};

QString translated(const char* text) { return QCoreApplication::translate("PictureName", text); }

QString partProblem(const QString& part, NamePart which)
{
    const PartTexts& texts = Texts[int(which)];
    if (part.isEmpty())
        return translated(texts.empty);
    for (const QChar c : part) {
        if (unfitForFileName(c))
            return translated(c == QLatin1Char('.') ? texts.fullStop : texts.badCharacter).arg(part);
    }
    return {};
}

} // namespace

PictureName PictureName::parse(const QString& dotted)
{
    const QStringList parts = dotted.split(QLatin1Char('.'));
    PictureName name;
    name.parts = int(parts.size());
    if (parts.size() > 0)
        name.object = parts.at(0).trimmed();
    if (parts.size() > 1)
        name.category = parts.at(1).trimmed();
    if (parts.size() > 2)
        name.value = parts.at(2).trimmed();
    return name;
}

QString PictureName::base() const { return object + QLatin1Char('.') + category + QLatin1Char('.') + value; }

QString PictureName::problem() const
{
    if (parts != 3)
        //: The example is a file name's three parts; it may be given in the language's own words
        return QCoreApplication::translate(
            "PictureName", "A picture's name has three parts, object, category and value, as in cup.colour.red; this one has %n.",
            nullptr, parts);
    for (const auto& [part, which] :
         {std::pair{&object, NamePart::Object}, std::pair{&category, NamePart::Category}, std::pair{&value, NamePart::Value}}) {
        const QString problem = tessarine::partProblem(*part, which);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

QString PictureName::partProblem(const QString& part, NamePart which) { return tessarine::partProblem(part.trimmed(), which); }

} // namespace tessarine
