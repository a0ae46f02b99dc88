#pragma once

#include "check/CheckResult.h"
#include "check/DecodeCache.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace tessarine::check {

// Everything besides its own files that what is found about an object picture depends on: the
// answer lists, the pictures set aside beside them, which answer pictures do not load, the
// recordings. While it stays the same, an unchanged object picture needs no new analysis.
struct ObjectContext {
    QStringList symbols;
    QStringList attributes;
    QStringList straySymbols;
    QStringList strayAttributes;
    QStringList unreadable; // "Folder/name" and error of each answer picture that does not load
    QStringList recordings;
    friend bool operator==(const ObjectContext&, const ObjectContext&) = default;
};

// What was found about one object picture, to be told again as it was.
struct RememberedObject {
    DecodeCache::Stamp picture;
    DecodeCache::Stamp recording;
    ObjectReport report;
    QList<Finding> findings;
    QList<QPair<QString, int>> distractorIn; // unloadable distractors it can draw, with the options
    QString partMessage;
};

// The analyses of object pictures kept from one check of a folder to the next.
class ObjectMemory {
public:
    // Starts a check: analyses made in another context are forgotten.
    void begin(const ObjectContext& context);
    const RememberedObject* find(const QString& object, const DecodeCache::Stamp& picture,
                                 const DecodeCache::Stamp& recording) const;
    void remember(const QString& object, RememberedObject analysis);
    // Forgets the pictures the check just made did not look at: they have gone.
    void end();
    qsizetype size() const { return m_objects.size(); }

private:
    ObjectContext m_context;
    QHash<QString, RememberedObject> m_objects;
    QHash<QString, RememberedObject> m_seen; // this check's, which replace m_objects at its end
};

} // namespace tessarine::check
