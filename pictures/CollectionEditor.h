#pragma once

#include "pictures/PictureName.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace tessarine {

// Writes a teacher's pictures into a collection (a folder holding Images, Symbols, Attributes and
// Sounds) under the names the exercise reads, and renames or removes them. Pictures are written as
// JPEG of quality 90, cropped, at most 1600 pixels on their long side, never over an existing file;
// the files a picture came from are never changed or moved. Every failure throws RuntimeError with
// plain words naming the file, and leaves the collection as it was.
class CollectionEditor {
public:
    static constexpr int LongestSide = 1600;
    static constexpr int JpegQuality = 90;
    // The side of a made attribute card.
    static constexpr int CardSide = 800;

    explicit CollectionEditor(QString folder);
    const QString& folder() const { return m_folder; }

    // What the collection already has, for the drop-downs, sorted without regard to letter case:
    // objects (symbol keys of Images and Symbols), categories, and the values of `category` first,
    // then the other categories' values.
    QStringList objects() const;
    QStringList categories() const;
    QStringList values(const QString& category) const;
    bool hasSymbol(const QString& object) const;
    bool hasAttribute(const QString& category, const QString& value) const;
    // Throws RuntimeError, having written nothing, when Images, Symbols or Attributes could not be
    // written (or made); for callers that must check everything before they write anything.
    void checkWritable() const;
    // The size to read a picture of `upright` size at so that its crops lose nothing when saved:
    // its shorter side no longer than LongestSide needs, never larger than the picture.
    static QSize readingSize(QSize upright);

    // Images/<name>.jpg, or <name>.2.jpg, .3, ... when taken. Returns the path written.
    QString saveObject(const QImage& upright, const QRect& crop, const PictureName& name);
    // Symbols/<object>.jpg from a square part of a picture ("Make the symbol from this photo").
    QString saveSymbol(const QImage& upright, const QRect& squareCrop, const QString& object);
    // Attributes/<category>.<value>.jpg: a card ("Make a card") or a chosen picture.
    QString saveCard(const QString& category, const QString& value);
    QString saveAttribute(const QImage& upright, const QRect& squareCrop, const QString& category, const QString& value);

    using Part = NamePart;
    // Renames every file that carries the part (object pictures, symbols, attribute cards and the
    // recordings beside object pictures) in one step: all of them or, when any rename fails, none.
    // `category` names the category whose value is renamed (Part::Value only). Returns the new paths.
    QStringList rename(Part part, const QString& from, const QString& to, const QString& category = {});
    // Moves a picture or recording to the desktop's trash; never deletes it outright.
    void remove(const QString& path);

    // Images/<object picture's name without .jpg>.wav: the teacher's recording of its caption.
    static QString recordingPath(const QString& objectPicturePath);

private:
    QString subFolder(const QString& name) const;
    // Writes the picture as JPEG under base.jpg, or base.2.jpg, ... when taken; never replaces a file.
    QString writeNew(const QImage& picture, const QString& sub, const QString& base);

    QString m_folder;
};

} // namespace tessarine
